#pragma once

// A transmitter whose every answer comes from the fuzz input, on a fake line
// with a fake millisecond clock, so whole device operations run in simulated
// time against arbitrary replies.

#include "link/link_interfaces.h"
#include "link/receive_capture.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace skarvion::fuzz {

// The input is a list of replies, one taken each time the device has a
// complete command (a line ending in CR, five equal command characters, or a
// whole configuration frame). A reply is a header byte, a length byte and that
// many bytes; length 255 is followed by a 16-bit little-endian length. The header's low seven
// bits times 16 ms delay the reply; its top bit puts the device's echo of the
// last frame before the reply's own bytes.
class FuzzDevice : public LinkPort,
                   public MillisecondClock,
                   public EventPump,
                   public ProgressSink,
                   public StepTextSink,
                   public MessageSink {
  public:
    explicit FuzzDevice(std::string_view replies);

    LinkEnvironment& environment() { return environment_; }
    int messagesShown() const { return messages_; }

    // LinkPort
    bool isOpen() const override { return open_; }
    bool open() override;
    void close() override { open_ = false; }
    std::string openFailure() const override { return {}; }
    bool sendByte(std::uint8_t byte) override;
    void StartCapture() override { capture_.StartCapture(); }
    void StopCapture() override { capture_.StopCapture(); }
    void ClearReceived() override { capture_.ClearReceived(); }
    std::string GetReceived() const override { return capture_.GetReceived(); }

    // Clock and pump
    std::uint32_t tickCount() const override { return now_; }
    void runEvents(int maxWaitMs) override;

    // Sinks: the bars must stay in range, a message must have a text.
    void setStepProgress(int position) override;
    void setOverallProgress(int position) override;
    void setStepText(LinkText) override {}
    void showMessage(MessageKind kind, LinkText text) override;
    bool confirm(LinkText) override { return true; }

  private:
    struct Reply {
        std::uint32_t dueTick;
        std::string bytes;
    };
    void deviceReceives(char byte);
    bool commandComplete() const;
    void answer();
    void deliverDue();

    std::string_view script_;
    std::uint32_t now_ = 0xFFFFF000u; // every wait crosses the wrap of the tick counter
    std::uint64_t elapsedMs_ = 0;
    long idlePumps_ = 0;
    bool open_ = true;
    int messages_ = 0;
    ReceiveCapture capture_;
    std::vector<Reply> replies_;
    std::string pending_;
    std::string frame_;
    std::string lastFrame_;
    std::size_t frameRemaining_ = 0;
    LinkEnvironment environment_{*this, *this, *this, *this, *this};
};

} // namespace skarvion::fuzz
