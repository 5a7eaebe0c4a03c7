#include "model/device_image.h"
#include "model/model_operations.h"

#include "model_fixtures.h"

#include <gtest/gtest.h>

#include <vector>

using namespace skarvion;

namespace {

std::vector<Byte> bytesAt(const DeviceImage& image, int offset, int count) {
    return std::vector<Byte>(image.begin() + offset, image.begin() + offset + count);
}

Byte at(const DeviceImage& image, int block, int byte) {
    return image[static_cast<std::size_t>(BlockOffset(block) + byte)];
}

} // namespace

TEST(BlockOffset, TableAndUnknownBlocks) {
    EXPECT_EQ(BlockOffset(1), 0);
    EXPECT_EQ(BlockOffset(4), 161);
    EXPECT_EQ(BlockOffset(31), 296);
    EXPECT_EQ(BlockOffset(11), 300);
    EXPECT_EQ(BlockOffset(20), 845);
    EXPECT_EQ(BlockOffset(21), 888);
    for (int missing : {0, 22, 25, 30, 32, -1}) EXPECT_EQ(BlockOffset(missing), 890);
    // Blocks follow one another without overlap.
    for (std::size_t i = 1; i < ImageBlocks.size(); ++i) {
        const ImageBlock& prev = ImageBlocks[i - 1];
        EXPECT_LE(prev.offset + prev.length, ImageBlocks[i].offset) << prev.number;
    }
}

TEST(EncodeImage, StartupModelInputBlocks) {
    const DeviceImage image = EncodeImage(StartupModel());
    const std::vector<Byte> block1{0x00, 0x04, 0x04, 0x04, 0x00, 0x00, 0x00, 0x00, 0x00,
                                   0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x3B, 0x00, 0x00,
                                   0x00, 0x2B, 0x05, 0x11, 0x11, 0x13, 0x00, 0x01, 0x00};
    EXPECT_EQ(bytesAt(image, 0, 27), block1);
    for (int block = 2; block <= 4; ++block) EXPECT_EQ(at(image, block, 15), 0x03) << block;
    EXPECT_EQ(at(image, 2, 19), 0x41);
    EXPECT_EQ(at(image, 3, 19), 0x04);
    EXPECT_EQ(at(image, 4, 19), 0x02);
}

TEST(EncodeImage, StartupModelTestBlock) {
    const DeviceImage image = EncodeImage(StartupModel());
    EXPECT_EQ(at(image, 10, 3), 1);
    EXPECT_EQ(at(image, 10, 8), 0x11);
    EXPECT_EQ(at(image, 10, 9), 0x11);
    EXPECT_EQ(bytesAt(image, BlockOffset(16), 8), (std::vector<Byte>{0xB0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(EncodeImage, ReportPhonesOnlyForMethodsInUse) {
    ConfigurationModel m = skarvion::testing::FullyConfiguredModel();
    for (int n = 1; n <= 4; ++n) m.input(n).ReportMethods = 0;
    const DeviceImage image = EncodeImage(m);
    for (int block = 1; block <= 4; ++block) {
        for (int byte : {5, 6, 7, 8, 9, 10, 12, 13, 14, 16, 17, 18})
            EXPECT_EQ(at(image, block, byte), 0) << "block " << block << " byte " << byte;
    }
}

TEST(EncodeImage, ArmingAlarmAndSmsPhonesIgnoreItsMethods) {
    ConfigurationModel m = StartupModel();
    m.arm().AlarmPhones = {3, 4, 5};
    m.arm().SmsPhones = {6, 7, 8};
    m.arm().ReportMethods = 0;
    const DeviceImage image = EncodeImage(m);
    EXPECT_EQ(at(image, 4, 4), 3);
    EXPECT_EQ(at(image, 4, 11), 4);
    EXPECT_EQ(bytesAt(image, BlockOffset(31), 4), (std::vector<Byte>{5, 6, 7, 8}));
}

TEST(EncodeImage, SirenTimeReplacesOutputTwoPulseInPanelMode) {
    ConfigurationModel m = StartupModel();
    m.OperatingMode = ControlPanelMode;
    m.output(2).PulseTime = 77;
    m.SirenMinutes = 2;
    m.SirenSeconds = 15;
    EXPECT_EQ(bytesAt(EncodeImage(m), BlockOffset(6), 3)[1], 2);
    EXPECT_EQ(bytesAt(EncodeImage(m), BlockOffset(6), 3)[2], 15);
    m.SirenTimeEnabled = 0;
    EXPECT_EQ(bytesAt(EncodeImage(m), BlockOffset(6) + 1, 2), (std::vector<Byte>{0, 0}));
    m.OperatingMode = StandaloneMode;
    EXPECT_EQ(bytesAt(EncodeImage(m), BlockOffset(6) + 1, 2), (std::vector<Byte>{0, 77}));
}

TEST(EncodeImage, TextsAreCutToTheirFields) {
    ConfigurationModel m = StartupModel();
    m.input(3).AlarmText = "ABCDEFGHIJKLMNOPQRSTUVWXY";
    m.output(1).OnText = "ON1";
    const DeviceImage image = EncodeImage(m);
    EXPECT_EQ(bytesAt(image, BlockOffset(3) + 27, 20),
              std::vector<Byte>(m.input(3).AlarmText.begin(), m.input(3).AlarmText.begin() + 20));
    EXPECT_EQ(bytesAt(image, 372, 10), (std::vector<Byte>{'O', 'N', '1', 0, 0, 0, 0, 0, 0, 0}));
    // The arming text is stored twice.
    EXPECT_EQ(bytesAt(image, 845, 20), bytesAt(image, 865, 20));
}

TEST(EncodeImage, GsmTimesByteCarriesTheRightFlag) {
    struct Case {
        Byte testMethods;
        Flag clip2Used, clip2Enabled, clip4Used, gsmNoRestore;
        Byte expectedHighBit;
    };
    const Case cases[] = {
        {0, 1, 1, 1, 0, 0},           {0, 0, 0, 0, 1, 0x80},
        {MethodClip, 1, 0, 0, 0, 0x80}, {MethodClip, 0, 0, 1, 1, 0},
        {MethodClip, 0, 1, 1, 0, 0x80}, {MethodData, 1, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        ConfigurationModel m = StartupModel();
        m.TestMethods = c.testMethods;
        m.TestClipPhone2Used = c.clip2Used;
        m.TestClip2Enabled = c.clip2Enabled;
        m.TestClipPhone4Used = c.clip4Used;
        m.GsmNoRestore = c.gsmNoRestore;
        EXPECT_EQ(at(EncodeImage(m), 9, 1), c.expectedHighBit + 2 + 6 * 8);
    }
}

TEST(EncodeImage, UnusedPlacesStayZero) {
    std::vector<ConfigurationModel> models{StartupModel(),
                                           skarvion::testing::FullyConfiguredModel()};
    ConfigurationModel panel = models.back();
    panel.OperatingMode = ControlPanelMode;
    models.push_back(panel);
    for (const ConfigurationModel& m : models) {
        const DeviceImage image = EncodeImage(m);
        EXPECT_EQ(image[208], 0);
        EXPECT_EQ(bytesAt(image, 492, 20), std::vector<Byte>(20, 0));
        EXPECT_EQ(bytesAt(image, 885, 15), std::vector<Byte>(15, 0));
        EXPECT_EQ(at(image, 11, 5), 0);
    }
}
