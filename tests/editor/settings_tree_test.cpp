#include "editor/settings_tree.h"

#include "model/model_operations.h"

#include "model_fixtures.h"

#include <gtest/gtest.h>

#include <map>

using namespace skarvion;
using skarvion::testing::cp1251;

namespace {

const std::vector<TreeNode>& nodes() {
    return SettingsTreeNodes();
}

std::vector<int> rootKinds() {
    std::vector<int> kinds;
    for (const TreeNode& n : nodes())
        if (n.parent < 0) kinds.push_back(n.kind);
    return kinds;
}

std::vector<int> childKinds(int parent) {
    std::vector<int> kinds;
    for (const TreeNode& n : nodes())
        if (n.parent == parent) kinds.push_back(n.kind);
    return kinds;
}

// The index of the first node matching kind and input number.
int find(int kind, int input = -1, int output = -1) {
    for (std::size_t i = 0; i < nodes().size(); ++i) {
        const TreeNode& n = nodes()[i];
        if (n.kind == kind && (input < 0 || n.input == input) && (output < 0 || n.output == output))
            return static_cast<int>(i);
    }
    return -1;
}

bool enabled(const ConfigurationModel& m, int kind, int input = -1, int output = -1) {
    return NodeEnabled(nodes()[static_cast<std::size_t>(find(kind, input, output))], m);
}

} // namespace

TEST(SettingsTree, SixteenRootsAndNinetyTwoNodesInOrder) {
    EXPECT_EQ(nodes().size(), 92u);
    const std::vector<int> roots{KindSettings, KindPrintInfo, KindWorkMode, KindInput, KindInput,
                                 KindInput,    KindInput,     KindOutput,   KindOutput, KindOutput,
                                 KindTest,     KindExternalPanel, KindPhoneBook, KindSmsCentre,
                                 KindPin,      KindRequest};
    EXPECT_EQ(rootKinds(), roots);

    EXPECT_EQ(childKinds(find(KindPrintInfo)),
              (std::vector<int>{KindSerialNumber, KindSimRegNumber, KindSimPhone, KindFirmware,
                                KindComment}));
    EXPECT_EQ(childKinds(find(KindInput, 3)),
              (std::vector<int>{KindSignal, KindInputTime, KindExtraInfo, KindReport}));
    EXPECT_EQ(childKinds(find(KindReport, 3)),
              (std::vector<int>{KindClip, KindData, KindAlarm, KindSms}));
    EXPECT_EQ(childKinds(find(KindOutput, 0, 2)),
              (std::vector<int>{KindOutputStart, KindOutputMode, KindOutputTimes,
                                KindOutputControlSms, KindOutputAnswerSms}));
    EXPECT_EQ(childKinds(find(KindTest)),
              (std::vector<int>{KindVoltageTest, KindGsmTest, KindPeriodicTest}));
    EXPECT_EQ(childKinds(find(KindGsmTest)),
              (std::vector<int>{KindGsmLevel, KindGsmTime, KindGsmReports}));
    EXPECT_EQ(childKinds(find(KindGsmReports)), (std::vector<int>{KindGsmClip, KindGsmData, KindGsmSms}));
}

TEST(SettingsTree, NodesCarryTheirNumbers) {
    for (const TreeNode& n : nodes()) {
        if (n.parent >= 0 && nodes()[static_cast<std::size_t>(n.parent)].kind == KindReport) {
            EXPECT_EQ(n.input, nodes()[static_cast<std::size_t>(n.parent)].input);
        }
    }
    EXPECT_EQ(nodes()[static_cast<std::size_t>(find(KindReport, 5))].parent, find(KindWorkMode));
    const TreeNode& times = nodes()[static_cast<std::size_t>(find(KindOutputTimes, 3))];
    EXPECT_EQ(times.output, 3);
    const TreeNode& gsmSms = nodes()[static_cast<std::size_t>(find(KindGsmSms))];
    EXPECT_EQ(gsmSms.input, 1);
    EXPECT_EQ(gsmSms.output, 1);
    EXPECT_EQ(nodes()[static_cast<std::size_t>(find(KindVoltageData))].input, 3);
    EXPECT_EQ(nodes()[static_cast<std::size_t>(find(KindPeriodicTime))].input, 2);
}

