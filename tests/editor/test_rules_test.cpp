#include "editor/test_rules.h"

#include "model/model_operations.h"
#include "phone_test_support.h"
#include "scripted_asker.h"

#include <gtest/gtest.h>

using namespace skarvion;
using namespace skarvion::testing;

TEST(TestRules, BranchesAreTheNodesWithEqualNumbersOneAndTwo) {
    EXPECT_EQ(TestBranchOf({KindGsmSms, 1, 1}), TestBranch::Gsm);
    EXPECT_EQ(TestBranchOf({KindPeriodicSms, 2, 2}), TestBranch::Periodic);
    EXPECT_EQ(TestBranchOf({KindVoltageSms, 3, 3}), std::nullopt);
    EXPECT_EQ(TestBranchOf({KindOutputMode, 1, 2}), std::nullopt);
    EXPECT_EQ(TestBranchOf({KindSettings, 0, 0}), std::nullopt);
}

TEST(TestRules, TheTestBoxClearsTheChannelsEitherWay) {
    ConfigurationModel m = StartupModel();
    m.TestMethods = MethodClip;
    SetTestBranchEnabled(m, TestBranch::Periodic, true);
    EXPECT_EQ(m.TestEnabled, 1);
    EXPECT_EQ(m.TestMethods, 0);
    m.GsmTestEnabled = 1;
    m.GsmMethods = MethodSms;
    SetTestBranchEnabled(m, TestBranch::Gsm, false);
    EXPECT_EQ(m.GsmTestEnabled, 0);
    EXPECT_EQ(m.GsmMethods, 0);
    EXPECT_EQ(m.TestEnabled, 1);
}

TEST(TestRules, AZeroPeriodBecomesTenMinutes) {
    ConfigurationModel m = StartupModel();
    m.TestDays = m.TestHours = m.TestMinutes = 0;
    NormaliseTestPeriod(m);
    EXPECT_EQ(m.TestMinutes, 1);
    m.TestDays = 2;
    m.TestMinutes = 0;
    NormaliseTestPeriod(m);
    EXPECT_EQ(m.TestMinutes, 0);
}

TEST(TestRules, PeriodicClipAndDataExcludeEachOther) {
    ConfigurationModel m = ModelWithPhones({5, 8});
    ScriptedAsker ask;
    EXPECT_TRUE(SetPeriodicChannel(m, MethodClip, true, ask.asker()));
    EXPECT_EQ(m.TestMethods, MethodClip);
    EXPECT_EQ(m.TestEnabled, 1);
    EXPECT_EQ(m.TestClipPhone1, 5);
    EXPECT_TRUE(SetPeriodicChannel(m, MethodData, true, ask.asker()));
    EXPECT_EQ(m.TestMethods, MethodData);
    EXPECT_EQ(m.TestDataPhone1, 5);
    // Unchecking the only channel switches the test off.
    EXPECT_FALSE(SetPeriodicChannel(m, MethodData, false, ask.asker()));
    EXPECT_EQ(m.TestMethods, 0);
    EXPECT_EQ(m.TestEnabled, 0);
    EXPECT_TRUE(ask.questions.empty());
    EXPECT_FALSE(SetPeriodicChannel(m, MethodSms, true, ask.asker())); // no periodic SMS box
}

TEST(TestRules, PeriodicClipRepairsItsPhoneOrAsksForOne) {
    ConfigurationModel m = ModelWithPhones({});
    m.TestClipPhone1 = 9; // names an empty entry
    ScriptedAsker ask;
    EXPECT_FALSE(SetPeriodicChannel(m, MethodClip, true, ask.asker()));
    EXPECT_EQ(m.TestClipPhone1, 0);
    EXPECT_EQ(m.TestMethods, 0);
    ASSERT_EQ(ask.questions.size(), 1u);
    EXPECT_TRUE(ask.questions[0].required);

    ask.answers = {"+7123"};
    EXPECT_TRUE(SetPeriodicChannel(m, MethodClip, true, ask.asker()));
    EXPECT_EQ(m.TestClipPhone1, 1);
}

TEST(TestRules, GsmClipAndSmsExcludeEachOther) {
    ConfigurationModel m = ModelWithPhones({3, 12});
    m.GsmClip2Enabled = m.GsmClipPhone4Used = 1;
    m.GsmClipPhone2Used = 1;
    ScriptedAsker ask;
    EXPECT_TRUE(SetGsmChannel(m, MethodClip, true, ask.asker()));
    EXPECT_EQ(m.GsmMethods, MethodClip);
    EXPECT_EQ(m.GsmTestEnabled, 1);
    EXPECT_EQ(m.GsmClipPhone1, 3);
    EXPECT_EQ(m.GsmClipPhone2, 12);
    EXPECT_EQ(m.GsmClip2Enabled + m.GsmClipPhone4Used, 0);

    EXPECT_TRUE(SetGsmChannel(m, MethodSms, true, ask.asker()));
    EXPECT_EQ(m.GsmMethods, MethodSms);
    EXPECT_EQ(m.GsmSmsPhone1, 3);
    EXPECT_FALSE(SetGsmChannel(m, MethodSms, false, ask.asker()));
    EXPECT_EQ(m.GsmTestEnabled, 0);
    EXPECT_TRUE(ask.questions.empty());
}

TEST(TestRules, GsmSmsPhoneIsAmongTheFirstNineEntries) {
    ConfigurationModel m = ModelWithPhones({12});
    ScriptedAsker ask;
    ask.answers = {"+7444"};
    EXPECT_TRUE(SetGsmChannel(m, MethodSms, true, ask.asker()));
    EXPECT_EQ(m.GsmSmsPhone1, 1);
    EXPECT_EQ(ask.questions.size(), 1u);
}

TEST(TestRules, GsmLimitsAreKeptWithinTheirBoxes) {
    ConfigurationModel m = StartupModel();
    for (const auto& [stored, shown] : {std::pair{0, 1}, {5, 1}, {-3, 1}, {4, 4}, {2, 2}}) {
        m.GsmSignalLevel = static_cast<std::int16_t>(stored);
        EXPECT_EQ(GsmSignalLevelShown(m), shown) << stored;
        EXPECT_EQ(m.GsmSignalLevel, shown) << stored;
    }
    m.GsmLowTime = 9;
    m.GsmNormalTime = 0;
    ClampGsmTimes(m);
    EXPECT_EQ(m.GsmLowTime, 6);
    EXPECT_EQ(m.GsmNormalTime, 1);
    EXPECT_EQ(GsmTimeFromItem(-1, GsmLowTimeItems), 1);
    EXPECT_EQ(GsmTimeFromItem(11, GsmNormalTimeItems), 12);
}

TEST(TestRules, GsmMonitorTextsAreStoredInTwentyCharacters) {
    ConfigurationModel m = StartupModel();
    StoreGsmMonitorTexts(m);
    EXPECT_EQ(m.GsmSmsText, "LOW SIGNAL GSM LEVEL");
    EXPECT_EQ(m.GsmRestoreText, "NORMAL SIGNAL GSM LE");
}
