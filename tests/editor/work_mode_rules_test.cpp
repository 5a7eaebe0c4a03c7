#include "editor/work_mode_rules.h"

#include "app/project_file.h"
#include "editor/external_panel_rules.h"
#include "editor/settings_tree.h"
#include "editor/voltage_rules.h"
#include "editor/zone_rules.h"
#include "model/model_operations.h"
#include "summary/summary_generators.h"

#include "model_fixtures.h"

#include <gtest/gtest.h>

using namespace skarvion;
using namespace skarvion::testing;

namespace {

bool enabled(const ConfigurationModel& m, int kind, int input) {
    for (const TreeNode& node : SettingsTreeNodes())
        if (node.kind == kind && node.input == input) return NodeEnabled(node, m);
    ADD_FAILURE() << "no node of kind " << kind << " for input " << input;
    return false;
}

bool anyLineHas(const MarkupLines& lines, const std::string& text) {
    for (const Text& line : lines)
        if (line.find(text) != Text::npos) return true;
    return false;
}

} // namespace

TEST(WorkModeRules, ModeSwitchesThereAndBackReturnInputsAndOutputsToDefaults) {
    ConfigurationModel m = StartupModel();
    m.input(3).Enabled = 1;
    m.input(3).ReportMethods = MethodSms;
    EXPECT_FALSE(SetOperatingMode(m, StandaloneMode)) << "the mode already set";
    EXPECT_EQ(m.input(3).ReportMethods, MethodSms);

    ASSERT_TRUE(SetOperatingMode(m, ControlPanelMode));
    EXPECT_EQ(m.OperatingMode, ControlPanelMode);
    EXPECT_TRUE(ArmingByInput1(m));
    for (int kind : {KindInput, KindReport, KindInputTime, KindSignal, KindExtraInfo})
        EXPECT_FALSE(enabled(m, kind, 1)) << "input 1 is handed to the panel: " << kind;
    for (int n = 2; n <= 4; ++n)
        EXPECT_TRUE(enabled(m, KindExtraInfo, n)) << n;

    ASSERT_TRUE(SetOperatingMode(m, StandaloneMode));
    for (int n = 1; n <= 4; ++n) {
        EXPECT_EQ(m.input(n).Enabled, 0) << n;
        EXPECT_EQ(m.input(n).SignalType, 0) << n;
        EXPECT_EQ(m.input(n).ReportMethods, 0) << n;
        EXPECT_EQ(m.input(n).ReactionTime, 4) << n;
        EXPECT_EQ(m.input(n).RestoreTime, 4) << n;
        EXPECT_EQ(m.input(n).LockoutTime, 4) << n;
        EXPECT_FALSE(enabled(m, KindExtraInfo, n)) << n;
        EXPECT_TRUE(enabled(m, KindInput, n)) << n;
    }
    EXPECT_EQ(m.output(1).OutputType, OutputMonostable);
    EXPECT_EQ(m.output(2).OutputType, OutputMonostable);
    EXPECT_EQ(m.arm().ReportMethods, 0);
    EXPECT_FALSE(SetOperatingMode(m, 2)) << "no third mode";
}

TEST(WorkModeRules, ArmingByTheKeyFreesInputOne) {
    ConfigurationModel m = StartupModel();
    SetOperatingMode(m, ControlPanelMode);
    SetArmingByInput1(m, false);
    EXPECT_FALSE(ArmingByInput1(m));
    EXPECT_EQ(m.input(1).Enabled, 0);
    EXPECT_EQ(m.input(1).SignalType, 4);
    for (int kind : {KindInput, KindReport, KindInputTime, KindSignal, KindExtraInfo})
        EXPECT_TRUE(enabled(m, kind, 1)) << kind;

    SetArmingByInput1(m, true);
    EXPECT_TRUE(ArmingByInput1(m));
    EXPECT_EQ(m.input(1).Enabled, 1);
    EXPECT_FALSE(enabled(m, KindInput, 1));
}

