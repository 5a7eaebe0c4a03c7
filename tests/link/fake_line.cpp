#include "fake_line.h"

#include "link/protocol_codec.h"

#include <gtest/gtest.h>

namespace skarvion::testing {

namespace {

bool endsWith(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() && text.substr(text.size() - suffix.size()) == suffix;
}

constexpr std::string_view Ok = "OK\r\n";

} // namespace

FakeLine::FakeLine(DeviceScript s) : script(std::move(s)) {}

std::string FakeLine::sentText() const {
    std::string text;
    for (const SentByte& s : sent)
        text += s.byte;
    return text;
}

std::vector<std::uint32_t> FakeLine::sendTimes(char c) const {
    std::vector<std::uint32_t> times;
    for (const SentByte& s : sent)
        if (s.byte == c) times.push_back(s.atMs);
    return times;
}

bool FakeLine::open() {
    ++openCalls;
    portOpen = opens;
    return opens;
}

void FakeLine::close() {
    ++closeCalls;
    portOpen = false;
}

std::string FakeLine::openFailure() const {
    return opens ? std::string{} : "Cannot open serial port fake: permission denied";
}

bool FakeLine::sendByte(std::uint8_t byte) {
    if (!portOpen) return false;
    sent.push_back({elapsedMs(), static_cast<char>(byte)});
    deviceReceives(static_cast<char>(byte));
    return true;
}

void FakeLine::runEvents(int maxWaitMs) {
    if (maxWaitMs > 0) {
        now_ += static_cast<std::uint32_t>(maxWaitMs);
        idlePumps_ = 0;
    } else if (++idlePumps_ > 100000) {
        ADD_FAILURE() << "the exchange spins without letting time pass";
        now_ += 1;
    }
    deliverDue();
}

void FakeLine::showMessage(MessageKind kind, LinkText text) {
    messages.push_back({kind, std::string(text.key), std::string(text.builtIn)});
}

bool FakeLine::confirm(LinkText question) {
    ++questions;
    EXPECT_EQ(question.key, "F2_MESSAGE_Q_W_D");
    return confirmAnswer;
}

void FakeLine::reply(std::string bytes, std::uint32_t delayMs) {
    if (script.silent) return;
    replies_.push_back({now_ + delayMs, std::move(bytes)});
}

void FakeLine::deliverDue() {
    while (!replies_.empty() && static_cast<std::int32_t>(now_ - replies_.front().dueTick) >= 0) {
        const std::string bytes = std::move(replies_.front().bytes);
        replies_.erase(replies_.begin());
        capture_.deliver(bytes.data(), bytes.size());
    }
}

void FakeLine::deviceReceives(char byte) {
    if (frameRemaining_ > 0) {
        frame_ += byte;
        if (--frameRemaining_ == 0) {
            lastFrame = frame_;
            if (script.okAfterFrame) reply(std::string(Ok), script.replyDelayMs);
        }
        return;
    }
    pending_ += byte;
    if (deviceCommand()) pending_.clear();
}

bool FakeLine::deviceCommand() {
    const std::string_view p = pending_;
    const std::uint32_t delay = script.replyDelayMs;
    if (p.size() >= 6 && p.substr(p.size() - 6, 3) == "OBJ" && p.back() == '\r') {
        reply(std::string(Ok), delay);
    } else if (endsWith(p, "AT\r")) {
        reply(script.atReply, delay);
    } else if (endsWith(p, "DUMP005\r")) {
        reply(std::string(Ok), delay);
    } else if (endsWith(p, "#####")) {
        reply(script.storedData + (script.endMarker ? "@@@@@" : ""), delay);
    } else if (endsWith(p, "%%%%%")) {
        reply(script.dumpAnswer, delay);
    } else if (endsWith(p, "+++++")) {
        frame_ = "+++++";
        frameRemaining_ = DataBlockSize + 5;
    } else if (endsWith(p, "*****")) {
        std::string echo = lastFrame;
        if (script.echo == DeviceScript::Echo::Corrupted) echo[echo.size() / 2] ^= 0x20;
        if (script.echo == DeviceScript::Echo::ExtraByteFirst) echo.insert(0, 1, '\n');
        reply(echo, delay);
    } else if (endsWith(p, "$$$$$")) {
        ++commits;
        // The device keeps the payload and trailer of the frame it committed.
        if (lastFrame.size() == DataBlockSize + 10)
            script.storedData =
                lastFrame.substr(5 + CodeDigestSize, PayloadSize + Wire::Trailer.size());
        if (script.okAfterCommit) reply(std::string(Ok), script.commitReplyDelayMs);
    } else {
        return false;
    }
    return true;
}

} // namespace skarvion::testing
