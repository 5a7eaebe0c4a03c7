#include "dialogs/phone_dialog.h"

#include "dialogs/edit_let_ch.h"
#include "locale/language_texts.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace skarvion;

namespace {

class PhoneDialogTest : public ::testing::Test {
  protected:
    // Shows the dialog without blocking, prepared for one phone.
    void showFor(const QString& number, bool strict) {
        dialog.prepare(texts, number, strict);
        dialog.show();
    }

    QPushButton* ok() { return dialog.findChild<QPushButton*>("OKBtn"); }
    QPushButton* cancel() { return dialog.findChild<QPushButton*>("CancelBtn"); }
    TEditLetCh* field() { return dialog.phoneField(); }

    LanguageTexts texts;
    TPhoneDialog dialog;
};

TEST_F(PhoneDialogTest, StrictEmptyEntryCannotBeLeftWithoutANumber) {
    showFor("", true);
    EXPECT_FALSE(ok()->isEnabled());
    EXPECT_FALSE(cancel()->isEnabled());
    EXPECT_FALSE(dialog.windowFlags().testFlag(Qt::WindowCloseButtonHint));

    QTest::keyClick(field(), Qt::Key_Escape);
    dialog.close();
    dialog.reject();
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(PhoneDialogTest, StrictOkNeedsMoreThanPlusAndOneDigit) {
    showFor("", true);
    const struct {
        const char* key;
        bool ok;
    } steps[] = {{"+", false}, {"7", false}, {"9", true}};
    for (const auto& step : steps) {
        QTest::keyClicks(field(), step.key);
        EXPECT_EQ(ok()->isEnabled(), step.ok) << field()->text().toStdString();
    }
    field()->selectAll();
    QTest::keyClicks(field(), "12");
    EXPECT_TRUE(ok()->isEnabled());
    QTest::keyClick(field(), Qt::Key_Backspace);
    EXPECT_FALSE(ok()->isEnabled());
}

TEST_F(PhoneDialogTest, StrictShowOfTooShortNumberKeepsOkDisabled) {
    showFor("5", false);
    dialog.reject();
    showFor("5", true);
    EXPECT_FALSE(ok()->isEnabled());
    EXPECT_TRUE(cancel()->isEnabled());
}

TEST_F(PhoneDialogTest, StrictEntryThatHeldANumberCanBeCancelled) {
    showFor("+79121234567", true);
    EXPECT_TRUE(ok()->isEnabled());
    EXPECT_TRUE(cancel()->isEnabled());
    QTest::mouseClick(cancel(), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST_F(PhoneDialogTest, OutsideStrictModeEverythingIsAllowed) {
    showFor("", false);
    EXPECT_TRUE(ok()->isEnabled());
    EXPECT_TRUE(cancel()->isEnabled());
    EXPECT_TRUE(dialog.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    QTest::keyClick(field(), Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(PhoneDialogTest, EnterClosesWithOkOnlyWhenOkIsEnabled) {
    showFor("", true);
    QTest::keyClicks(field(), "+7");
    QTest::keyClick(field(), Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    QTest::keyClicks(field(), "9");
    QTest::keyClick(field(), Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.phoneNumber(), "+79");
}

TEST_F(PhoneDialogTest, LabelAsksToEnterOrToEditTheNumber) {
    showFor("", false);
    auto* label = dialog.findChild<QLabel*>("LabelPhone");
    EXPECT_EQ(dialog.windowTitle(), uiText(texts, "F7_EPHON_CAPTION"));
    EXPECT_EQ(label->text(), uiText(texts, "F7_EPHON_ENT_PHON"));
    dialog.reject();
    showFor("123", false);
    EXPECT_EQ(label->text(), uiText(texts, "F7_EPHON_EDT_PHON"));
    EXPECT_EQ(field()->text(), "123");
    EXPECT_EQ(field()->selectedText(), "123");
}

TEST_F(PhoneDialogTest, FieldTakesDigitsAndPlusUpTo31) {
    showFor("", false);
    QTest::keyClicks(field(), "+7 (912) abc");
    EXPECT_EQ(field()->text(), "+7912");
    field()->setText(QString(40, u'5'));
    EXPECT_EQ(field()->text().size(), 31);
}

TEST_F(PhoneDialogTest, AskPhoneNumberGivesTheNumberOnlyOnOk) {
    QTimer::singleShot(0, &dialog, [this] {
        QTest::keyClicks(field(), "5551234");
        QTest::mouseClick(ok(), Qt::LeftButton);
    });
    EXPECT_EQ(askPhoneNumber(dialog, texts, "", true), std::optional<QString>("5551234"));

    QTimer::singleShot(0, &dialog, [this] {
        QTest::keyClicks(field(), "9");
        QTest::mouseClick(cancel(), Qt::LeftButton);
    });
    EXPECT_EQ(askPhoneNumber(dialog, texts, "5551234", true), std::nullopt);
}

} // namespace
