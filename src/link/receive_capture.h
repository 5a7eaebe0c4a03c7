#pragma once

// The receive side of the serial link: each received chunk goes to the
// installed receive handler; while capture is on, that is the appender that
// collects chunks into the receive buffer.

#include <cstddef>
#include <functional>
#include <string>

namespace skarvion {

class ReceiveCapture {
  public:
    using Handler = std::function<void(const char* data, std::size_t count)>;

    // Installs the handler that gets chunks while capture is off (replacing
    // the one capture would put back).
    void setHandler(Handler handler);

    // Hands a received chunk to the current handler; empty chunks are ignored.
    void deliver(const char* data, std::size_t count);

    // Remembers the current handler and installs the appender; no effect when on.
    void StartCapture();
    // Puts the remembered handler back; no effect when off.
    void StopCapture();
    void ClearReceived() { buffer_.clear(); }
    std::string GetReceived() const { return buffer_; }
    bool capturing() const { return capturing_; }

  private:
    Handler handler_;
    Handler saved_;
    std::string buffer_;
    bool capturing_ = false;
};

} // namespace skarvion
