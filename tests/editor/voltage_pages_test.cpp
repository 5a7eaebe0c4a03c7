#include "editor/voltage_pages.h"

#include "editor/phone_selector.h"

#include "page_test_support.h"
#include "phone_test_support.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>

using namespace skarvion;
using namespace skarvion::testing;

class VoltagePagesTest : public PageTest {};

TEST_F(VoltagePagesTest, SettingsPageShowsTheFixedFiguresAndSwitchesTheBatteryTest) {
    model.VoltMethods = MethodSms;
    VoltageSettingsPage page(context);
    select(KindVoltageSettings, 3, 3);
    page.fill();
    const std::pair<const char*, const char*> figures[] = {
        {"EditLetCh5", "10,5"}, {"EditLetCh7", "12,0"}, {"Edit5", "60"},
        {"Edit6", "60"},        {"Edit7", "600"},       {"Edit8", "60"}};
    for (const auto& [name, text] : figures) {
        EXPECT_EQ(find<QLineEdit>(page, name)->text(), QString::fromLatin1(text)) << name;
        EXPECT_FALSE(find<QLineEdit>(page, name)->isEnabledTo(&page)) << name;
    }
    EXPECT_EQ(modified, 0);

    find<QCheckBox>(page, "EnableDCTestCB")->click();
    EXPECT_EQ(model.DcTestEnabled, 1);
    EXPECT_EQ(model.VoltMethods, 0) << "the reports start with no channel";
    EXPECT_EQ(modified, 1);
    EXPECT_EQ(treeRefreshes, 1);
}

TEST_F(VoltagePagesTest, ReportsPageAsksForAPhoneWhenThePhoneBookIsEmpty) {
    VoltageReportsPage page(context);
    std::optional<Text> answer = Text("+79007654321");
    int questions = 0;
    page.setPhoneAsker([&](const PhoneQuestion& q) {
        ++questions;
        EXPECT_TRUE(q.required);
        return answer;
    });
    select(KindVoltageReports, 3, 3);
    page.fill();
    auto* data = find<QCheckBox>(page, "AC_DC_CBox2");
    EXPECT_FALSE(find<QCheckBox>(page, "AC_DC_CBox1")->isEnabled()) << "no control sets CLIP";
    data->click();
    EXPECT_EQ(questions, 1);
    EXPECT_EQ(model.VoltDataPhone1, 1);
    EXPECT_EQ(model.DcTestEnabled, 1);
    EXPECT_EQ(model.VoltMethods, MethodData);
    EXPECT_TRUE(data->isChecked());
    EXPECT_EQ(treeRefreshes, 1);

    // Without an answer the SMS channel stays off.
    ClearPhoneEntry(model, 1);
    answer.reset();
    auto* sms = find<QCheckBox>(page, "AC_DC_CBox4");
    sms->click();
    EXPECT_FALSE(sms->isChecked());
    EXPECT_EQ(model.VoltMethods & MethodSms, 0);
}

TEST_F(VoltagePagesTest, SmsPageMovesTheSecondPhoneUpAndWritesChoices) {
    model = ModelWithPhones({3, 7});
    model.VoltSmsPhone1 = 0;
    model.VoltSmsPhone2 = 7;
    VoltageSmsPage page(context);
    select(KindVoltageSms, 3, 3);
    page.fill();
    EXPECT_EQ(model.VoltSmsPhone1, 7);
    EXPECT_EQ(model.VoltSmsPhone2, 0);
    EXPECT_EQ(page.selector(1)->currentSlot(), 7);
    EXPECT_EQ(page.selector(2)->currentSlot(), 0);
    EXPECT_EQ(find<QPlainTextEdit>(page, "Memo12")->toPlainText(), "Power AC 220V Loss");

    emit page.selector(2)->activated(1); // entry 3 after "none"
    EXPECT_EQ(model.VoltSmsPhone2, 3);
    find<QCheckBox>(page, "VoltSMS_RMDC_CBox")->click();
    EXPECT_EQ(model.DcSmsNoRestore, 1);
    EXPECT_EQ(model.AcSmsNoRestore, 0);
    EXPECT_EQ(modified, 2);
}

TEST_F(VoltagePagesTest, DataPageShowsTheContactIdCharacters) {
    model = ModelWithPhones({2});
    model.AccountNumber = "1234";
    model.AcEventCode = "301";
    model.DcEventCode = "1234302A0000";
    VoltageDataPage page(context);
    select(KindVoltageData, 3, 3);
    page.fill();
    const std::pair<const char*, const char*> shown[] = {
        {"VTstObject1", "1"}, {"VTstObject4", "4"}, {"VTstCodeAC1", "3"}, {"VTstCodeAC3", "1"},
        {"VTstCodeDC1", "3"}, {"VTstCodeDC3", "2"}, {"VTstZone2", "0"},   {"VTstPartion1", "0"}};
    for (const auto& [name, text] : shown)
        EXPECT_EQ(find<QLineEdit>(page, name)->text(), QString::fromLatin1(text)) << name;
    EXPECT_EQ(model.VoltDataPhone1, 2) << "the first selector names the first used entry";

    find<QCheckBox>(page, "VDATA_RDAC_CBox")->click();
    EXPECT_EQ(model.AcDataNoRestore, 1);
    EXPECT_EQ(modified, 1);
}
