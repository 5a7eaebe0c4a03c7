#include "editor/print_info_pages.h"

#include "dialogs/edit_let_ch.h"

#include "page_test_support.h"

#include <QLineEdit>
#include <QTest>

using namespace skarvion;
using namespace skarvion::testing;

class PrintInfoPagesTest : public PageTest {};

TEST_F(PrintInfoPagesTest, SerialNumberKeepsItsLastFortyCharactersWithoutBlanks) {
    PrintFieldPage page(context, SerialNumberSpec);
    select(KindSerialNumber);
    page.fill();
    QLineEdit* field = page.field();
    EXPECT_EQ(field->objectName(), "Edit2");
    field->setText(QStringLiteral(" A123 "));
    EXPECT_EQ(model.PrintInfo.SerialNumber, "A123");
    EXPECT_EQ(modified, 1);

    const QString forty = QStringLiteral("0123456789").repeated(4);
    field->setText(forty);
    field->end(false);
    QTest::keyClick(field, Qt::Key_X);
    EXPECT_EQ(field->text(), forty.mid(1) + QStringLiteral("x"));
    EXPECT_EQ(model.PrintInfo.SerialNumber, (forty.mid(1) + QStringLiteral("x")).toStdString());
}

TEST_F(PrintInfoPagesTest, RegistrationNumberIsStoredAsTyped) {
    PrintFieldPage page(context, SimRegNumberSpec);
    page.fill();
    page.field()->setText(QStringLiteral(" 77 "));
    EXPECT_EQ(model.PrintInfo.SimRegNumber, " 77 ");
}

TEST_F(PrintInfoPagesTest, SimPhoneFieldTakesDigitsAndPlusOnly) {
    PrintFieldPage page(context, SimPhoneNumberSpec);
    page.fill();
    auto* field = qobject_cast<TEditLetCh*>(page.field());
    ASSERT_NE(field, nullptr);
    field->setText(QStringLiteral("+7 (900) 12"));
    EXPECT_EQ(model.PrintInfo.SimPhoneNumber, "+790012");
    EXPECT_EQ(modified, 1);
}

TEST_F(PrintInfoPagesTest, CommentLinesComeBackWhenThePageIsShownAgain) {
    CommentPage page(context);
    page.fill();
    page.memo()->setPlainText(QStringLiteral("a\nb"));
    EXPECT_EQ(model.PrintInfo.ReportComment, "a\rb\r");
    EXPECT_EQ(modified, 1);
    CommentPage again(context);
    again.fill();
    EXPECT_EQ(again.memo()->toPlainText(), QStringLiteral("a\nb"));

    page.memo()->setPlainText(QString(350, QLatin1Char('w')));
    EXPECT_EQ(page.memo()->toPlainText(), QString(300, QLatin1Char('w')));
    EXPECT_EQ(model.PrintInfo.ReportComment, std::string(300, 'w') + "\r");
    page.memo()->moveCursor(QTextCursor::End);
    QTest::keyClick(page.memo(), Qt::Key_Q);
    EXPECT_EQ(page.memo()->toPlainText().size(), 300) << "a full comment refuses keys";
    QTest::keyClick(page.memo(), Qt::Key_Backspace);
    EXPECT_EQ(model.PrintInfo.ReportComment, std::string(299, 'w') + "\r");
}
