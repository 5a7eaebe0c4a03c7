#include "dialogs/edit_let_num.h"

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

using namespace skarvion;

namespace {

class EditLetNumTest : public ::testing::Test {
  protected:
    // A whole-seconds delay field: 0..127, three digits, showing 0.
    void SetUp() override {
        field.setNumberCount(3);
        field.setMaxNumber(127);
        field.setMinNumber(0);
        field.setNumber(0);
        field.setCursorPosition(1);
        spy.clear();
    }

    // The values reported since the spy was made.
    std::vector<int> reported() const {
        std::vector<int> values;
        for (const QList<QVariant>& arguments : spy)
            values.push_back(arguments.at(0).toInt());
        return values;
    }

    TEditLetNum field;
    QSignalSpy spy{&field, &TEditLetNum::changed};
};

TEST_F(EditLetNumTest, TypedDigitsReplaceZeroThenScrollWhenFull) {
    field.setMaxNumber(999);
    QTest::keyClicks(&field, "7");
    EXPECT_EQ(field.text(), "7");
    field.setNumber(0);
    field.setCursorPosition(1);
    spy.clear();

    QTest::keyClicks(&field, "1234");
    EXPECT_EQ(field.text(), "234");
    EXPECT_EQ(field.cursorPosition(), 3);
    EXPECT_EQ(reported(), (std::vector<int>{1, 12, 123, 234}));
}

TEST_F(EditLetNumTest, ValueOverMaximumIsShownAndReportedClamped) {
    QTest::keyClicks(&field, "12");
    spy.clear();
    QTest::keyClick(&field, '9');
    EXPECT_EQ(field.text(), "127");
    EXPECT_EQ(field.number(), 127);
    EXPECT_EQ(reported(), std::vector<int>{127});
}

TEST_F(EditLetNumTest, PastedTextIsClampedAndReportedOnce) {
    QApplication::clipboard()->setText("500");
    field.selectAll();
    spy.clear();
    field.paste();
    EXPECT_EQ(field.text(), "127");
    EXPECT_EQ(reported(), std::vector<int>{127});
}

TEST_F(EditLetNumTest, DeletingEveryDigitLeavesMinimum) {
    field.setNumber(95);
    field.selectAll();
    QTest::keyClick(&field, Qt::Key_Backspace);
    EXPECT_EQ(field.text(), "0");

    field.setMinNumber(1);
    field.setNumber(95);
    field.selectAll();
    spy.clear();
    QTest::keyClick(&field, Qt::Key_Backspace);
    EXPECT_EQ(field.text(), "1");
    EXPECT_EQ(reported(), std::vector<int>{1});
}

TEST_F(EditLetNumTest, RefusedKeysChangeAndReportNothing) {
    field.setNumber(12);
    spy.clear();
    QTest::keyClicks(&field, "a.- ");
    EXPECT_EQ(field.text(), "12");
    EXPECT_TRUE(reported().empty());
}

TEST_F(EditLetNumTest, SettingNumberCutsToDigitCount) {
    field.setMaxNumber(999);
    field.setNumber(4567);
    EXPECT_EQ(field.text(), "456");
    EXPECT_EQ(field.number(), 456);
}

TEST_F(EditLetNumTest, BlockChangSilencesTypingAndNormalising) {
    field.setBlockChang(true);
    QTest::keyClicks(&field, "45");
    field.setText("999");
    EXPECT_EQ(field.text(), "127");
    EXPECT_TRUE(reported().empty());
}

TEST_F(EditLetNumTest, ReadOnlyFieldIgnoresTyping) {
    field.setReadOnly(true);
    QTest::keyClicks(&field, "45");
    QTest::keyClick(&field, Qt::Key_Backspace);
    EXPECT_EQ(field.text(), "0");
}

TEST_F(EditLetNumTest, EnterAndArrowKeysAreReported) {
    QSignalSpy enter(&field, &TEditLetNum::pressEnter);
    QSignalSpy left(&field, &TEditLetNum::leftKeyPressed);
    QSignalSpy right(&field, &TEditLetNum::rightKeyPressed);
    QTest::keyClick(&field, Qt::Key_Return);
    QTest::keyClick(&field, Qt::Key_Left);
    QTest::keyClick(&field, Qt::Key_Right);
    QTest::keyClick(&field, Qt::Key_Right);
    EXPECT_EQ(enter.count(), 1);
    EXPECT_EQ(left.count(), 1);
    EXPECT_EQ(right.count(), 2);
    EXPECT_EQ(field.cursorPosition(), 1);
}

TEST_F(EditLetNumTest, NarrowerBoundsApplyToTheShownValue) {
    field.setNumber(100);
    field.setMaxNumber(16);
    EXPECT_EQ(field.text(), "16");
    field.setNumberCount(1);
    EXPECT_EQ(field.text(), "1");
}

} // namespace
