// Encoding then decoding: what comes back, and what the decoder changes on purpose.

#include "model/device_image.h"
#include "model/model_operations.h"

#include "model_fixtures.h"

#include <gtest/gtest.h>

using namespace skarvion;
using skarvion::testing::ModelsEqual;

namespace {

ConfigurationModel roundTrip(const ConfigurationModel& model, ConfigurationModel target) {
    DecodeImage(EncodeImage(model), target);
    return target;
}

} // namespace

TEST(ImageRoundTrip, StartupModelComesBackWithTheKnownExceptions) {
    const ConfigurationModel start = StartupModel();
    ConfigurationModel expected = start;
    for (int n = 1; n <= 4; ++n) {
        expected.input(n).ClipPhone2Used = 0;
        expected.input(n).ClipPhone4Used = 0;
    }
    expected.GsmClipPhone2Used = 0;
    expected.CrowCondition = 1;
    expected.arm().RestoreText.clear();
    EXPECT_TRUE(ModelsEqual(expected, roundTrip(start, start)));
}

TEST(ImageRoundTrip, ImageFieldsSurviveIntoAFreshModel) {
    const ConfigurationModel configured = skarvion::testing::FullyConfiguredModel();
    // Decoding over a fresh model: every field the image carries must come
    // from the image, so decoding over the configured model itself must give
    // the same result as far as those fields go.
    ConfigurationModel expected = configured;
    expected.arm().RestoreText.clear();
    EXPECT_TRUE(ModelsEqual(expected, roundTrip(configured, configured)));

    ConfigurationModel fresh = roundTrip(configured, StartupModel());
    EXPECT_EQ(EncodeImage(fresh), EncodeImage(configured));
}

TEST(ImageRoundTrip, PanelModeConfiguration) {
    ConfigurationModel m = skarvion::testing::FullyConfiguredModel();
    m.OperatingMode = ControlPanelMode;
    EnterControlPanelMode(m);
    for (int n = 1; n <= 4; ++n) {
        m.input(n).Enabled = 1;
        m.input(n).ReportMethods = MethodAlarm | MethodSms | MethodClip | MethodData;
    }
    m.OutputLinkedInput = 0;
    m.input(3).OutputLink = 1;
    m.arm().OutputLink = 1;
    m.input(1).OutputLink = 1;
    m.arm().SignalType = 1;
    m.EntryTime = 16;
    m.ExitTime = 1;
    m.SirenMinutes = 10;
    m.SirenSeconds = 59;
    m.input(2).ZoneType = ZonePerimeter;
    m.input(4).ZoneType = ZoneWalkThrough;
    ConfigurationModel expected = m;
    expected.arm().RestoreText.clear();
    expected.output(2).PulseTime = 59; // output 2's pulse byte carries the siren seconds
    EXPECT_TRUE(ModelsEqual(expected, roundTrip(m, m)));
}

TEST(ImageRoundTrip, PrintedTextsOfEveryKindSurvive) {
    ConfigurationModel m = StartupModel();
    m.output(3).OnText = "\xC2\xEA\xEB";
    m.input(4).RestoreText = "\xCD\xEE\xF0\xEC\xE0 4";
    m.arm().AlarmText = "ARMED";
    const ConfigurationModel back = roundTrip(m, StartupModel());
    EXPECT_EQ(back.output(3).OnText, m.output(3).OnText);
    EXPECT_EQ(back.input(4).RestoreText, m.input(4).RestoreText);
    EXPECT_EQ(back.arm().AlarmText, "ARMED");
}

// Any 900 bytes decode without failing, and one encode/decode pass brings
// every model to a fixed point of the pair.
TEST(ImageRoundTrip, RandomImagesDecodeAndSettle) {
    std::mt19937 random(2050);
    for (int round = 0; round < 3000; ++round) {
        const DeviceImage image = skarvion::testing::RandomImage(random);
        ConfigurationModel once = StartupModel();
        ASSERT_TRUE(DecodeImage(image, once));
        for (int k = 1; k <= PhoneBookSize; ++k)
            ASSERT_EQ(once.phone(k).Empty, once.phone(k).Number.empty() ? 1 : 0);
        ASSERT_TRUE(once.TestDays || once.TestHours || once.TestMinutes);
        ASSERT_LE(once.VoltSmsPhone2, 40);

        const ConfigurationModel settled = roundTrip(once, once);
        const ConfigurationModel again = roundTrip(settled, settled);
        ASSERT_TRUE(ModelsEqual(settled, again)) << "round " << round;
    }
}
