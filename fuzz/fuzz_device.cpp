#include "fuzz_device.h"

#include "fuzz_support.h"
#include "link/cpu_block_protocol.h"
#include "link/protocol_codec.h"

#include <algorithm>

namespace skarvion::fuzz {

namespace {

constexpr std::uint32_t DelayUnitMs = 16;
constexpr long MaxIdlePumps = 1'000'000;
constexpr std::uint64_t MaxOperationMs = 10ull * 60 * 1000; // far beyond any exchange

bool fiveAlike(std::string_view text) {
    if (text.size() < 5) return false;
    const char c = text.back();
    if (std::string_view("#%+*$").find(c) == std::string_view::npos) return false;
    return std::all_of(text.end() - 5, text.end(), [c](char x) { return x == c; });
}

} // namespace

FuzzDevice::FuzzDevice(std::string_view replies) : script_(replies) {}

bool FuzzDevice::open() {
    open_ = true;
    return true;
}

bool FuzzDevice::sendByte(std::uint8_t byte) {
    if (!open_) return false;
    deviceReceives(static_cast<char>(byte));
    return true;
}

void FuzzDevice::runEvents(int maxWaitMs) {
    Require(maxWaitMs >= 0, "a negative wait");
    if (maxWaitMs > 0) {
        now_ += static_cast<std::uint32_t>(maxWaitMs);
        elapsedMs_ += static_cast<std::uint32_t>(maxWaitMs);
        idlePumps_ = 0;
    } else {
        Require(++idlePumps_ < MaxIdlePumps, "the exchange spins without letting time pass");
    }
    Require(elapsedMs_ < MaxOperationMs, "the exchange never ends");
    deliverDue();
}

void FuzzDevice::setStepProgress(int position) {
    Require(position >= 0 && position <= CpuBlockProtocol::Range, "step bar out of range");
}

void FuzzDevice::setOverallProgress(int position) {
    Require(position >= 0 && position <= CpuBlockProtocol::Range, "overall bar out of range");
}

void FuzzDevice::showMessage(MessageKind, LinkText text) {
    Require(!text.key.empty() || !text.builtIn.empty(), "a message without a text");
    ++messages_;
}

void FuzzDevice::deviceReceives(char byte) {
    if (frameRemaining_ > 0) {
        frame_ += byte;
        if (--frameRemaining_ == 0) {
            lastFrame_ = frame_;
            answer();
        }
        return;
    }
    pending_ += byte;
    if (pending_.size() > 64) pending_.erase(0, pending_.size() - 64);
    if (!commandComplete()) return;
    if (std::string_view(pending_).ends_with(Wire::FrameStart)) {
        frame_ = std::string(Wire::FrameStart);
        frameRemaining_ = DataBlockSize + Wire::EndMarker.size();
    } else {
        answer();
    }
    pending_.clear();
}

bool FuzzDevice::commandComplete() const {
    return pending_.back() == '\r' || fiveAlike(pending_);
}

void FuzzDevice::answer() {
    if (script_.size() < 2) return;
    const auto header = static_cast<std::uint8_t>(script_[0]);
    std::size_t length = static_cast<std::uint8_t>(script_[1]);
    script_.remove_prefix(2);
    if (length == 255 && script_.size() >= 2) {
        length = static_cast<std::uint8_t>(script_[0]) | static_cast<std::uint8_t>(script_[1]) << 8;
        script_.remove_prefix(2);
    }
    const std::size_t take = std::min(length, script_.size());
    std::string bytes = (header & 0x80) ? lastFrame_ : std::string();
    bytes.append(script_.substr(0, take));
    script_.remove_prefix(take);
    replies_.push_back({now_ + (header & 0x7Fu) * DelayUnitMs, std::move(bytes)});
}

void FuzzDevice::deliverDue() {
    // Replies are due in any order; each one arrives once its time has come.
    for (auto it = replies_.begin(); it != replies_.end();) {
        if (static_cast<std::int32_t>(now_ - it->dueTick) >= 0) {
            const std::string bytes = std::move(it->bytes);
            it = replies_.erase(it);
            capture_.deliver(bytes.data(), bytes.size());
        } else {
            ++it;
        }
    }
}

} // namespace skarvion::fuzz
