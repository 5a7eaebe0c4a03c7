#include "editor/output_pages.h"

#include "dialogs/edit_let_ch.h"
#include "dialogs/edit_let_num.h"
#include "editor/sms_memo.h"

#include "page_test_support.h"

#include <QComboBox>
#include <QRadioButton>
#include <QTest>

using namespace skarvion;
using namespace skarvion::testing;

namespace {

bool shown(QWidget& page, const char* name) {
    return find<QWidget>(page, name)->isVisibleTo(&page);
}

} // namespace

class OutputPagesTest : public PageTest {};

TEST_F(OutputPagesTest, ModePageHidesTheSystemChoiceUnlessTheOutputIsSystem) {
    OutputModePage page(context);
    model.output(2).OutputType = OutputSystem;
    select(KindOutputMode, 2, 2);
    page.fill();
    EXPECT_FALSE(shown(page, "RButtonType1"));
    EXPECT_TRUE(shown(page, "RButtonType4"));
    EXPECT_EQ(find<QRadioButton>(page, "RButtonType4")->text(),
              QString::fromUtf8("- системный (сирена)"));

    select(KindOutputMode, 3, 3);
    page.fill();
    EXPECT_FALSE(shown(page, "RButtonType4"));
    EXPECT_TRUE(find<QRadioButton>(page, "RButtonType1")->isChecked());
    find<QRadioButton>(page, "RButtonType2")->click();
    EXPECT_EQ(model.output(3).OutputType, OutputBistable);
    EXPECT_EQ(modified, 1);
    EXPECT_EQ(treeRefreshes, 1);
}

TEST_F(OutputPagesTest, StartPageWritesOnlyAChange) {
    OutputStartPage page(context);
    select(KindOutputStart, 1, 1);
    page.fill(); // StartState 1 after a reset
    EXPECT_TRUE(find<QRadioButton>(page, "RButtonState2")->isChecked());
    find<QRadioButton>(page, "RButtonState2")->click();
    EXPECT_EQ(modified, 0);
    find<QRadioButton>(page, "RButtonState1")->click();
    EXPECT_EQ(model.output(1).StartState, 0);
    EXPECT_EQ(modified, 1);
    EXPECT_EQ(treeRefreshes, 1);
}

TEST_F(OutputPagesTest, ZeroPulseTimeBecomesHalfASecondOnTheFirstEdit) {
    OutputTimePage page(context);
    model.output(2).PulseTime = 0;
    select(KindOutputTimes, 2, 2);
    page.fill();
    EXPECT_EQ(find<TEditLetNum>(page, "EditOutTime1")->text(), "0");
    EXPECT_EQ(find<TEditLetCh>(page, "EditOutTime2")->text(), "0");
    find<TEditLetCh>(page, "EditOutTime2")->end(false);
    QTest::keyClick(find<TEditLetCh>(page, "EditOutTime2"), Qt::Key_0);
    EXPECT_EQ(model.output(2).PulseTime, 1);
    EXPECT_EQ(find<TEditLetCh>(page, "EditOutTime2")->text(), "5");
}

TEST_F(OutputPagesTest, ControlMemoRefusesALeadingDigitAndCutsPastesToTen) {
    OutputSmsPage page(context, OutSmsControlSpec);
    select(KindOutputControlSms, 1, 1);
    page.fill();
    auto* memo = find<SmsMemo>(page, "Memo3");
    QTest::keyClicks(memo, "1");
    EXPECT_EQ(memo->toPlainText(), "");
    EXPECT_EQ(modified, 0);
    QTest::keyClicks(memo, "A1");
    EXPECT_EQ(model.output(1).OnText, "A1");

    memo->setPlainText("ABCDEFGHIJKLMNO");
    EXPECT_EQ(model.output(1).OnText, "ABCDEFGHIJ");
    EXPECT_EQ(memo->toPlainText(), "ABCDEFGHIJ");
    QTest::keyClicks(memo, "Z");
    EXPECT_EQ(model.output(1).OnText, "ABCDEFGHIJ");
    EXPECT_FALSE(find<QComboBox>(page, "BaseSMSCBox")->isEnabled());
}

TEST_F(OutputPagesTest, AnswerMemosHoldTwentyCharactersOfTheirOwnOutput) {
    model.output(3).OffAnswerText = "OFF";
    OutputSmsPage page(context, OutSmsAnswerSpec);
    select(KindOutputAnswerSms, 3, 3);
    page.fill();
    auto* memo = find<SmsMemo>(page, "Memo7");
    EXPECT_EQ(memo->toPlainText(), "OFF");
    memo->setPlainText("1234567890\n1234567890XYZ");
    EXPECT_EQ(model.output(3).OffAnswerText, "12345678901234567890");
    EXPECT_EQ(model.output(1).OffAnswerText, "");
    EXPECT_EQ(modified, 1);
}
