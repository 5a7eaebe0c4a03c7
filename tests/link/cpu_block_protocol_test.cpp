#include "link/cpu_block_protocol.h"

#include "fake_line.h"
#include "link/protocol_codec.h"
#include "link/transfer_session.h"
#include "model_fixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using namespace skarvion;
using namespace skarvion::testing;

namespace {

const std::string Payload = [] {
    std::string p(PayloadSize, '\0');
    // Zero bytes and letters; no marker characters, so send times are easy to pick out.
    for (std::size_t i = 0; i < p.size(); ++i)
        p[i] = i % 3 == 0 ? '\0' : static_cast<char>('a' + i % 26);
    return p;
}();

TransferOutcome runRead(FakeLine& line) {
    CpuBlockProtocol protocol(line, line, line.environment());
    return RunTransfer(protocol, {TransferMode::Read, {}, {}, {}}, line.environment());
}

TransferOutcome runWrite(FakeLine& line) {
    CpuBlockProtocol protocol(line, line, line.environment());
    return RunTransfer(protocol, {TransferMode::Write, Payload, "8461", "12*#60200000"},
                       line.environment());
}

std::vector<std::uint32_t> expectedTimes(std::uint32_t first, std::uint32_t step, int count) {
    std::vector<std::uint32_t> times;
    for (int i = 0; i < count; ++i)
        times.push_back(first + step * static_cast<std::uint32_t>(i));
    return times;
}

bool barsInRange(const FakeLine& line) {
    return std::all_of(line.stepProgress.begin(), line.stepProgress.end(),
                       [](int p) { return p >= 0 && p <= CpuBlockProtocol::Range; });
}

} // namespace

TEST(Probe, ResultFromTheAnswer) {
    const struct {
        const char* answer;
        bool silent;
        ProbeResult result;
    } cases[] = {
        {"OK\r\n", false, ProbeResult::Ok},
        {"ok", false, ProbeResult::Ok},
        {"XOK", false, ProbeResult::Ok},
        {"NO", false, ProbeResult::OtherReply},
        {"ERROR\r\n", false, ProbeResult::OtherReply},
        {"K", false, ProbeResult::NoReply},
        {"", true, ProbeResult::NoReply},
    };
    for (const auto& c : cases) {
        DeviceScript script;
        script.atReply = c.answer;
        script.silent = c.silent;
        FakeLine line(script);
        CpuBlockProtocol protocol(line, line, line.environment());
        EXPECT_EQ(protocol.probe("AT\r"), c.result) << c.answer;
        EXPECT_EQ(line.elapsedMs(), 550u);
        EXPECT_EQ(line.GetReceived(), "") << "a probe leaves the buffer empty";
        EXPECT_EQ(line.stepKeys, std::vector<std::string>{"F2_TEST_CONNECT"});
    }
}

TEST(Probe, AnswerAfterTheListeningTimeIsNotCaptured) {
    DeviceScript script;
    script.replyDelayMs = 600;
    FakeLine line(script);
    CpuBlockProtocol protocol(line, line, line.environment());
    EXPECT_EQ(protocol.probe("AT\r"), ProbeResult::NoReply);
    line.runEvents(100);
    EXPECT_EQ(line.GetReceived(), "") << "capture is off after a probe";
}