TEST(SettingsTree, CaptionsFromTheLanguageTexts) {
    const LanguageTexts texts;
    auto caption = [&](int kind, int input = -1, int output = -1) {
        return NodeCaption(nodes()[static_cast<std::size_t>(find(kind, input, output))], texts);
    };
    EXPECT_EQ(caption(KindInput, 2), cp1251("Вход 2"));
    EXPECT_EQ(caption(KindInputTime, 2), cp1251("Время для входа 2"));
    EXPECT_EQ(caption(KindAlarm, 4), cp1251("ALARM для входа 4"));
    EXPECT_EQ(caption(KindSms, 5), cp1251("Текст SMS "));
    EXPECT_EQ(caption(KindClip, 5), "CLIP ");
    EXPECT_EQ(caption(KindExtraInfo, 3), cp1251("Дополнительная информация 3"));
    EXPECT_EQ(caption(KindGsmTest), "GSM");
    EXPECT_EQ(caption(KindPeriodicSms), cp1251("SMS Периодический тест"));
    EXPECT_EQ(caption(KindOutputTimes, 1, 1), cp1251("Временные параметры выхода1"));
    EXPECT_EQ(caption(KindExternalPanel), cp1251("Внешняя КП"));
}

TEST(SettingsTree, ChannelNodesFollowTheMethodBits) {
    ConfigurationModel m = StartupModel();
    m.input(2).Enabled = 1;
    m.input(2).ReportMethods = MethodAlarm | MethodClip;
    EXPECT_TRUE(enabled(m, KindAlarm, 2));
    EXPECT_TRUE(enabled(m, KindClip, 2));
    EXPECT_FALSE(enabled(m, KindSms, 2));
    EXPECT_FALSE(enabled(m, KindData, 2));
    EXPECT_TRUE(enabled(m, KindReport, 2));
    for (int kind : {KindSms, KindAlarm, KindClip, KindData}) EXPECT_FALSE(enabled(m, kind, 5));

    m.GsmMethods = MethodSms;
    m.VoltMethods = MethodData;
    m.TestMethods = MethodClip;
    EXPECT_TRUE(enabled(m, KindGsmSms));
    EXPECT_FALSE(enabled(m, KindGsmClip));
    EXPECT_TRUE(enabled(m, KindVoltageData));
    EXPECT_FALSE(enabled(m, KindVoltageSms));
    EXPECT_TRUE(enabled(m, KindPeriodicClip));
    EXPECT_FALSE(enabled(m, KindPeriodicData));
}

TEST(SettingsTree, ModeDrivenStates) {
    ConfigurationModel m = StartupModel();
    EXPECT_FALSE(enabled(m, KindExtraInfo, 2));
    EXPECT_TRUE(enabled(m, KindInput, 1));

    m.OperatingMode = ControlPanelMode;
    EnterControlPanelMode(m);
    EXPECT_TRUE(enabled(m, KindExtraInfo, 2));
    for (int kind : {KindInput, KindReport, KindInputTime, KindSignal, KindExtraInfo})
        EXPECT_FALSE(enabled(m, kind, 1)) << kind;
    EXPECT_EQ(NodeIcon(nodes()[static_cast<std::size_t>(find(KindInput, 1))], m), TreeIcon::InputHanded);
    // Outputs 1 and 2 are system outputs now.
    EXPECT_FALSE(enabled(m, KindOutputTimes, 1, 1));
    EXPECT_FALSE(enabled(m, KindOutputStart, 2, 2));
    EXPECT_TRUE(enabled(m, KindOutputMode, 2, 2));
    EXPECT_TRUE(enabled(m, KindOutputStart, 3, 3));

    SelectArmingOther(m);
    EXPECT_TRUE(enabled(m, KindInput, 1));
    EXPECT_EQ(NodeIcon(nodes()[static_cast<std::size_t>(find(KindInput, 1))], m), TreeIcon::InputDisabled);

    m.output(3).OutputType = OutputBistable;
    EXPECT_FALSE(enabled(m, KindOutputTimes, 3, 3));
    EXPECT_TRUE(enabled(m, KindOutputControlSms, 3, 3));
    EXPECT_EQ(NodeIcon(nodes()[static_cast<std::size_t>(find(KindOutputTimes, 3, 3))], m),
              TreeIcon::OutputTimeOff);
}

TEST(SettingsTree, PagesOfTheKinds) {
    EXPECT_STREQ(NodePageName(KindSettings), "Info");
    EXPECT_STREQ(NodePageName(KindGsmData), "TestInformation");
    EXPECT_STREQ(NodePageName(KindVoltageClip), "");
    EXPECT_STREQ(NodePageName(KindExternalPanel), "CROW Adapter");
    std::map<int, int> kinds;
    for (const TreeNode& n : nodes()) ++kinds[n.kind];
    for (const auto& [kind, count] : kinds) {
        if (kind != KindVoltageClip) {
            EXPECT_STRNE(NodePageName(kind), "") << kind;
        }
    }
}
