#include "sim/simulated_transmitter.h"

#include "link/device_operations.h"
#include "link/protocol_codec.h"
#include "model/device_image.h"
#include "model/model_operations.h"

#include <gtest/gtest.h>

using namespace skarvion;
using namespace skarvion::sim;

namespace {

std::string answered(SimulatedTransmitter& device, std::string_view bytes) {
    std::string all;
    for (const Answer& a : device.receive(bytes))
        all += a.bytes;
    return all;
}

std::string frameFor(std::string_view code, char fill = 'p') {
    return ConfigurationFrame(DataBlock(code, std::string(PayloadSize, fill)));
}

} // namespace

TEST(SimulatedTransmitter, AnswersProbesReadAndDumpHeader) {
    SimulatedTransmitter device({}, "stored");
    EXPECT_EQ(answered(device, "AT\r"), "OK\r\n");
    EXPECT_EQ(answered(device, "DUMP005\r"), "OK\r\n");
    EXPECT_EQ(answered(device, std::string("OBJ\x12\xEF\r")), "OK\r\n");
    EXPECT_EQ(device.account(), "\x12\xEF");
    EXPECT_EQ(answered(device, "#####"), "stored@@@@@");
    EXPECT_EQ(answered(device, "%%%%%"), "DUMP005 SK2050 v5.10");
    EXPECT_EQ(answered(device, "noise"), "");
}

TEST(SimulatedTransmitter, CommandsMayArriveByteByByte) {
    SimulatedTransmitter device({}, "x");
    std::string all;
    for (char c : std::string_view("#####"))
        all += answered(device, std::string_view(&c, 1));
    EXPECT_EQ(all, "x@@@@@");
}

TEST(SimulatedTransmitter, EchoesAndCommitsAFrameWithTheWorkCodeDigest) {
    SimulatedTransmitter device({}, "old");
    const std::string frame = frameFor("8461");
    EXPECT_EQ(answered(device, frame), "OK\r\n");
    EXPECT_EQ(answered(device, "*****"), frame);
    EXPECT_EQ(device.storedData(), "old") << "nothing changes before the commit";
    EXPECT_EQ(answered(device, "$$$$$"), "OK\r\n");
    EXPECT_EQ(device.commits(), 1);
    EXPECT_EQ(device.storedData(), std::string(PayloadSize, 'p') + std::string(Wire::Trailer));
    EXPECT_EQ(answered(device, "#####"), device.storedData() + "@@@@@");
}

TEST(SimulatedTransmitter, RefusesTheCommitOfAnotherCode) {
    SimulatedTransmitter device({}, "old");
    answered(device, frameFor("1234"));
    EXPECT_EQ(answered(device, "$$$$$"), "ERROR\r\n");
    EXPECT_EQ(device.storedData(), "old");
    EXPECT_EQ(answered(device, "$$$$$"), "ERROR\r\n") << "no frame: nothing to commit";

    TransmitterOptions other;
    other.workCode = "1234";
    SimulatedTransmitter own(other, "old");
    answered(own, frameFor("1234"));
    EXPECT_EQ(answered(own, "$$$$$"), "OK\r\n");
}

TEST(SimulatedTransmitter, FaultOptions) {
    TransmitterOptions silent;
    silent.silent = true;
    SimulatedTransmitter quiet(silent, "data");
    EXPECT_EQ(answered(quiet, "AT\r#####%%%%%"), "");

    TransmitterOptions header;
    header.dumpHeader = "DUMP004";
    SimulatedTransmitter old(header, "data");
    EXPECT_EQ(answered(old, "%%%%%"), "DUMP004 SK2050 v5.10");

    TransmitterOptions corrupt;
    corrupt.corruptEcho = true;
    SimulatedTransmitter noisy(corrupt, "data");
    const std::string frame = frameFor("8461");
    answered(noisy, frame);
    const std::string echo = answered(noisy, "*****");
    EXPECT_EQ(echo.size(), frame.size());
    EXPECT_NE(echo, frame);
}

TEST(SimulatedTransmitter, ADroppedLineForgetsAHalfFrame) {
    SimulatedTransmitter device({}, "old");
    const std::string frame = frameFor("8461");
    answered(device, frame.substr(0, 100));
    device.lineDropped();
    EXPECT_EQ(answered(device, "AT\r"), "OK\r\n") << "commands are recognised again";
    EXPECT_EQ(answered(device, "$$$$$"), "ERROR\r\n");
}

TEST(SimulatedTransmitter, FactoryDataIsTheResetConfiguration) {
    const std::string data = SimulatedTransmitter::FactoryData();
    EXPECT_EQ(data, BuildPayload(EncodeImage(StartupModel())) + std::string(Wire::Trailer));
}
