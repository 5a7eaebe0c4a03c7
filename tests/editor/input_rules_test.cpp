#include "editor/input_rules.h"

#include "editor/settings_tree.h"
#include "model/model_operations.h"

#include <gtest/gtest.h>

using namespace skarvion;

namespace {

bool nodeEnabled(const ConfigurationModel& m, int kind, int output) {
    for (const TreeNode& node : SettingsTreeNodes())
        if (node.kind == kind && node.output == output) return NodeEnabled(node, m);
    ADD_FAILURE() << "no node of kind " << kind;
    return false;
}

} // namespace

TEST(InputRules, DeliveryConfirmationLinksOneInputToOutputTwo) {
    ConfigurationModel m = StartupModel();
    for (int n = 1; n <= 3; ++n)
        EXPECT_EQ(InputLinkBoxState(m, n), (LinkBoxState{true, false, "LIST_CAPT_ENPOSTAN"}));
    EXPECT_EQ(InputLinkBoxState(m, 4), (LinkBoxState{false, false, "LIST_CAPT_ENPOSTAN"}));

    SetInputLinkBox(m, 2, true);
    EXPECT_EQ(m.OutputLinkedInput, 2);
    EXPECT_EQ(m.output(2).OutputType, OutputSystem);
    EXPECT_EQ(InputLinkBoxState(m, 2), (LinkBoxState{true, true, "LIST_CAPT_ENPOSTAN"}));
    for (int n : {1, 3})
        EXPECT_EQ(InputLinkBoxState(m, n), (LinkBoxState{false, false, "LIST_CAPT_ENPOSTAN"}));
    for (int kind : {KindOutputTimes, KindOutputControlSms, KindOutputAnswerSms, KindOutputStart})
        EXPECT_FALSE(nodeEnabled(m, kind, 2)) << kind;
    EXPECT_TRUE(nodeEnabled(m, KindOutputMode, 2));

    SetInputLinkBox(m, 2, false);
    EXPECT_EQ(m.OutputLinkedInput, 0);
    EXPECT_EQ(m.output(2).OutputType, OutputMonostable);
    EXPECT_TRUE(nodeEnabled(m, KindOutputTimes, 2));
}

TEST(InputRules, ALinkToAnInputThatCannotHoldItLeavesTheBoxesUsable) {
    ConfigurationModel m = StartupModel();
    m.OutputLinkedInput = 9;
    EXPECT_EQ(InputLinkBoxState(m, 1), (LinkBoxState{true, false, "LIST_CAPT_ENPOSTAN"}));
}

TEST(InputRules, InControlPanelModeTheBoxIsTheInputsSirenLink) {
    ConfigurationModel m = StartupModel();
    m.OperatingMode = ControlPanelMode;
    EnterControlPanelMode(m);
    for (int n = 1; n <= 4; ++n)
        EXPECT_EQ(InputLinkBoxState(m, n), (LinkBoxState{true, false, "CP_DOPPARAM_WMVAL9"}));
    SetInputLinkBox(m, 4, true);
    EXPECT_EQ(m.input(4).OutputLink, 1);
    EXPECT_EQ(m.OutputLinkedInput, 0);
    EXPECT_TRUE(InputLinkBoxState(m, 4).checked);
}

TEST(InputRules, SwitchingAnInputOffDropsItsChannelsForGood) {
    ConfigurationModel m = StartupModel();
    SetInputEnabled(m, 3, true);
    m.input(3).ReportMethods = MethodSms | MethodData;
    SetInputEnabled(m, 3, false);
    EXPECT_EQ(m.input(3).Enabled, 0);
    EXPECT_EQ(m.input(3).ReportMethods, 0);
    SetInputEnabled(m, 3, true);
    EXPECT_EQ(m.input(3).Enabled, 1);
    EXPECT_EQ(m.input(3).ReportMethods, 0);
}
