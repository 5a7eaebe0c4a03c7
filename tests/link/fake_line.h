#pragma once

// A scripted transmitter on a fake line with a fake millisecond clock: the
// exchange runs in simulated time, and every byte sent and every reply has an
// exact time.

#include "link/link_interfaces.h"
#include "link/receive_capture.h"

#include <cstdint>
#include <string>
#include <vector>

namespace skarvion::testing {

// What the scripted device does; every field has the well-behaved default.
struct DeviceScript {
    enum class Echo { Exact, Corrupted, ExtraByteFirst };

    bool silent = false;
    std::string atReply = "OK\r\n";
    std::string storedData = "stored configuration";
    bool endMarker = true;
    std::string dumpAnswer = "DUMP005 SK2050 v5.10";
    bool okAfterFrame = true;
    Echo echo = Echo::Exact;
    bool okAfterCommit = true;
    std::uint32_t replyDelayMs = 5;
    std::uint32_t commitReplyDelayMs = 300;
};

struct SentByte {
    std::uint32_t atMs; // since the start of the test
    char byte;
};

struct ShownMessage {
    MessageKind kind;
    std::string key;
    std::string text;
    bool operator==(const ShownMessage&) const = default;
};

class FakeLine : public LinkPort,
                 public MillisecondClock,
                 public EventPump,
                 public ProgressSink,
                 public StepTextSink,
                 public MessageSink {
  public:
    // The clock starts just before it wraps, so every wait crosses the wrap.
    static constexpr std::uint32_t StartTick = 0xFFFFF000u;

    explicit FakeLine(DeviceScript script = {});

    DeviceScript script;
    bool confirmAnswer = true;
    bool opens = true; // whether open() succeeds
    bool portOpen = true;
    int openCalls = 0;
    int closeCalls = 0;

    // What the exchange did.
    std::vector<SentByte> sent;
    std::vector<ShownMessage> messages;
    std::vector<std::string> stepKeys;
    std::vector<int> stepProgress;
    int questions = 0;
    std::string lastFrame; // the configuration frame as the device received it
    int commits = 0;

    std::uint32_t elapsedMs() const { return now_ - StartTick; }
    std::string sentText() const;
    // Times of the sent bytes equal to c.
    std::vector<std::uint32_t> sendTimes(char c) const;

    LinkEnvironment& environment() { return environment_; }

    // LinkPort
    bool isOpen() const override { return portOpen; }
    bool open() override;
    void close() override;
    std::string openFailure() const override;
    bool sendByte(std::uint8_t byte) override;
    void StartCapture() override { capture_.StartCapture(); }
    void StopCapture() override { capture_.StopCapture(); }
    void ClearReceived() override { capture_.ClearReceived(); }
    std::string GetReceived() const override { return capture_.GetReceived(); }

    // Clock and pump
    std::uint32_t tickCount() const override { return now_; }
    void runEvents(int maxWaitMs) override;

    // Sinks
    void setStepProgress(int position) override { stepProgress.push_back(position); }
    void setOverallProgress(int) override {}
    void setStepText(LinkText text) override { stepKeys.emplace_back(text.key); }
    void showMessage(MessageKind kind, LinkText text) override;
    bool confirm(LinkText question) override;

  private:
    struct Reply {
        std::uint32_t dueTick;
        std::string bytes;
    };
    void deviceReceives(char byte);
    bool deviceCommand();
    void reply(std::string bytes, std::uint32_t delayMs);
    void deliverDue();

    std::uint32_t now_ = StartTick;
    ReceiveCapture capture_;
    std::vector<Reply> replies_;
    std::string pending_;
    std::string frame_;
    std::size_t frameRemaining_ = 0;
    int idlePumps_ = 0;
    LinkEnvironment environment_{*this, *this, *this, *this, *this};
};

} // namespace skarvion::testing
