#include "link/cpu_block_protocol.h"

#include "link/link_texts.h"
#include "link/protocol_codec.h"

#include <algorithm>

namespace skarvion {

namespace {

constexpr std::uint32_t ProbeSettleMs = 50;
constexpr std::uint32_t ProbeListenMs = 500;
constexpr std::uint32_t CommandByteGapMs = 10;
constexpr std::uint32_t ReadListenMs = 3000;
constexpr std::uint32_t ReadBarFullMs = 2000;
constexpr std::uint32_t DumpAnswerMs = 100;
constexpr std::uint32_t WriteDumpAnswerMs = 200;
constexpr std::uint32_t FrameSettleMs = 600;
constexpr std::uint32_t OkPeriodMs = 1000;
constexpr int OkPeriods = 20;
constexpr std::uint32_t EchoListenMs = 1400;

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

bool endsWith(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

} // namespace

CpuBlockProtocol::CpuBlockProtocol(ByteSender& sender, CaptureBuffer& capture,
                                   LinkEnvironment& environment)
    : sender_(sender), capture_(capture), env_(environment) {}

// Runs onPass(elapsed) and lets events run until `ms` have passed since the
// start (unsigned tick difference). onPass returns whether it still has bytes
// to send this pass; such a pass does not sleep.
template <typename PassAction>
void CpuBlockProtocol::waitWhile(std::uint32_t ms, PassAction onPass, bool twoPumpsPerPass) {
    const std::uint32_t start = env_.clock.tickCount();
    for (;;) {
        const std::uint32_t elapsed = env_.clock.tickCount() - start;
        if (elapsed >= ms) return;
        const bool busy = onPass(elapsed);
        env_.pump.runEvents(busy ? 0 : static_cast<int>(std::min(ms - elapsed, PassMs)));
        if (twoPumpsPerPass) env_.pump.runEvents(0);
    }
}

void CpuBlockProtocol::wait(std::uint32_t ms) {
    waitWhile(ms, [](std::uint32_t) { return false; });
}

void CpuBlockProtocol::send(std::string_view bytes, std::uint32_t waitAfterEachMs) {
    for (char c : bytes) {
        sender_.sendByte(static_cast<std::uint8_t>(c));
        if (waitAfterEachMs > 0) wait(waitAfterEachMs);
    }
}

void CpuBlockProtocol::setStep(int position) {
    env_.progress.setStepProgress(std::clamp(position, 0, Range));
}

void CpuBlockProtocol::fail(MessageKind kind, std::string_view key) {
    env_.messages.showMessage(kind, LinkTextFor(key));
    setStep(Range);
}

ProbeResult CpuBlockProtocol::probe(std::string_view command) {
    capture_.ClearReceived();
    capture_.StartCapture();
    send(command);
    wait(ProbeSettleMs);
    env_.stepText.setStepText(LinkTextFor(LinkKey::TestConnect));
    waitWhile(ProbeListenMs, [&](std::uint32_t elapsed) {
        setStep(static_cast<int>(elapsed * Range / ProbeListenMs));
        return false;
    });
    const std::string reply = capture_.GetReceived();
    capture_.StopCapture();
    capture_.ClearReceived();
    if (reply.size() < 2) return ProbeResult::NoReply;
    return OkCheck(reply) ? ProbeResult::Ok : ProbeResult::OtherReply;
}

ReadDumpResult CpuBlockProtocol::readDump(LinkText stepLabel) {
    dataText_.clear();
    env_.stepText.setStepText(stepLabel);
    capture_.ClearReceived();
    capture_.StartCapture();
    env_.pump.runEvents(0);

    send(Wire::ReadCommand, CommandByteGapMs);
    waitWhile(
        ReadListenMs,
        [&](std::uint32_t elapsed) {
            setStep(static_cast<int>(elapsed * Range / ReadBarFullMs));
            return false;
        },
        true);
    const std::string reply = capture_.GetReceived();
    if (reply.size() <= Wire::EndMarker.size() || !endsWith(reply, Wire::EndMarker))
        return ReadDumpResult::NoData;

    dataText_ = reply.substr(0, reply.size() - Wire::EndMarker.size());
    dumpText_.clear();
    capture_.ClearReceived();
    send(Wire::DumpCommand, CommandByteGapMs);
    wait(DumpAnswerMs);
    const std::string dump = capture_.GetReceived();
    firmwareVersion_ = FirmwareVersionFromDump(dump);
    if (!startsWith(dump, Wire::DumpHeader)) return ReadDumpResult::WrongDumpHeader;
    dumpText_ = dump.substr(Wire::DumpHeader.size());
    return ReadDumpResult::Read;
}

WriteDataResult CpuBlockProtocol::writeData(const std::string& dataBlock) {
    constexpr int p20 = Range * 2 / 10, p10 = Range / 10, p70 = Range - p20 - p10;

    env_.stepText.setStepText(LinkTextFor(LinkKey::WriteData));
    setStep(0);
    capture_.StartCapture();
    dumpText_.clear();
    capture_.ClearReceived();

    send(Wire::DumpCommand);
    wait(WriteDumpAnswerMs);
    const std::string dump = capture_.GetReceived();
    if (!startsWith(dump, Wire::DumpHeader)) {
        setStep(Range);
        return WriteDataResult::WrongDumpHeader;
    }
    dumpText_ = dump.substr(Wire::DumpHeader.size());

    const std::string frame = ConfigurationFrame(dataBlock);
    for (std::size_t i = 0; i < frame.size(); ++i) {
        sender_.sendByte(static_cast<std::uint8_t>(frame[i]));
        setStep(static_cast<int>((i + 1) * p70 / frame.size()));
    }
    waitWhile(FrameSettleMs, [&](std::uint32_t elapsed) {
        setStep(static_cast<int>(p70 + elapsed * p10 / FrameSettleMs));
        return false;
    });
    for (int period = 0; period < OkPeriods; ++period) {
        wait(OkPeriodMs);
        if (OkCheck(capture_.GetReceived())) break;
    }

    capture_.ClearReceived();
    std::size_t echoSent = 0;
    waitWhile(EchoListenMs, [&](std::uint32_t elapsed) {
        if (echoSent < Wire::EchoCommand.size())
            sender_.sendByte(static_cast<std::uint8_t>(Wire::EchoCommand[echoSent++]));
        setStep(static_cast<int>(p70 + p10 + elapsed * p20 / EchoListenMs));
        return echoSent < Wire::EchoCommand.size();
    });
    if (capture_.GetReceived() != frame) return WriteDataResult::EchoMismatch;

    // Cleared before the commit rather than after it, so that an answer the
    // device gives while the commit is still being sent is not thrown away.
    capture_.ClearReceived();
    send(Wire::CommitCommand, CommandByteGapMs);
    return WriteDataResult::Written;
}

TransferOutcome CpuBlockProtocol::readOperation() {
    switch (probe(Wire::AtProbe)) {
    case ProbeResult::NoReply:
        fail(MessageKind::Information, LinkKey::DeviceNoLink);
        return TransferOutcome::Failure;
    case ProbeResult::OtherReply:
        fail(MessageKind::Error, LinkKey::DeviceSettingsError);
        return TransferOutcome::Failure;
    case ProbeResult::Ok:
        break;
    }
    switch (readDump(LinkTextFor(LinkKey::ReadData))) {
    case ReadDumpResult::NoData:
        env_.messages.showMessage(MessageKind::Information, LinkTextFor(LinkKey::ReadError));
        return TransferOutcome::Failure;
    case ReadDumpResult::WrongDumpHeader:
        env_.messages.showMessage(MessageKind::Information, LinkTextFor(LinkKey::DumpVersionError));
        return TransferOutcome::Failure;
    case ReadDumpResult::Read:
        break;
    }
    env_.stepText.setStepText(LinkTextFor(LinkKey::DataCheck));
    setStep(0);
    return TransferOutcome::Success;
}

TransferOutcome CpuBlockProtocol::writeOperation(std::string_view payload, std::string_view code,
                                                 std::string_view testEventCode) {
    if (!env_.messages.confirm(LinkTextFor(LinkKey::ConfirmWrite)))
        return TransferOutcome::Cancelled;

    probe(Wire::DumpProbe);
    probe(ObjCommand(testEventCode));
    if (probe(Wire::AtProbe) == ProbeResult::NoReply) {
        fail(MessageKind::Information, LinkKey::DeviceNoLink);
        return TransferOutcome::Failure;
    }
    setStep(Range);
    env_.pump.runEvents(0);

    dataText_ = DataBlock(code, payload);
    switch (writeData(dataText_)) {
    case WriteDataResult::EchoMismatch:
        fail(MessageKind::Error, LinkKey::WriteError);
        return TransferOutcome::Failure;
    case WriteDataResult::WrongDumpHeader:
        fail(MessageKind::Error, LinkKey::DumpVersionError);
        return TransferOutcome::Failure;
    case WriteDataResult::Written:
        break;
    }

    env_.stepText.setStepText(LinkTextFor(LinkKey::DataCheck));
    setStep(Range);
    env_.pump.runEvents(0);
    setStep(0);
    return completionWait() ? TransferOutcome::Success : TransferOutcome::Failure;
}

// Waits in 1 s periods, up to 20, for the device's OK after the commit.
bool CpuBlockProtocol::completionWait() {
    constexpr std::uint32_t total = OkPeriods * OkPeriodMs;
    for (std::uint32_t period = 0; period < OkPeriods; ++period) {
        waitWhile(OkPeriodMs, [&](std::uint32_t elapsed) {
            setStep(static_cast<int>((period * OkPeriodMs + elapsed) * Range / total));
            return false;
        });
        if (OkCheck(capture_.GetReceived())) {
            setStep(Range);
            return true;
        }
    }
    return false;
}

} // namespace skarvion
