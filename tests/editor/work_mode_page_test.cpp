#include "editor/work_mode_page.h"

#include "dialogs/edit_let_num.h"
#include "dialogs/up_down.h"
#include "editor/settings_tree_view.h"

#include "page_test_support.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QVBoxLayout>

using namespace skarvion;
using namespace skarvion::testing;

namespace {

int nodeIndex(int kind, int input) {
    const auto& nodes = SettingsTreeNodes();
    for (std::size_t i = 0; i < nodes.size(); ++i)
        if (nodes[i].kind == kind && (input == 0 || nodes[i].input == input))
            return static_cast<int>(i);
    return -1;
}

} // namespace

// The page in a window beside the settings tree, as in the main window.
class WorkModePageTest : public PageTest {
  protected:
    WorkModePageTest() {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(tree);
        layout->addWidget(page);
        context.treeStatesChanged = [this] {
            ++treeRefreshes;
            tree->refresh();
        };
        select(KindWorkMode);
        page->fill();
    }

    bool expanded(int kind, int input) const {
        return tree->itemOf(nodeIndex(kind, input))->isExpanded();
    }
    bool nodeEnabled(int kind, int input) const {
        return !tree->itemOf(nodeIndex(kind, input))->isDisabled();
    }

    QWidget window;
    SettingsTreeView* tree = new SettingsTreeView(context, &window);
    WorkModePage* page = new WorkModePage(context);
};

TEST_F(WorkModePageTest, ControlPanelModeHandsInputOneToThePanel) {
    EXPECT_TRUE(find<QRadioButton>(*page, "SKRModeRButton")->isChecked());
    EXPECT_FALSE(find<QGroupBox>(*page, "CPModeGBox")->isVisibleTo(page));
    find<QRadioButton>(*page, "CPModeRButton")->click();
    EXPECT_EQ(model.OperatingMode, ControlPanelMode);
    EXPECT_EQ(modified, 1);
    EXPECT_TRUE(find<QGroupBox>(*page, "CPModeGBox")->isVisibleTo(page));
    EXPECT_TRUE(find<QRadioButton>(*page, "Rbpost1")->isChecked());
    EXPECT_FALSE(nodeEnabled(KindInput, 1));
    EXPECT_TRUE(nodeEnabled(KindExtraInfo, 2));
    EXPECT_TRUE(expanded(KindWorkMode, 0));
    EXPECT_FALSE(expanded(KindReport, ArmingRecord));

    find<QRadioButton>(*page, "Rbpost2")->click();
    EXPECT_EQ(model.arm().SignalType, 1);
    EXPECT_EQ(model.input(1).Enabled, 0);
    EXPECT_TRUE(nodeEnabled(KindInput, 1));
    EXPECT_EQ(modified, 2);

    find<QRadioButton>(*page, "SKRModeRButton")->click();
    EXPECT_EQ(model.OperatingMode, StandaloneMode);
    EXPECT_FALSE(nodeEnabled(KindExtraInfo, 2));
    EXPECT_FALSE(expanded(KindWorkMode, 0));
    EXPECT_FALSE(find<QGroupBox>(*page, "CPModeGBox")->isVisibleTo(page));
}

TEST_F(WorkModePageTest, SirenTimeNeverBecomesZero) {
    model.SirenMinutes = 1;
    model.SirenSeconds = 0;
    model.OperatingMode = ControlPanelMode;
    page->fill();
    auto* minutes = find<TEditLetNum>(*page, "EditMinCP");
    minutes->selectAll();
    QTest::keyClick(minutes, Qt::Key_0);
    EXPECT_EQ(model.SirenMinutes, 0);
    EXPECT_EQ(model.SirenSeconds, 1);
    EXPECT_EQ(find<TEditLetNum>(*page, "EditSecCP")->number(), 1);

    find<TUpDown>(*page, "UpDownOutTime")->stepBy(2);
    EXPECT_EQ(model.ExitTime, 14) << "from the default of 12";
}

TEST_F(WorkModePageTest, AccountDigitsGoToEveryEventCodeAndMoveOn) {
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    auto* second = find<QLineEdit>(*page, "Ecid2");
    second->setFocus();
    QTest::keyClick(second, Qt::Key_5);
    EXPECT_EQ(model.AccountNumber[1], '5');
    EXPECT_EQ(model.TestEventCode[1], '5');
    for (const InputRecord& record : model.Inputs)
        EXPECT_EQ(record.EventCode[1], '5');
    auto* third = find<QLineEdit>(*page, "Ecid3");
    EXPECT_TRUE(third->hasFocus());
    const QString before = third->text();
    QTest::keyClick(third, Qt::Key_A);
    EXPECT_EQ(third->text(), before) << "letters are refused";
    QTest::keyClick(third, Qt::Key_7);
    EXPECT_EQ(third->text(), "7") << "a digit replaces the one held";
    EXPECT_EQ(model.AccountNumber[2], '7');
}

TEST_F(WorkModePageTest, WalkThroughOnInputTwoLeavesNoEntryDelay) {
    model.OperatingMode = ControlPanelMode;
    model.EntryTime = 5;
    model.input(2).ZoneType = ZoneWalkThrough;
    page->fill();
    EXPECT_EQ(find<TEditLetNum>(*page, "ENUmInTime")->number(), 0);
    EXPECT_FALSE(find<TUpDown>(*page, "UpDownInTime")->isEnabled());
    EXPECT_EQ(model.EntryTime, 5);
    EXPECT_EQ(modified, 0);
}
