// Reports configured through the page rules survive a project file: what
// the file carries comes back, and the summaries read the same.

#include "app/project_file.h"
#include "editor/channel_rules.h"
#include "editor/clip_rules.h"
#include "editor/contact_id_rules.h"
#include "editor/report_rules.h"
#include "editor/test_rules.h"
#include "model/model_operations.h"
#include "phone_test_support.h"
#include "scripted_asker.h"
#include "summary/summary_generators.h"

#include <gtest/gtest.h>

using namespace skarvion;
using namespace skarvion::testing;

namespace {

ConfigurationModel reopened(const ConfigurationModel& saved) {
    ConfigurationModel model = StartupModel();
    const ProjectFileResult result = ParseProjectFile(ProjectFileBytes(saved), model);
    EXPECT_TRUE(result.ok()) << result.messageKey;
    return model;
}

} // namespace

TEST(ReportSettingsRoundTrip, InputChannelsPeriodicClipAndGsmMonitorComeBack) {
    ConfigurationModel m = ModelWithPhones({});
    const LanguageTexts texts;
    ScriptedAsker ask;
    ask.answers = {"+79001230001", "+79001230002"};

    // Input 3: CLIP with a restore call (two new phones), then DATA, ALARM and SMS.
    m.input(3).ClipPhone2Used = 1;
    ASSERT_TRUE(SetReportChannel(m, 3, MethodClip, true, ask.asker()));
    for (ReportMethod channel : {MethodData, MethodAlarm, MethodSms})
        ASSERT_TRUE(SetReportChannel(m, 3, channel, true, ask.asker()));
    SetClipGroup2(m, InputClipCalls(m.input(3)), true);
    ToggleClipRestoreCall(m, InputClipCalls(m.input(3)), ClipColumn::Restore2, ask.asker());
    SetEventCodeCharacter(m.input(3).EventCode, 5, "b");
    m.input(3).AlarmPhones[1] = 2;
    m.input(3).AlarmCondition = 1;
    m.input(3).SmsPhones[1] = 2;
    m.input(3).AlarmText = "Window";

    // Periodic test by CLIP on entry 2, every two days.
    ASSERT_TRUE(SetPeriodicChannel(m, MethodClip, true, ask.asker()));
    ClickClipCell(m, PeriodicClipCalls(m), 2, ClipColumn::Event1, ask.asker());
    m.TestDays = 2;

    // GSM monitor by CLIP with its restore call, level 3, 30 s and 90 s.
    m.GsmClipPhone2Used = 1;
    ASSERT_TRUE(SetGsmChannel(m, MethodClip, true, ask.asker()));
    m.GsmSignalLevel = 3;
    m.GsmLowTime = GsmTimeFromItem(2, GsmLowTimeItems);
    m.GsmNormalTime = GsmTimeFromItem(8, GsmNormalTimeItems);
    EXPECT_EQ(ask.questions.size(), 2u);

    const ConfigurationModel back = reopened(m);
    EXPECT_EQ(back.input(3), m.input(3));
    EXPECT_EQ(back.TestEnabled, 1);
    EXPECT_EQ(back.TestMethods, MethodClip);
    EXPECT_EQ(back.TestClipPhone1, 2);
    EXPECT_EQ(back.TestDays, 2);
    EXPECT_EQ(back.GsmTestEnabled, 1);
    EXPECT_EQ(back.GsmMethods, MethodClip);
    EXPECT_EQ(back.GsmClipPhone1, 1);
    EXPECT_EQ(back.GsmClipPhone2, 2);
    EXPECT_EQ(back.GsmClipPhone2Used, 1);
    EXPECT_EQ(back.GsmSignalLevel, 3);
    EXPECT_EQ(back.GsmLowTime, 3);
    EXPECT_EQ(back.GsmNormalTime, 9);

    ConfigurationModel before = m;
    ConfigurationModel after = back;
    EXPECT_EQ(InputSummary(after, texts, 3), InputSummary(before, texts, 3));
    EXPECT_EQ(PeriodicTestSummary(after, texts), PeriodicTestSummary(before, texts));
    EXPECT_EQ(GsmTestSummary(after, texts), GsmTestSummary(before, texts));
}
