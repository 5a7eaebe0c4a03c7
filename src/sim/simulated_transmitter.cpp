#include "sim/simulated_transmitter.h"

#include "link/device_operations.h"
#include "link/protocol_codec.h"
#include "model/device_image.h"
#include "model/model_operations.h"

#include <cstdio>

namespace skarvion::sim {

namespace {

constexpr std::string_view Ok = "OK\r\n";
constexpr std::string_view Refused = "ERROR\r\n";
constexpr std::size_t KeptCommandBytes = 16;

// How long the CPU block takes before it answers.
constexpr int ProbeDelayMs = 20;
constexpr int DataDelayMs = 20;
constexpr int FrameCheckDelayMs = 100;
constexpr int CommitDelayMs = 300; // writing the configuration memory

bool endsWith(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

std::string hex(std::string_view bytes) {
    std::string out;
    char two[4];
    for (unsigned char c : bytes) {
        std::snprintf(two, sizeof two, "%02X", c);
        out += two;
    }
    return out;
}

} // namespace

SimulatedTransmitter::SimulatedTransmitter(TransmitterOptions options, std::string storedData)
    : options_(std::move(options)), stored_(std::move(storedData)) {}

std::string SimulatedTransmitter::FactoryData() {
    return BuildPayload(EncodeImage(StartupModel())) + std::string(Wire::Trailer);
}

std::vector<std::string> SimulatedTransmitter::takeLog() {
    std::vector<std::string> lines;
    lines.swap(log_);
    return lines;
}

void SimulatedTransmitter::answer(std::vector<Answer>& answers, std::string bytes, int delayMs) {
    if (options_.silent) return;
    answers.push_back({std::move(bytes), delayMs});
}

std::vector<Answer> SimulatedTransmitter::receive(std::string_view bytes) {
    std::vector<Answer> answers;
    for (char byte : bytes)
        onByte(byte, answers);
    return answers;
}

void SimulatedTransmitter::lineDropped() {
    pending_.clear();
    if (frameRemaining_ > 0) {
        frame_.clear();
        frameRemaining_ = 0;
        frameValid_ = false;
    }
}

void SimulatedTransmitter::onByte(char byte, std::vector<Answer>& answers) {
    if (frameRemaining_ > 0) {
        frame_ += byte;
        if (--frameRemaining_ == 0) onFrameComplete(answers);
        return;
    }
    pending_ += byte;
    if (onCommand(answers)) {
        pending_.clear();
    } else if (pending_.size() > KeptCommandBytes) {
        pending_.erase(0, pending_.size() - KeptCommandBytes);
    }
}

// Recognises a command at the end of the bytes received so far.
bool SimulatedTransmitter::onCommand(std::vector<Answer>& answers) {
    const std::string_view p = pending_;
    if (p.size() >= 6 && p.substr(p.size() - 6, 3) == Wire::ObjPrefix && p.back() == '\r') {
        account_ = std::string(p.substr(p.size() - 3, 2));
        log_.push_back("account bytes " + hex(account_));
        answer(answers, std::string(Ok), ProbeDelayMs);
    } else if (endsWith(p, Wire::AtProbe) || endsWith(p, Wire::DumpProbe)) {
        log_.push_back(endsWith(p, Wire::AtProbe) ? "probe AT" : "probe DUMP005");
        answer(answers, std::string(Ok), ProbeDelayMs);
    } else if (endsWith(p, Wire::ReadCommand)) {
        log_.push_back("read: sending " + std::to_string(stored_.size()) + " bytes");
        answer(answers, stored_ + std::string(Wire::EndMarker), DataDelayMs);
    } else if (endsWith(p, Wire::DumpCommand)) {
        log_.push_back("dump header " + options_.dumpHeader);
        answer(answers, options_.dumpHeader + options_.identification, ProbeDelayMs);
    } else if (endsWith(p, Wire::FrameStart)) {
        frame_ = std::string(Wire::FrameStart);
        frameRemaining_ = DataBlockSize + Wire::EndMarker.size();
        frameValid_ = false;
    } else if (endsWith(p, Wire::EchoCommand)) {
        std::string echo = frame_;
        if (options_.corruptEcho && !echo.empty()) echo[echo.size() / 2] ^= 0x01;
        log_.push_back("echo of " + std::to_string(echo.size()) + " bytes" +
                       (options_.corruptEcho ? " (corrupted)" : ""));
        answer(answers, std::move(echo), DataDelayMs);
    } else if (endsWith(p, Wire::CommitCommand)) {
        onCommit(answers);
    } else {
        return false;
    }
    return true;
}

void SimulatedTransmitter::onFrameComplete(std::vector<Answer>& answers) {
    frameValid_ = endsWith(frame_, Wire::EndMarker);
    log_.push_back("frame of " + std::to_string(frame_.size()) + " bytes" +
                   (frameValid_ ? "" : " without its end marker"));
    if (frameValid_) answer(answers, std::string(Ok), FrameCheckDelayMs);
}

void SimulatedTransmitter::onCommit(std::vector<Answer>& answers) {
    const std::string_view block =
        frameValid_ ? std::string_view(frame_).substr(Wire::FrameStart.size(), DataBlockSize)
                    : std::string_view{};
    const CodeDigestBytes expected = CodeDigest(options_.workCode);
    const bool authorised =
        frameValid_ &&
        block.substr(0, CodeDigestSize) ==
            std::string_view(reinterpret_cast<const char*>(expected.data()), expected.size());
    if (!authorised) {
        log_.push_back(frameValid_ ? "commit refused: the code digest is not the work code's"
                                   : "commit refused: no frame");
        answer(answers, std::string(Refused), CommitDelayMs);
        return;
    }
    stored_ = std::string(block.substr(CodeDigestSize));
    frame_.clear();
    frameValid_ = false;
    ++commits_;
    log_.push_back("committed " + std::to_string(stored_.size()) + " bytes");
    answer(answers, std::string(Ok), CommitDelayMs);
}

} // namespace skarvion::sim
