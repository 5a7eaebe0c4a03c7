#include "editor/phone_book_page.h"

#include "editor/phone_list_view.h"
#include "model/windows1251.h"

#include "page_test_support.h"
#include "phone_test_support.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QProgressBar>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

using namespace skarvion;
using namespace skarvion::testing;

class PhoneBookPageTest : public PageTest {
  protected:
    void SetUp() override {
        page.setPhoneAsker([this](const PhoneQuestion& q) -> std::optional<Text> {
            questions.push_back(q);
            return answer;
        });
        select(KindPhoneBook);
        page.fill();
    }

    QString rowText(int slot) { return tree()->topLevelItem(slot - 1)->text(0); }
    QTreeWidget* tree() { return page.phoneList()->list(); }

    PhoneBookPage page{context};
    std::optional<Text> answer;
    std::vector<PhoneQuestion> questions;
};

TEST_F(PhoneBookPageTest, ShowsFortySlotsWithTheEmptySlotText) {
    EXPECT_EQ(tree()->objectName(), "VirtualDrawTree4");
    EXPECT_EQ(tree()->topLevelItemCount(), 40);
    EXPECT_EQ(rowText(5), QString::fromUtf8("Телефон 5 - нет"));
    EXPECT_EQ(tree()->headerItem()->text(1), QString::fromUtf8("Использование"));
    EXPECT_EQ(page.phoneList()->selectedRow(), 0);
}

TEST_F(PhoneBookPageTest, EditStoresTheNumberAndMarksModified) {
    answer = "+7 912 000";
    page.phoneList()->selectRow(5);
    page.editSelected();
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_TRUE(questions[0].required);
    EXPECT_EQ(model.phone(5).Number, "+7912000");
    EXPECT_EQ(rowText(5), "+7912000");
    EXPECT_EQ(model.input(1).ClipPhone1, 5);
    EXPECT_EQ(modified, 1);

    answer.reset(); // Cancel
    page.editSelected();
    EXPECT_EQ(modified, 1);
}

TEST_F(PhoneBookPageTest, DeleteKeyEmptiesTheRowAndRepairsReferences) {
    PutPhone(model, 2);
    PutPhone(model, 7);
    model.input(2).SmsPhones = {7, 7, 2};
    page.fill();
    page.phoneList()->selectRow(7);
    tree()->setFocus();
    page.action("ActPhDelete")->trigger();
    EXPECT_TRUE(model.phone(7).Empty);
    EXPECT_EQ(rowText(7), QString::fromUtf8("Телефон 7 - нет"));
    EXPECT_EQ(model.input(2).SmsPhones, (std::array<PhoneRef, 3>{2, 0, 2}));
    EXPECT_EQ(modified, 1);
}

TEST_F(PhoneBookPageTest, CopyAndPasteGoThroughTheClipboard) {
    PutPhone(model, 1);
    page.fill();
    page.phoneList()->selectRow(1);
    page.copySelected();
    EXPECT_EQ(QApplication::clipboard()->text(), "+79000001");

    QApplication::clipboard()->setText("8 (916) 123-45");
    page.phoneList()->selectRow(9);
    page.pasteToSelected();
    EXPECT_EQ(model.phone(9).Number, "891612345");
    EXPECT_FALSE(model.phone(9).Empty);
    EXPECT_EQ(modified, 1);
}

TEST_F(PhoneBookPageTest, ScrollButtonsMoveTheBar) {
    QProgressBar* bar = page.findChild<QProgressBar*>("ProgressBar1");
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->value(), 30);
    page.show();
    QTest::mouseClick(page.findChild<QToolButton*>("SpeedButton4"), Qt::LeftButton);
    EXPECT_EQ(page.phoneList()->topRow(), 2);
    EXPECT_EQ(bar->value(), 28); // 30 - 3 * 30 / 32
    QTest::mouseClick(page.findChild<QToolButton*>("SpeedButton2"), Qt::LeftButton);
    EXPECT_EQ(page.phoneList()->topRow(), 1);
    page.fill();
    EXPECT_EQ(page.phoneList()->topRow(), 0);
    EXPECT_EQ(bar->value(), 30);
}