TEST(WorkModeRules, SirenTimeIsNeverZero) {
    struct Case {
        const char* name;
        bool minutes; // which part is set
        int value;
        Byte otherBefore;
        Byte expectedMinutes, expectedSeconds;
    };
    const Case cases[] = {
        {"minutes 0 with seconds 0", true, 0, 0, 0, 1},
        {"seconds 0 with minutes 0", false, 0, 0, 0, 1},
        {"minutes 0 with seconds 20", true, 0, 20, 0, 20},
        {"seconds 0 with minutes 2", false, 0, 2, 2, 0},
        {"minutes past the bound", true, 25, 30, 10, 30},
        {"seconds past the bound", false, 99, 1, 1, 59},
    };
    for (const Case& c : cases) {
        ConfigurationModel m = StartupModel();
        if (c.minutes) {
            m.SirenSeconds = c.otherBefore;
            SetSirenMinutes(m, c.value);
        } else {
            m.SirenMinutes = c.otherBefore;
            SetSirenSeconds(m, c.value);
        }
        EXPECT_EQ(m.SirenMinutes, c.expectedMinutes) << c.name;
        EXPECT_EQ(m.SirenSeconds, c.expectedSeconds) << c.name;
    }
}

TEST(WorkModeRules, DelaysKeepTheirBoundsAndWalkThroughHidesTheEntryDelay) {
    ConfigurationModel m = StartupModel();
    SetEntryTime(m, 17);
    EXPECT_EQ(m.EntryTime, 16);
    SetExitTime(m, 0);
    EXPECT_EQ(m.ExitTime, 1);
    SetEntryTime(m, 5);
    EXPECT_EQ(ShownEntryTime(m), 5);
    m.input(2).ZoneType = ZoneWalkThrough;
    EXPECT_FALSE(EntryTimeApplies(m));
    EXPECT_EQ(ShownEntryTime(m), 0);
    EXPECT_EQ(m.EntryTime, 5) << "only shown as 0";
}

TEST(WorkModeRules, PanelOptionsAndTheBatteryTestBySmsSurviveAProjectFile) {
    ConfigurationModel m = StartupModel();
    m.phone(3).Number = "+79001112233";
    m.phone(3).Empty = 0;
    SetOperatingMode(m, ControlPanelMode);
    SetArmingByInput1(m, false);
    SetEntryTime(m, 7);
    SetExitTime(m, 9);
    SetSirenMinutes(m, 0);
    SetSirenSeconds(m, 0);
    SetAccountNumber(m, "2468");
    SetZoneType(m, 2, ZonePerimeter);
    SetZoneType(m, 3, Zone24Hour);
    SetSwingerCount(m, 3, 7);
    SetCrowAccountCharacter(m, 3, QStringLiteral("a"));
    RepairCrowPhones(m); // as the page shows them: phone 1 is the used entry
    SetCrowOptionalPhone(m, 2, 3);
    m.CrowCondition = 1;
    SetSupplyTestEnabled(m, SupplyTest::Battery, true);
    ASSERT_TRUE(SetVoltageChannel(m, MethodSms, true, {}));
    m.DcSmsNoRestore = 1;

    ConfigurationModel opened = StartupModel();
    ASSERT_TRUE(ParseProjectFile(ProjectFileBytes(m), opened).ok());
    EXPECT_EQ(opened.OperatingMode, ControlPanelMode);
    EXPECT_FALSE(ArmingByInput1(opened));
    EXPECT_EQ(opened.EntryTime, 7);
    EXPECT_EQ(opened.ExitTime, 9);
    EXPECT_EQ(opened.SirenMinutes, 0);
    EXPECT_EQ(opened.SirenSeconds, 1);
    EXPECT_EQ(opened.AccountNumber, "2468");
    EXPECT_EQ(opened.input(2).ZoneType, ZonePerimeter);
    EXPECT_EQ(opened.input(3).ZoneType, Zone24Hour);
    EXPECT_EQ(opened.input(3).SwingerCount, 7);
    EXPECT_EQ(opened.CrowAccount.substr(0, 4), m.CrowAccount.substr(0, 4));
    EXPECT_EQ(opened.CrowPhone2, 3);
    EXPECT_EQ(opened.CrowPhone2Used, 1);
    EXPECT_EQ(opened.CrowCondition, 1);
    EXPECT_EQ(opened.DcTestEnabled, 1);
    EXPECT_EQ(opened.VoltMethods, MethodSms);
    EXPECT_EQ(opened.VoltSmsPhone1, 3);
    EXPECT_EQ(opened.DcSmsNoRestore, 1);

    const LanguageTexts texts;
    const MarkupLines overview = ProjectOverview(opened, texts);
    EXPECT_TRUE(anyLineHas(overview, texts.text("CP_DOPPARAM_WMVAL2")));
    EXPECT_TRUE(anyLineHas(overview, "70"));
    EXPECT_TRUE(anyLineHas(VoltageTestSummary(opened, texts), "12,0"))
        << "the battery test is shown as on";
}