TEST(ReadOperation, TimedExchangeAndResults) {
    FakeLine line;
    CpuBlockProtocol protocol(line, line, line.environment());
    const TransferOutcome outcome =
        RunTransfer(protocol, {TransferMode::Read, {}, {}, {}}, line.environment());

    EXPECT_EQ(outcome, TransferOutcome::Success);
    EXPECT_EQ(line.sentText(), "AT\r#####%%%%%");
    EXPECT_EQ(line.sendTimes('A'), std::vector<std::uint32_t>{0});
    EXPECT_EQ(line.sendTimes('#'), expectedTimes(550, 10, 5));
    EXPECT_EQ(line.sendTimes('%'), expectedTimes(3600, 10, 5));
    EXPECT_EQ(line.elapsedMs(), 3750u);

    EXPECT_EQ(protocol.dataText(), "stored configuration");
    EXPECT_EQ(protocol.dumpText(), " SK2050 v5.10");
    EXPECT_EQ(protocol.firmwareVersion(), "SK2050 v5.10");
    EXPECT_EQ(line.messages, (std::vector<ShownMessage>{{MessageKind::Plain, "F2_READ_OK",
                                                         cp1251("Чтение - завершено")}}));
    EXPECT_EQ(line.stepKeys, (std::vector<std::string>{"F2_PR_DATA_READ", "F2_TEST_CONNECT",
                                                       "F2_L_READ_DATA", "F2_DATA_CHECK"}));
    EXPECT_TRUE(barsInRange(line));
    EXPECT_NE(std::find(line.stepProgress.begin(), line.stepProgress.end(), 1000),
              line.stepProgress.end())
        << "the read bar is full from 2000 ms on";
    EXPECT_EQ(line.stepProgress.back(), 0);
}

TEST(ReadOperation, DataMayHoldZeroBytesAndOnlyTheLastMarkerEndsIt) {
    DeviceScript script;
    script.storedData = std::string("a\0b@@@@@c", 9);
    FakeLine line(script);
    CpuBlockProtocol protocol(line, line, line.environment());
    EXPECT_EQ(protocol.readOperation(), TransferOutcome::Success);
    EXPECT_EQ(protocol.dataText(), script.storedData);
}

TEST(ReadOperation, OneByteBeforeTheMarkerIsData) {
    DeviceScript script;
    script.storedData = "x";
    FakeLine line(script);
    CpuBlockProtocol protocol(line, line, line.environment());
    EXPECT_EQ(protocol.readOperation(), TransferOutcome::Success);
    EXPECT_EQ(protocol.dataText(), "x");
}

TEST(ReadOperation, WrongDumpHeaderStillTakesTheFirmwareVersion) {
    DeviceScript script;
    script.dumpAnswer = "DUMP004 SK2040 v1.00";
    FakeLine line(script);
    CpuBlockProtocol protocol(line, line, line.environment());
    EXPECT_EQ(protocol.readOperation(), TransferOutcome::Failure);
    EXPECT_EQ(protocol.firmwareVersion(), "SK2040 v1.00");
    EXPECT_EQ(protocol.dumpText(), "");
}

TEST(WriteOperation, TimedExchangeAndFrame) {
    FakeLine line;
    const TransferOutcome outcome = runWrite(line);

    EXPECT_EQ(outcome, TransferOutcome::Success);
    const std::string frame = ConfigurationFrame(DataBlock("8461", Payload));
    EXPECT_EQ(line.lastFrame, frame);
    EXPECT_EQ(line.sentText(), std::string("DUMP005\r") + "OBJ\x12\xEF\r" + "AT\r" + "%%%%%" +
                                   frame + "*****" + "$$$$$");
    // Probes at 0, 550 and 1100; "%%%%%" at once, the frame 200 ms later; the
    // device's OK ends the first 1 s wait after the 600 ms pause; the echo
    // request at once, the commit 1400 ms later; the device's OK is seen at the
    // end of the first 1 s completion period.
    EXPECT_EQ(line.sendTimes('D').front(), 0u);
    EXPECT_EQ(line.sendTimes('O').front(), 550u);
    EXPECT_EQ(line.sendTimes('A').back(), 1100u);
    EXPECT_EQ(line.sendTimes('%'), std::vector<std::uint32_t>(5, 1650));
    EXPECT_EQ(line.sendTimes('+').front(), 1850u);
    EXPECT_EQ(line.sendTimes('*'), std::vector<std::uint32_t>(5, 3450));
    std::vector<std::uint32_t> commitTimes; // the code digest may hold a "$" too
    for (auto it = line.sent.end() - 5; it != line.sent.end(); ++it)
        commitTimes.push_back(it->atMs);
    EXPECT_EQ(commitTimes, expectedTimes(4850, 10, 5));
    EXPECT_EQ(line.elapsedMs(), 5900u);
    EXPECT_EQ(line.commits, 1);

    EXPECT_EQ(line.messages, (std::vector<ShownMessage>{{MessageKind::Plain, "F2_WRITE_OK",
                                                         cp1251("Запись - завершено")}}));
    EXPECT_EQ(line.stepKeys,
              (std::vector<std::string>{"F2_PREP_DATA_WRITE", "F2_TEST_CONNECT", "F2_TEST_CONNECT",
                                        "F2_TEST_CONNECT", "F2_L_WRITE_DATA", "F2_DATA_CHECK"}));
    EXPECT_TRUE(barsInRange(line));
    EXPECT_EQ(line.stepProgress.back(), 1000);
}

