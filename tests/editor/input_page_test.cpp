#include "editor/input_page.h"
#include "editor/signal_page.h"
#include "editor/time_page.h"

#include "dialogs/edit_let_ch.h"
#include "dialogs/edit_let_num.h"
#include "editor/half_second_editor.h"
#include "summary/extension_list.h"

#include "page_test_support.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

using namespace skarvion;
using namespace skarvion::testing;

class InputPageTest : public PageTest {};

TEST_F(InputPageTest, TickingTheInputWritesItMarksModifiedAndRefreshesTheSummary) {
    InputPage page(context);
    select(KindInput, 2);
    page.fill();
    EXPECT_EQ(modified, 0);
    find<QCheckBox>(page, "InputCheck")->click();
    EXPECT_EQ(model.input(2).Enabled, 1);
    EXPECT_EQ(modified, 1);
    EXPECT_EQ(treeRefreshes, 1);

    // Switching off drops the report channels, and the summary shows it at once.
    model.input(2).ReportMethods = MethodSms;
    page.fill();
    const auto summaryBefore = find<TExtensionList>(page, "ExtensionList2")->lines();
    find<QCheckBox>(page, "InputCheck")->click();
    EXPECT_EQ(model.input(2).Enabled, 0);
    EXPECT_EQ(model.input(2).ReportMethods, 0);
    EXPECT_NE(find<TExtensionList>(page, "ExtensionList2")->lines(), summaryBefore);
    EXPECT_EQ(modified, 2);
}

TEST_F(InputPageTest, ConfirmationBoxOfOneInputDisablesTheOthers) {
    InputPage page(context);
    select(KindInput, 2);
    page.fill();
    auto* box = find<QCheckBox>(page, "SetOutCBox");
    EXPECT_EQ(box->text(), QString::fromUtf8("Подтверждение о доставке отчета"));
    box->click();
    EXPECT_EQ(model.OutputLinkedInput, 2);
    EXPECT_EQ(model.output(2).OutputType, OutputSystem);
    EXPECT_EQ(treeRefreshes, 1);

    select(KindInput, 3);
    page.fill();
    EXPECT_FALSE(box->isEnabled());
    EXPECT_FALSE(box->isChecked());
    EXPECT_EQ(modified, 1);
}

TEST_F(InputPageTest, SignalButtonWritesTheSignalType) {
    SignalPage page(context);
    model.input(1).SignalType = 3;
    select(KindSignal, 1);
    page.fill();
    EXPECT_TRUE(find<QRadioButton>(page, "RButtonSignal4")->isChecked());
    EXPECT_EQ(find<QLabel>(page, "SignalLabel")->text(), QString::fromUtf8("Входной сигнал 1"));
    find<QRadioButton>(page, "RButtonSignal5")->click();
    EXPECT_EQ(model.input(1).SignalType, 4);
    EXPECT_EQ(modified, 1);
}

class InputTimePageTest : public PageTest {
  protected:
    void SetUp() override {
        select(KindInputTime, 3);
        page.fill();
    }
    TEditLetNum* whole(const char* name) { return find<TEditLetNum>(page, name); }
    TEditLetCh* tenths(const char* name) { return find<TEditLetCh>(page, name); }

    InputTimePage page{context};
};

TEST_F(InputTimePageTest, ZeroFromAFileShowsZeroAndTheFirstEditGivesHalfASecond) {
    model.input(3).ReactionTime = 0;
    page.fill();
    EXPECT_EQ(whole("EditReactinTime1")->text(), "0");
    EXPECT_EQ(tenths("EditReactinTime2")->text(), "0");
    EXPECT_EQ(modified, 0);

    whole("EditReactinTime1")->end(false);
    QTest::keyClick(whole("EditReactinTime1"), Qt::Key_0);
    EXPECT_EQ(model.input(3).ReactionTime, 1);
    EXPECT_EQ(tenths("EditReactinTime2")->text(), "5");
    EXPECT_EQ(modified, 1);
}

TEST_F(InputTimePageTest, WholeSecondsKeepTheHalfAndTenthsSetOrClearIt) {
    model.input(3).RestoreTime = 5; // 2.5 s
    page.fill();
    whole("EditReturnTime1")->setText("12");
    EXPECT_EQ(model.input(3).RestoreTime, 25);
    tenths("EditReturnTime2")->setText("0");
    EXPECT_EQ(model.input(3).RestoreTime, 24);
    tenths("EditReturnTime2")->setText("5");
    EXPECT_EQ(model.input(3).RestoreTime, 25);
    // An empty tenths field means no half-second, whichever delay it belongs to.
    tenths("EditReturnTime2")->setText("");
    EXPECT_EQ(model.input(3).RestoreTime, 24);
    whole("EditLockoutTime1")->setText("500");
    EXPECT_EQ(model.input(3).LockoutTime, 254);
}

TEST_F(InputTimePageTest, UpDownStopsAtHalfASecondAnd127AndAHalf) {
    model.input(3).LockoutTime = 1;
    model.input(3).ReactionTime = 255;
    page.fill();
    QTest::mouseClick(find<QToolButton>(page, "UpDownLockoutDown"), Qt::LeftButton);
    EXPECT_EQ(model.input(3).LockoutTime, 1);
    QTest::mouseClick(find<QToolButton>(page, "UpDownReactionUp"), Qt::LeftButton);
    EXPECT_EQ(model.input(3).ReactionTime, 255);
    EXPECT_EQ(modified, 0);

    QTest::mouseClick(find<QToolButton>(page, "UpDownLockoutUp"), Qt::LeftButton);
    EXPECT_EQ(model.input(3).LockoutTime, 2);
    EXPECT_EQ(whole("EditLockoutTime1")->text(), "1");
    EXPECT_EQ(tenths("EditLockoutTime2")->text(), "0");
    EXPECT_EQ(modified, 1);
}

TEST_F(InputTimePageTest, HandlersDoNothingWhileAPageIsLoading) {
    context.PageUpdating = true;
    whole("EditReactinTime1")->setText("9");
    context.PageUpdating = false;
    EXPECT_EQ(model.input(3).ReactionTime, 4);
    EXPECT_EQ(modified, 0);
}
