#include "editor/channel_pages.h"

#include "dialogs/edit_let_ch.h"
#include "editor/phone_selector.h"
#include "editor/sms_memo.h"
#include "model_fixtures.h"
#include "page_test_support.h"
#include "phone_test_support.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QTest>

using namespace skarvion;
using namespace skarvion::testing;

namespace {

// Chooses the item standing for `slot` as the user would.
void choose(PhoneSelector* selector, int slot) {
    for (int i = 0; i < selector->count(); ++i) {
        if (selector->slotAt(i) != slot) continue;
        selector->setCurrentIndex(i);
        emit selector->activated(i);
        return;
    }
    ADD_FAILURE() << "slot " << slot << " not listed";
}

} // namespace

class ChannelPagesTest : public PageTest {
  protected:
    ChannelPagesTest() { model = ModelWithPhones({2, 5, 12}); }
};

TEST_F(ChannelPagesTest, AlarmListsTheFirstNineEntriesAndTheConditionFollowsThePhones) {
    AlarmChannelPage page(context);
    model.input(2).AlarmPhones = {12, 0, 0};
    select(KindAlarm, 2);
    page.fill();
    auto* first = find<PhoneSelector>(page, "ALARMComboBox");
    EXPECT_EQ(first->count(), 2); // entries 2 and 5
    EXPECT_EQ(model.input(2).AlarmPhones[0], 2);
    EXPECT_FALSE(find<QWidget>(page, "PanelAL_AND_OR")->isEnabled());
    EXPECT_EQ(find<QLabel>(page, "ALARMOutLabel")->text(),
              QString::fromUtf8("ALARM настройки Вход 2"));

    choose(find<PhoneSelector>(page, "ALARMComboBox3"), 5);
    EXPECT_EQ(model.input(2).AlarmPhones[2], 5);
    EXPECT_TRUE(find<QWidget>(page, "PanelAL_AND_OR")->isEnabled());
    EXPECT_EQ(modified, 1);
}

TEST_F(ChannelPagesTest, SmsTextsPhonesAndTheInvertedRestoreBox) {
    SmsChannelPage page(context);
    model.input(3).SmsPhones = {0, 12, 9}; // 9 names an empty entry
    model.input(3).SmsNoRestore = 0;
    select(KindSms, 3);
    page.fill();
    EXPECT_EQ(model.input(3).SmsPhones, (std::array<PhoneRef, 3>{2, 12, 0}));
    EXPECT_TRUE(find<QCheckBox>(page, "SMSCBox")->isChecked());
    EXPECT_TRUE(find<QCheckBox>(page, "Cbrus")->isHidden());

    find<QCheckBox>(page, "SMSCBox")->click();
    EXPECT_EQ(model.input(3).SmsNoRestore, 1);
    page.memo(0)->setPlainText(QStringLiteral("Door open"));
    EXPECT_EQ(model.input(3).AlarmText, "Door open");
    choose(find<PhoneSelector>(page, "SMSComboBox2"), 0);
    EXPECT_EQ(model.input(3).SmsPhones[1], 0);
    EXPECT_EQ(modified, 3);
}

TEST_F(ChannelPagesTest, TheArmingRecordSwitchesItsTextsToEnglish) {
    SmsChannelPage page(context);
    select(KindSms, ArmingRecord);
    page.fill();
    auto* russian = find<QCheckBox>(page, "Cbrus");
    EXPECT_FALSE(russian->isHidden());
    EXPECT_TRUE(russian->isChecked());
    russian->click();
    EXPECT_EQ(model.arm().AlarmText, "ARMED");
    EXPECT_EQ(page.memo(1)->storedText(), "DISARMED");
    EXPECT_EQ(find<QCheckBox>(page, "SMSCBox")->text(),
              QString::fromUtf8("Блокировка отчета о снятии"));
}

TEST_F(ChannelPagesTest, ContactIdFieldsStoreUpperCaseAndMoveOn) {
    DataChannelPage page(context);
    page.show();
    page.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&page));
    select(KindData, 1);
    page.fill();
    EXPECT_EQ(modified, 0);
    auto* code1 = find<TEditLetCh>(page, "DATACode1");
    EXPECT_EQ(code1->text(), "1");
    code1->setFocus();
    code1->selectAll();
    QTest::keyClick(code1, Qt::Key_B);
    EXPECT_EQ(model.input(1).EventCode.substr(4, 3), "B30");
    EXPECT_TRUE(find<TEditLetCh>(page, "DATACode2")->hasFocus());
    auto* lastField = find<TEditLetCh>(page, "DATAPart2");
    lastField->setText("7");
    EXPECT_EQ(model.input(1).EventCode, "1111B3000107");
    lastField->setText(""); // an emptied field stores "0"
    EXPECT_EQ(model.input(1).EventCode, "1111B3000100");
    EXPECT_EQ(modified, 3);
}

TEST_F(ChannelPagesTest, DataOfTheArmingRecordKeepsItsContactIdFixed) {
    DataChannelPage page(context);
    model.arm().DataPhone2 = 9; // empty entry
    select(KindData, ArmingRecord);
    page.fill();
    EXPECT_FALSE(find<TEditLetCh>(page, "DATAObj1")->isEnabled());
    EXPECT_FALSE(find<QCheckBox>(page, "InpDATACBox")->isEnabled());
    EXPECT_FALSE(find<PhoneSelector>(page, "DATAComboBox3")->isEnabled());
    EXPECT_EQ(model.arm().DataPhone2, 0);
    choose(find<PhoneSelector>(page, "DATAComboBox"), 12);
    EXPECT_EQ(model.arm().DataPhone1, 12);
}