TEST(WriteOperation, KeepsTheDataBlockAndDumpText) {
    FakeLine line;
    CpuBlockProtocol protocol(line, line, line.environment());
    EXPECT_EQ(protocol.writeOperation(Payload, "8461", "1111"), TransferOutcome::Success);
    EXPECT_EQ(protocol.dataText(), DataBlock("8461", Payload));
    EXPECT_EQ(protocol.dumpText(), " SK2050 v5.10");
    EXPECT_EQ(line.sentText().substr(8, 6), std::string("OBJ\x11\x11\r", 6));
}

// Every way an operation can end, with what the user is told and how long it takes.
TEST(TransferOperations, OutcomesMessagesAndDurations) {
    using Kind = MessageKind;
    struct Case {
        const char* name;
        TransferMode mode;
        std::function<void(FakeLine&)> setUp;
        TransferOutcome outcome;
        std::vector<std::pair<Kind, std::string>> messages;
        std::uint32_t durationMs;
        int commits;
    };
    const std::vector<Case> cases = {
        {"read: no answer to AT",
         TransferMode::Read,
         [](FakeLine& l) { l.script.silent = true; },
         TransferOutcome::Failure,
         {{Kind::Information, "F2_DEVICE_N_LINK"}, {Kind::Plain, "F2_ERR_READ"}},
         550,
         0},
        {"read: AT answered without OK",
         TransferMode::Read,
         [](FakeLine& l) { l.script.atReply = "ERROR\r\n"; },
         TransferOutcome::Failure,
         {{Kind::Error, "F2_DEVICE_SET_ERR"}, {Kind::Plain, "F2_ERR_READ"}},
         550,
         0},
        {"read: no end marker",
         TransferMode::Read,
         [](FakeLine& l) { l.script.endMarker = false; },
         TransferOutcome::Failure,
         {{Kind::Information, "F2_ERR_READ"}, {Kind::Plain, "F2_ERR_READ"}},
         3600,
         0},
        {"read: only the end marker",
         TransferMode::Read,
         [](FakeLine& l) { l.script.storedData.clear(); },
         TransferOutcome::Failure,
         {{Kind::Information, "F2_ERR_READ"}, {Kind::Plain, "F2_ERR_READ"}},
         3600,
         0},
        {"read: wrong dump header",
         TransferMode::Read,
         [](FakeLine& l) { l.script.dumpAnswer = "DUMP004 x"; },
         TransferOutcome::Failure,
         {{Kind::Information, "F2_DAMP_VER_ERR"}, {Kind::Plain, "F2_ERR_READ"}},
         3750,
         0},
        {"write: declined",
         TransferMode::Write,
         [](FakeLine& l) { l.confirmAnswer = false; },
         TransferOutcome::Cancelled,
         {},
         0,
         0},
        {"write: no answer to AT",
         TransferMode::Write,
         [](FakeLine& l) { l.script.silent = true; },
         TransferOutcome::Failure,
         {{Kind::Information, "F2_DEVICE_N_LINK"}, {Kind::Plain, "F2_WRITE_ERR"}},
         1650,
         0},
        {"write: AT answered without OK goes on",
         TransferMode::Write,
         [](FakeLine& l) { l.script.atReply = "ERROR\r\n"; },
         TransferOutcome::Success,
         {{Kind::Plain, "F2_WRITE_OK"}},
         5900,
         1},
        {"write: wrong dump header",
         TransferMode::Write,
         [](FakeLine& l) { l.script.dumpAnswer = "DUMP004 x"; },
         TransferOutcome::Failure,
         {{Kind::Error, "F2_DAMP_VER_ERR"}, {Kind::Plain, "F2_WRITE_ERR"}},
         1850,
         0},
        {"write: echo differs",
         TransferMode::Write,
         [](FakeLine& l) { l.script.echo = DeviceScript::Echo::Corrupted; },
         TransferOutcome::Failure,
         {{Kind::Error, "F2_WRITE_ERR"}, {Kind::Plain, "F2_WRITE_ERR"}},
         4850,
         0},
        {"write: one byte before the echo",
         TransferMode::Write,
         [](FakeLine& l) { l.script.echo = DeviceScript::Echo::ExtraByteFirst; },
         TransferOutcome::Failure,
         {{Kind::Error, "F2_WRITE_ERR"}, {Kind::Plain, "F2_WRITE_ERR"}},
         4850,
         0},
        {"write: no OK after the commit",
         TransferMode::Write,
         [](FakeLine& l) { l.script.okAfterCommit = false; },
         TransferOutcome::Failure,
         {{Kind::Plain, "F2_WRITE_ERR"}},
         4900 + 20000,
         1},
        {"write: no OK after the frame waits 20 s",
         TransferMode::Write,
         [](FakeLine& l) { l.script.okAfterFrame = false; },
         TransferOutcome::Success,
         {{Kind::Plain, "F2_WRITE_OK"}},
         5900 + 19000,
         1},
        {"write: an OK in the dump answer ends the frame wait",
         TransferMode::Write,
         [](FakeLine& l) {
             l.script.okAfterFrame = false;
             l.script.dumpAnswer = "DUMP005 OK 2050";
         },
         TransferOutcome::Success,
         {{Kind::Plain, "F2_WRITE_OK"}},
         5900,
         1},
        {"write: OK while the commit is still being sent",
         TransferMode::Write,
         [](FakeLine& l) { l.script.commitReplyDelayMs = 1; },
         TransferOutcome::Success,
         {{Kind::Plain, "F2_WRITE_OK"}},
         5900,
         1},
    };
    for (const Case& c : cases) {
        FakeLine line;
        c.setUp(line);
        const TransferOutcome outcome =
            c.mode == TransferMode::Read ? runRead(line) : runWrite(line);
        EXPECT_EQ(outcome, c.outcome) << c.name;
        std::vector<std::pair<MessageKind, std::string>> shown;
        for (const ShownMessage& m : line.messages)
            shown.emplace_back(m.kind, m.key);
        EXPECT_EQ(shown, c.messages) << c.name;
        EXPECT_EQ(line.elapsedMs(), c.durationMs) << c.name;
        EXPECT_EQ(line.commits, c.commits) << c.name;
        EXPECT_TRUE(barsInRange(line)) << c.name;
        if (c.outcome == TransferOutcome::Cancelled) {
            EXPECT_TRUE(line.sent.empty()) << c.name;
        }
    }
}

TEST(TransferOperations, MessagesCarryTheirBuiltInTexts) {
    FakeLine line;
    line.script.silent = true;
    runRead(line);
    ASSERT_EQ(line.messages.size(), 2u);
    EXPECT_EQ(line.messages[0].text, cp1251("Устройство не отвечает"));
    EXPECT_EQ(line.messages[1].text, cp1251("Чтение - ошибка "));
}
