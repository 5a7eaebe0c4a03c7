#pragma once

// What the CPU-block exchange needs from its surroundings. The exchange itself
// is plain code over these interfaces, so it runs under the transfer dialog,
// the command-line tool, or a test with a scripted device and a fake clock.

#include <cstdint>
#include <string>
#include <string_view>

namespace skarvion {

// A text shown to the user: its language key and the built-in text
// (Windows-1251) to use when no language table is at hand or the table has no
// text for the key. A text that has no language key carries an empty key.
struct LinkText {
    std::string_view key;
    std::string_view builtIn;
};

// Sends one byte; false when it could not be queued (the exchange ignores it).
class ByteSender {
  public:
    virtual ~ByteSender() = default;
    virtual bool sendByte(std::uint8_t byte) = 0;
};

// Collects received bytes while capture is on.
class CaptureBuffer {
  public:
    virtual ~CaptureBuffer() = default;
    virtual void StartCapture() = 0;
    virtual void StopCapture() = 0;
    virtual void ClearReceived() = 0;
    virtual std::string GetReceived() const = 0; // a copy; may hold 0x00 bytes
};

// A millisecond tick counter; waits use the unsigned difference, so it may wrap.
class MillisecondClock {
  public:
    virtual ~MillisecondClock() = default;
    virtual std::uint32_t tickCount() const = 0;
};

// Lets pending events run (which is how received bytes reach the capture
// buffer). With maxWaitMs > 0 it may sleep up to that long for new events; it
// never spins.
class EventPump {
  public:
    virtual ~EventPump() = default;
    virtual void runEvents(int maxWaitMs) = 0;
};

// The transfer dialog's two bars, 0..1000.
class ProgressSink {
  public:
    virtual ~ProgressSink() = default;
    virtual void setStepProgress(int position) = 0;
    virtual void setOverallProgress(int position) = 0;
};

// The step label; the caption and the overall label are set once per transfer.
class StepTextSink {
  public:
    virtual ~StepTextSink() = default;
    virtual void setStepText(LinkText text) = 0;
    virtual void setCaption(LinkText) {}
    virtual void setOverallText(LinkText) {}
};

enum class MessageKind {
    Information,
    Error,
    Plain, // the closing box of a transfer
};

// Message boxes and the write confirmation.
class MessageSink {
  public:
    virtual ~MessageSink() = default;
    virtual void showMessage(MessageKind kind, LinkText text) = 0;
    // A confirmation with OK and Cancel; true only for OK.
    virtual bool confirm(LinkText question) = 0;
};

// A serial port as the device operations see it.
class LinkPort : public ByteSender, public CaptureBuffer {
  public:
    virtual bool isOpen() const = 0;
    virtual bool open() = 0; // false leaves the port closed
    virtual void close() = 0;
    // Why the last open failed, in words for the user (empty after a success).
    virtual std::string openFailure() const = 0;
};

// Everything an exchange talks to.
struct LinkEnvironment {
    MillisecondClock& clock;
    EventPump& pump;
    ProgressSink& progress;
    StepTextSink& stepText;
    MessageSink& messages;
};

} // namespace skarvion
