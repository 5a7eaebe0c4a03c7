#include "editor/report_rules.h"

#include "phone_test_support.h"
#include "scripted_asker.h"

#include <gtest/gtest.h>

using namespace skarvion;
using namespace skarvion::testing;

TEST(ReportRules, PrioritiesKeepFirstClaimsAndFillTheRestFromOneToThree) {
    using P = std::array<Byte, 4>;
    const std::pair<P, P> cases[] = {
        {{2, 2, 9, 1}, {2, 3, 5, 1}}, {{5, 5, 5, 5}, {1, 2, 3, 5}}, {{2, 1, 3, 4}, {2, 1, 3, 4}},
        {{0, 4, 4, 0}, {1, 4, 2, 3}}, {{4, 3, 2, 1}, {4, 3, 2, 1}},
    };
    for (const auto& [stored, shown] : cases)
        EXPECT_EQ(NormalisedPriorities(stored), shown);
}

TEST(ReportRules, SwitchingDataOnTakesTheLowestUsedEntryOrAsksForSlotOne) {
    ConfigurationModel m = ModelWithPhones({7, 12});
    m.input(2).DataIsDtmf = 1;
    ScriptedAsker ask;
    EXPECT_TRUE(SetReportChannel(m, 2, MethodData, true, ask.asker()));
    EXPECT_EQ(m.input(2).DataPhone1, 7);
    EXPECT_EQ(m.input(2).DataIsDtmf, 0);
    EXPECT_EQ(m.input(2).ReportMethods, MethodData);
    EXPECT_EQ(m.input(2).Enabled, 1);
    EXPECT_TRUE(ask.questions.empty());

    ConfigurationModel empty = ModelWithPhones({});
    ask.answers = {"+79001234567"};
    EXPECT_TRUE(SetReportChannel(empty, 2, MethodData, true, ask.asker()));
    ASSERT_EQ(ask.questions.size(), 1u);
    EXPECT_TRUE(ask.questions[0].required);
    EXPECT_EQ(empty.input(2).DataPhone1, 1);
    EXPECT_TRUE(PhoneUsed(empty, 1));
}

TEST(ReportRules, AChannelWithoutAPhoneStaysOff) {
    ConfigurationModel m = ModelWithPhones({});
    ScriptedAsker ask; // cancels
    EXPECT_FALSE(SetReportChannel(m, 3, MethodData, true, ask.asker()));
    EXPECT_FALSE(SetReportChannel(m, 3, MethodClip, true, ask.asker()));
    EXPECT_EQ(m.input(3).ReportMethods, 0);
    EXPECT_EQ(m.input(3).Enabled, 0);
    EXPECT_EQ(m.input(3).DataPhone1, 0);
}

TEST(ReportRules, AlarmPhonesComeFromTheFirstNineEntries) {
    ConfigurationModel m = ModelWithPhones({12, 20});
    ScriptedAsker ask;
    ask.answers = {"+7555"};
    EXPECT_TRUE(SetReportChannel(m, 1, MethodAlarm, true, ask.asker()));
    EXPECT_EQ(ask.questions.size(), 1u);
    EXPECT_EQ(m.input(1).AlarmPhones[0], 1);

    PutPhone(m, 4);
    m.input(2).AlarmPhones[0] = 12; // not listed on the ALARM page
    EXPECT_TRUE(SetReportChannel(m, 2, MethodAlarm, true, ask.asker()));
    EXPECT_EQ(m.input(2).AlarmPhones[0], 1);
}

