#include "editor/report_page.h"

#include "editor/settings_tree.h"
#include "page_test_support.h"
#include "phone_test_support.h"
#include "scripted_asker.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>

using namespace skarvion;
using namespace skarvion::testing;

namespace {

bool channelNodeEnabled(const ConfigurationModel& model, int kind, int input) {
    for (const TreeNode& node : SettingsTreeNodes())
        if (node.kind == kind && node.input == input) return NodeEnabled(node, model);
    ADD_FAILURE() << "no node " << kind << " of input " << input;
    return false;
}

class ReportPageTest : public PageTest {
  protected:
    void show(int input) {
        select(KindReport, input);
        page.setPhoneAsker(ask.asker());
        page.fill();
    }

    InputReportPage page{context};
    ScriptedAsker ask;
};

} // namespace

TEST_F(ReportPageTest, TickingDataWithAnEmptyBookAsksForAPhoneAndEnablesTheNode) {
    model = ModelWithPhones({});
    show(2);
    EXPECT_FALSE(channelNodeEnabled(model, KindData, 2));
    ask.answers = {"+79005550011"};
    find<QCheckBox>(page, "ReportCButton1")->click();
    ASSERT_EQ(ask.questions.size(), 1u);
    EXPECT_TRUE(ask.questions[0].required);
    EXPECT_EQ(model.input(2).DataPhone1, 1);
    EXPECT_EQ(model.input(2).ReportMethods, MethodData);
    EXPECT_EQ(model.input(2).Enabled, 1);
    EXPECT_EQ(modified, 1);
    EXPECT_EQ(treeRefreshes, 1);
    EXPECT_TRUE(channelNodeEnabled(model, KindData, 2));
    EXPECT_FALSE(channelNodeEnabled(model, KindClip, 2));
    EXPECT_TRUE(find<QCheckBox>(page, "ReportCButton1")->isChecked());
}

TEST_F(ReportPageTest, ADeclinedPhoneLeavesTheBoxClearAndTheProjectUnmodified) {
    model = ModelWithPhones({});
    show(3);
    find<QCheckBox>(page, "ReportCButton3")->click(); // CLIP, cancelled
    EXPECT_FALSE(find<QCheckBox>(page, "ReportCButton3")->isChecked());
    EXPECT_EQ(model.input(3).ReportMethods, 0);
    EXPECT_EQ(modified, 0);
}

TEST_F(ReportPageTest, ConditionAppliesToClipAndDataAndSwitchingOffClearsPhones) {
    model = ModelWithPhones({4});
    model.input(1).ReportMethods = MethodClip | MethodData;
    model.input(1).ClipPhone1 = 4;
    model.input(1).DataPhone1 = 4;
    model.input(1).Enabled = 1;
    show(1);
    auto* orButton = find<QRadioButton>(page, "RButtonORInput");
    EXPECT_TRUE(find<QWidget>(page, "Panel81")->isEnabled());
    orButton->click();
    EXPECT_EQ(model.input(1).ReportCondition, 1);

    find<QCheckBox>(page, "ReportCButton1")->click(); // DATA off
    EXPECT_FALSE(find<QWidget>(page, "Panel81")->isEnabled());
    EXPECT_EQ(model.input(1).DataPhone1, 0);
    find<QCheckBox>(page, "ReportCButton3")->click(); // the last channel off
    EXPECT_EQ(model.input(1).Enabled, 0);
    EXPECT_FALSE(channelNodeEnabled(model, KindClip, 1));
    EXPECT_EQ(modified, 3);
}

TEST_F(ReportPageTest, PrioritiesAreNormalisedShownAndStored) {
    model.input(4).Priorities = {2, 2, 9, 1};
    show(4);
    EXPECT_EQ(model.input(4).Priorities, (std::array<Byte, 4>{2, 3, 5, 1}));
    EXPECT_TRUE(find<QCheckBox>(page, "PRCheckBox12")->isChecked());
    EXPECT_TRUE(find<QCheckBox>(page, "PRCheckBox23")->isChecked());
    for (const char* name : {"PRCheckBox31", "PRCheckBox32", "PRCheckBox33", "PRCheckBox34"})
        EXPECT_FALSE(find<QCheckBox>(page, name)->isChecked()) << name;
    EXPECT_FALSE(find<QCheckBox>(page, "PRCheckBox41")->isEnabled());
    EXPECT_EQ(modified, 0);
}

TEST_F(ReportPageTest, TheArmingReportConfirmsDeliveryAndDataShowsAsDtmf) {
    model.arm().ReportMethods = MethodData;
    model.arm().DataIsDtmf = 1;
    show(ArmingRecord);
    EXPECT_EQ(find<QLabel>(page, "Label49")->text(),
              QString::fromUtf8("Способ отправки отчета о постановке/снятии"));
    EXPECT_FALSE(find<QCheckBox>(page, "ReportCButton1")->isChecked());
    EXPECT_TRUE(find<QCheckBox>(page, "ReportCButton2")->isChecked());
    auto* confirm = find<QCheckBox>(page, "Cbconf");
    EXPECT_FALSE(confirm->isHidden());
    confirm->click();
    EXPECT_EQ(model.arm().OutputLink, 1);

    show(2);
    EXPECT_TRUE(confirm->isHidden());
    EXPECT_EQ(find<QLabel>(page, "Label49")->text(), QString::fromUtf8("Способ отправки отчета 2"));
}
