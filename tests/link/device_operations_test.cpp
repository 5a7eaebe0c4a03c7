#include "link/device_operations.h"

#include "fake_line.h"
#include "link/protocol_codec.h"
#include "model/model_operations.h"
#include "model_fixtures.h"

#include <gtest/gtest.h>

#include <random>

using namespace skarvion;
using namespace skarvion::testing;

namespace {

std::string bytes(const DeviceImage& image, std::size_t from, std::size_t to) {
    return std::string(reinterpret_cast<const char*>(image.data()) + from, to - from);
}

// What a device returns after a write of `image`: the payload and the trailer.
std::string deviceData(const DeviceImage& image) {
    return BuildPayload(image) + std::string(Wire::Trailer);
}

} // namespace

TEST(BuildPayload, ImageBytesAroundTheAccessCodePlace) {
    std::mt19937 random(5);
    const DeviceImage image = RandomImage(random);
    const std::string payload = BuildPayload(image);

    ASSERT_EQ(payload.size(), 888u);
    EXPECT_EQ(payload.substr(0, 492), bytes(image, 0, 492));
    EXPECT_EQ(payload.substr(492, 20), std::string("8461\0"
                                                   "8642\0\0\0\0\0\0?????",
                                                   20));
    EXPECT_EQ(payload.substr(512, 373), bytes(image, 512, 885));
    EXPECT_EQ(payload.substr(885), ">>>");
}

TEST(ImageTextFromRead, CutsBeforeThePayloadEnd) {
    const std::string pre = std::string(492, 'a') + "8461";
    const struct {
        const char* name;
        std::string data;
        std::string text;
    } cases[] = {
        {"neither marker", "abc", ""},
        {"\"?????\" only", "ab?????cd", "ab"},
        {"\">>> T\" only: up to and including its first character", "abc>>> Tx", "abc>"},
        {"both in order", "ab?????cd>>> Tail", "ab?????cd"},
        {"\">>> T\" before \"?????\"", "ab>>> Tcd?????", "ab>>> Tcd"},
        {"more than 900 bytes before the end",
         std::string(950, 'z') + "?????"
                                 ">>> T",
         std::string(950, 'z') + "?????"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ImageTextFromRead(c.data), c.text) << c.name;
}

TEST(ImageTextFromRead, MarkersInsideUserTextsDoNotShortenTheImage) {
    DeviceImage image{};
    const std::string text = "Door >>> Tamper?????";
    std::copy(text.begin(), text.end(), image.begin() + 27); // an input's alarm text
    const std::string data = deviceData(image);
    EXPECT_EQ(ImageTextFromRead(data), data.substr(0, 885));
}

TEST(ReadImageFromData, ClearedImageWithTheTextAtItsStart) {
    const DeviceImage short_ = ReadImageFromData("ab?????");
    EXPECT_EQ(short_[0], 'a');
    EXPECT_EQ(short_[1], 'b');
    EXPECT_TRUE(std::all_of(short_.begin() + 2, short_.end(), [](Byte b) { return b == 0; }));

    const DeviceImage full = ReadImageFromData(std::string(1000, 'q') + ">>> T");
    EXPECT_TRUE(std::all_of(full.begin(), full.end(), [](Byte b) { return b == 'q'; }));
}

TEST(DeviceOperations, WriteThenReadRoundTripsTheModel) {
    const ConfigurationModel written = FullyConfiguredModel();
    FakeLine line;
    line.portOpen = false;
    ASSERT_EQ(WriteDevice(written, WorkCode, line, line.environment()), TransferOutcome::Success);
    EXPECT_EQ(line.openCalls, 1);
    EXPECT_FALSE(line.isOpen()) << "the port is closed after a write";
    EXPECT_EQ(line.lastFrame,
              ConfigurationFrame(DataBlock("8461", BuildPayload(EncodeImage(written)))));

    ConfigurationModel read = StartupModel();
    DeviceImage readImage{};
    readImage.fill(0xEE);
    ASSERT_EQ(ReadDevice(read, readImage, line, line.environment()), TransferOutcome::Success);
    EXPECT_FALSE(line.isOpen()) << "the port is closed after a read";

    const DeviceImage sent = EncodeImage(written);
    EXPECT_EQ(bytes(readImage, 0, 492), bytes(sent, 0, 492));
    EXPECT_EQ(bytes(readImage, 512, 885), bytes(sent, 512, 885));
    EXPECT_EQ(bytes(readImage, 885, 900), std::string(15, '\0'));
    EXPECT_EQ(read.PrintInfo.FirmwareVersion, " SK2050 v5.10");

    ConfigurationModel expected = StartupModel();
    DecodeImage(sent, expected);
    expected.PrintInfo.FirmwareVersion = " SK2050 v5.10";
    EXPECT_TRUE(ModelsEqual(expected, read));
}

TEST(DeviceOperations, FailedReadLeavesTheModelButTakesTheFirmwareVersion) {
    FakeLine line;
    line.script.dumpAnswer = "DUMP004 SK2040 v1.00";
    ConfigurationModel model = FullyConfiguredModel();
    const ConfigurationModel before = model;
    DeviceImage readImage{};
    readImage.fill(0xEE);
    EXPECT_EQ(ReadDevice(model, readImage, line, line.environment()), TransferOutcome::Failure);
    EXPECT_TRUE(std::all_of(readImage.begin(), readImage.end(), [](Byte b) { return b == 0; }));
    ConfigurationModel expected = before;
    expected.PrintInfo.FirmwareVersion = "SK2040 v1.00";
    EXPECT_TRUE(ModelsEqual(expected, model));
    EXPECT_FALSE(line.isOpen());
}

TEST(DeviceOperations, PortThatCannotOpenIsNamedThenFoundSilent) {
    FakeLine line;
    line.portOpen = false;
    line.opens = false;
    ConfigurationModel model = StartupModel();
    DeviceImage readImage{};
    EXPECT_EQ(ReadDevice(model, readImage, line, line.environment()), TransferOutcome::Failure);
    ASSERT_EQ(line.messages.size(), 3u);
    EXPECT_EQ(line.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(line.messages[0].key, "");
    EXPECT_EQ(line.messages[0].text, "Cannot open serial port fake: permission denied");
    EXPECT_EQ(line.messages[1].key, "F2_DEVICE_N_LINK");
    EXPECT_EQ(line.messages[2].key, "F2_ERR_READ");
    EXPECT_TRUE(line.sent.empty());
    EXPECT_EQ(line.elapsedMs(), 550u);
}

TEST(DeviceOperations, WriteTellsTheAccountAndLeavesTheModelAlone) {
    ConfigurationModel model = StartupModel();
    SetAccountNumber(model, "12*#");
    const ConfigurationModel before = model;
    FakeLine line;
    EXPECT_EQ(WriteDevice(model, WorkCode, line, line.environment()), TransferOutcome::Success);
    EXPECT_NE(line.sentText().find(std::string("OBJ\x12\xEF\r")), std::string::npos);
    EXPECT_TRUE(ModelsEqual(before, model));
    EXPECT_EQ(line.closeCalls, 1) << "an open port is closed afterwards too";
}