TEST(ReportRules, SwitchingClipOnRunsTheClipDefaultsAndDropsGroupTwo) {
    ConfigurationModel m = ModelWithPhones({3});
    InputRecord& in = m.input(2);
    in.ClipPhone2Used = 1;
    in.Clip2Enabled = 1;
    in.ClipPhone4Used = 1;
    ScriptedAsker ask;
    ask.answers = {"+7111"};
    EXPECT_TRUE(SetReportChannel(m, 2, MethodClip, true, ask.asker()));
    EXPECT_EQ(in.ClipPhone1, 3);
    EXPECT_EQ(in.ClipPhone2, 1); // a new number in slot 1
    EXPECT_EQ(in.Clip2Enabled, 0);
    EXPECT_EQ(in.ClipPhone4Used, 0);
    EXPECT_EQ(in.ReportMethods, MethodClip);
}

TEST(ReportRules, SwitchingOffClearsTheChannelsPhonesAndTheLastOneTheInput) {
    ConfigurationModel m = ModelWithPhones({1, 2, 3});
    InputRecord& in = m.input(2);
    in.Enabled = 1;
    in.ReportMethods = MethodData | MethodAlarm | MethodSms | MethodClip;
    in.DataPhone1 = 1;
    in.DataPhone2 = 2;
    in.DataPhone3 = 3;
    in.AlarmPhones = {1, 2, 3};
    in.SmsPhones = {3, 2, 1};
    in.ClipPhone1 = 1;
    in.ClipPhone2 = 2;
    in.ClipPhone3 = 3;
    in.ClipPhone4 = 1;
    in.Clip2Enabled = in.ClipPhone4Used = 1;
    ScriptedAsker ask;
    for (ReportMethod channel : {MethodData, MethodAlarm, MethodSms})
        EXPECT_FALSE(SetReportChannel(m, 2, channel, false, ask.asker()));
    EXPECT_EQ(in.DataPhone1, 0);
    EXPECT_EQ(in.DataPhone2, 0);
    EXPECT_EQ(in.AlarmPhones, (std::array<PhoneRef, 3>{0, 0, 0}));
    EXPECT_EQ(in.SmsPhones, (std::array<PhoneRef, 3>{0, 0, 0}));
    EXPECT_EQ(in.Enabled, 1);
    SetReportChannel(m, 2, MethodClip, false, ask.asker());
    EXPECT_EQ(in.ReportMethods, 0);
    EXPECT_EQ(in.Enabled, 0);
    EXPECT_EQ(in.ClipPhone1 + in.ClipPhone2 + in.ClipPhone3 + in.ClipPhone4, 0);
    EXPECT_EQ(in.Clip2Enabled + in.ClipPhone4Used, 0);
}

TEST(ReportRules, InputOneArmingThePanelStaysOnWithoutChannels) {
    ConfigurationModel m = ModelWithPhones({1});
    m.OperatingMode = ControlPanelMode;
    m.arm().SignalType = 0; // the panel arms by input 1
    m.input(1).Enabled = 1;
    m.input(1).ReportMethods = MethodSms;
    ScriptedAsker ask;
    SetReportChannel(m, 1, MethodSms, false, ask.asker());
    EXPECT_EQ(m.input(1).Enabled, 1);

    m.arm().SignalType = 1;
    m.input(1).ReportMethods = MethodSms;
    SetReportChannel(m, 1, MethodSms, false, ask.asker());
    EXPECT_EQ(m.input(1).Enabled, 0);
}

TEST(ReportRules, TheConditionAppliesToClipAndDataTogether) {
    InputRecord in;
    in.ReportMethods = MethodClip | MethodAlarm;
    EXPECT_FALSE(ReportConditionApplies(in));
    in.ReportMethods = MethodClip | MethodData;
    EXPECT_TRUE(ReportConditionApplies(in));
}

TEST(ReportRules, RecordNumbersOutsideOneToFiveChangeNothing) {
    ConfigurationModel m = ModelWithPhones({1});
    const ConfigurationModel before = m;
    ScriptedAsker ask;
    EXPECT_FALSE(SetReportChannel(m, 0, MethodSms, true, ask.asker()));
    EXPECT_FALSE(SetReportChannel(m, 6, MethodSms, true, ask.asker()));
    EXPECT_EQ(m, before);
}
