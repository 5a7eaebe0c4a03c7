#pragma once

// The exchange with the device's CPU block: probes, reading the stored data,
// writing a configuration frame with its echo check and commit, with the
// fixed waits, the step bar and the messages of each failure.

#include "link/link_interfaces.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace skarvion {

enum class ProbeResult : std::uint8_t { NoReply = 0, Ok = 2, OtherReply = 4 };
enum class ReadDumpResult : std::uint8_t { NoData = 0, Read = 1, WrongDumpHeader = 3 };
enum class WriteDataResult : std::uint8_t { Written = 0, EchoMismatch = 1, WrongDumpHeader = 3 };
enum class TransferOutcome : std::uint8_t { Success = 0, Failure = 1, Cancelled = 2 };

class CpuBlockProtocol {
  public:
    static constexpr int Range = 1000; // both bars run 0..Range
    // Longest sleep of one pass of a wait, so the step bar keeps moving.
    static constexpr std::uint32_t PassMs = 25;

    CpuBlockProtocol(ByteSender& sender, CaptureBuffer& capture, LinkEnvironment& environment);

    // The exchange steps.
    ProbeResult probe(std::string_view command);
    ReadDumpResult readDump(LinkText stepLabel);
    WriteDataResult writeData(const std::string& dataBlock);

    // The two operations, with their messages.
    TransferOutcome readOperation();
    TransferOutcome writeOperation(std::string_view payload, std::string_view code,
                                   std::string_view testEventCode);

    // Read: the received data. Write: the data block that was framed.
    const std::string& dataText() const { return dataText_; }
    // The answer to "%%%%%" without its leading "DUMP005".
    const std::string& dumpText() const { return dumpText_; }
    // Characters 9..20 of the last "%%%%%" answer a read took, if it took one.
    const std::optional<std::string>& firmwareVersion() const { return firmwareVersion_; }

  private:
    template <typename PassAction>
    void waitWhile(std::uint32_t ms, PassAction onPass, bool twoPumpsPerPass = false);
    void wait(std::uint32_t ms);
    void send(std::string_view bytes, std::uint32_t waitAfterEachMs = 0);
    void setStep(int position);
    void fail(MessageKind kind, std::string_view key);
    bool completionWait();

    ByteSender& sender_;
    CaptureBuffer& capture_;
    LinkEnvironment& env_;
    std::string dataText_;
    std::string dumpText_;
    std::optional<std::string> firmwareVersion_;
};

} // namespace skarvion
