#include "dialogs/edit_let_ch.h"

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

using namespace skarvion;

namespace {

class EditLetChTest : public ::testing::Test {
  protected:
    QStringList reported() const {
        QStringList texts;
        for (const QList<QVariant>& arguments : spy)
            texts.push_back(arguments.at(0).toString());
        return texts;
    }

    TEditLetCh field;
    QSignalSpy spy{&field, &TEditLetCh::changed};
};

TEST_F(EditLetChTest, LowerCaseLetterEntersUpperCase) {
    QTest::keyClick(&field, 'b');
    EXPECT_EQ(field.text(), "B");
    EXPECT_EQ(reported(), QStringList{"B"});
}

TEST_F(EditLetChTest, RefusedKeyReportsUnchangedText) {
    field.setText("1");
    spy.clear();
    QTest::keyClick(&field, 'E');
    EXPECT_EQ(field.text(), "1");
    EXPECT_EQ(reported(), QStringList{"1"});
}

TEST_F(EditLetChTest, HalfSecondDigitScrollsAtEnd) {
    field.setCharString("05");
    field.setCharCount(1);
    field.setText("0");
    field.setCursorPosition(1);
    QTest::keyClick(&field, '5');
    EXPECT_EQ(field.text(), "5");
    EXPECT_EQ(field.cursorPosition(), 1);
}

TEST_F(EditLetChTest, FullPinOverwritesInsideAndScrollsAtEnd) {
    field.setCharString("1234567890");
    field.setCharCount(4);
    QTest::keyClicks(&field, "12345");
    EXPECT_EQ(field.text(), "2345");
    field.setCursorPosition(1);
    QTest::keyClicks(&field, "99");
    EXPECT_EQ(field.text(), "2995");
    EXPECT_EQ(field.cursorPosition(), 3);
}

TEST_F(EditLetChTest, NotSpaceFieldNeverBecomesEmpty) {
    field.setCharString("05");
    field.setCharCount(1);
    field.setNotSpace(true);
    EXPECT_EQ(field.text(), "0");

    field.setText("5");
    field.setCursorPosition(1);
    QTest::keyClick(&field, Qt::Key_Backspace);
    EXPECT_EQ(field.text(), "0");
    EXPECT_EQ(field.cursorPosition(), 1);
    field.selectAll();
    QTest::keyClick(&field, Qt::Key_Delete);
    EXPECT_EQ(field.text(), "0");
}

TEST_F(EditLetChTest, PastedTextIsFiltered) {
    field.setCharString("1234567890+");
    field.setCharCount(31);
    QApplication::clipboard()->setText("+7 (912) 555-01-02");
    spy.clear();
    field.paste();
    EXPECT_EQ(field.text(), "+79125550102");
    EXPECT_EQ(reported(), QStringList{"+79125550102"});
}

TEST_F(EditLetChTest, ShorterCountCutsTextAndKeepsCaret) {
    field.setCharString("1234567890");
    field.setCharCount(6);
    field.setText("123456");
    field.setCursorPosition(2);
    field.setCharCount(4);
    EXPECT_EQ(field.text(), "1234");
    EXPECT_EQ(field.cursorPosition(), 2);
}

TEST_F(EditLetChTest, InputUpperCaseUpperCasesCurrentText) {
    field.setCharString("abcABC");
    field.setCharCount(4);
    field.setText("abC");
    field.setInputUpperCase(true);
    EXPECT_EQ(field.text(), "ABC");
}

TEST_F(EditLetChTest, BlockChangSilencesTypingAndNormalising) {
    field.setBlockChang(true);
    QTest::keyClicks(&field, "1e");
    field.setText("ABCD");
    EXPECT_EQ(field.text(), "AB");
    EXPECT_TRUE(reported().empty());
}

TEST(EditLetFocus, FocusChangeReportsOnceForEachField) {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* first = new TEditLetCh(&window);
    auto* second = new TEditLetCh(&window);
    layout->addWidget(first);
    layout->addWidget(second);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    first->setFocus();
    ASSERT_TRUE(first->hasFocus());

    QSignalSpy firstFocus(first, &TEditLetCh::focused);
    QSignalSpy secondFocus(second, &TEditLetCh::focused);
    second->setFocus();
    EXPECT_EQ(firstFocus.count(), 1);
    EXPECT_EQ(secondFocus.count(), 1);
}

} // namespace
