#include "editor/gsm_pages.h"
#include "editor/test_pages.h"

#include "editor/editor_page.h"

#include "editor/phone_selector.h"
#include "page_test_support.h"
#include "phone_test_support.h"
#include "scripted_asker.h"
#include "summary/extension_list.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>

using namespace skarvion;
using namespace skarvion::testing;

namespace {

bool nodeEnabled(const ConfigurationModel& model, int kind) {
    for (const TreeNode& node : SettingsTreeNodes())
        if (node.kind == kind) return NodeEnabled(node, model);
    ADD_FAILURE() << "no node " << kind;
    return false;
}

constexpr int Gsm = 1;
constexpr int Periodic = 2;

} // namespace

class TestPagesTest : public PageTest {};

TEST_F(TestPagesTest, TheTestBoxSwitchesTheTestAndClearsItsChannels) {
    TestInformationPage page(context);
    model.TestMethods = MethodClip;
    select(KindPeriodicTest, Periodic, Periodic);
    page.fill();
    EXPECT_TRUE(nodeEnabled(model, KindPeriodicClip));
    const auto before = page.summary()->lines();
    auto* box = find<QCheckBox>(page, "TestCheck");
    EXPECT_FALSE(box->isChecked());
    box->click();
    EXPECT_EQ(model.TestEnabled, 1);
    EXPECT_EQ(model.TestMethods, 0);
    EXPECT_FALSE(nodeEnabled(model, KindPeriodicClip));
    EXPECT_NE(page.summary()->lines(), before);
    EXPECT_EQ(modified, 1);
    EXPECT_EQ(treeRefreshes, 1);

    // GSM test DATA keeps the page as it was, and its box the test it shows.
    select(KindGsmData, Gsm, Gsm);
    page.fill();
    box->click();
    EXPECT_EQ(model.TestEnabled, 0);
    EXPECT_EQ(model.GsmTestEnabled, 0);
}

TEST_F(TestPagesTest, AZeroPeriodShowsAndStoresTenMinutes) {
    TestTimePage page(context);
    model.TestEnabled = 1;
    model.TestDays = model.TestHours = model.TestMinutes = 0;
    select(KindPeriodicTime, Periodic, Periodic);
    page.fill();
    EXPECT_EQ(model.TestMinutes, 1);
    EXPECT_EQ(page.box(2)->currentIndex(), 1);
    EXPECT_EQ(page.box(0)->count(), 31);
    EXPECT_EQ(page.box(0)->itemText(30), QString::fromUtf8("30 дней"));
    EXPECT_TRUE(page.box(0)->isEnabled());

    emit page.box(1)->activated(5);
    EXPECT_EQ(model.TestHours, 5);
    EXPECT_EQ(modified, 1);
    model.TestEnabled = 0;
    page.fill();
    EXPECT_FALSE(page.box(1)->isEnabled());
}

TEST_F(TestPagesTest, PeriodicDataReplacesClipAndTheNodesFollow) {
    model = ModelWithPhones({3});
    model.TestMethods = MethodClip;
    model.TestClipPhone1 = 3;
    PeriodicReportsPage page(context);
    select(KindPeriodicReports, Periodic, Periodic);
    page.fill();
    EXPECT_FALSE(find<QCheckBox>(page, "RepPerCButton1")->isEnabled());
    find<QCheckBox>(page, "RepPerCButton3")->click();
    EXPECT_EQ(model.TestMethods, MethodData);
    EXPECT_EQ(model.TestDataPhone1, 3);
    EXPECT_FALSE(find<QCheckBox>(page, "RepPerCButton2")->isChecked());
    EXPECT_TRUE(nodeEnabled(model, KindPeriodicData));
    EXPECT_FALSE(nodeEnabled(model, KindPeriodicClip));
    EXPECT_EQ(treeRefreshes, 1);
}

TEST_F(TestPagesTest, PeriodicSmsAndDataPhones) {
    model = ModelWithPhones({});
    model.TestDataPhone1 = 4;
    model.TestDataPhone2 = 5;
    model.TestDataPhone3 = 6;
    PeriodicDataPage data(context);
    select(KindPeriodicData, Periodic, Periodic);
    data.fill();
    EXPECT_EQ(model.TestDataPhone1 + model.TestDataPhone2 + model.TestDataPhone3, 0);

    PutPhone(model, 8);
    PeriodicSmsPage sms(context);
    select(KindPeriodicSms, Periodic, Periodic);
    sms.fill();
    EXPECT_EQ(model.TestSmsPhones[0], 8);
    EXPECT_EQ(modified, 0);
}

TEST_F(TestPagesTest, GsmLimitsFromAFileAreShownAndStoredWithinRange) {
    model.GsmSignalLevel = 0;
    model.GsmLowTime = 9;
    GsmSignalPage signal(context);
    GsmTimePage time(context);
    select(KindGsmLevel, Gsm, Gsm);
    signal.fill();
    EXPECT_TRUE(find<QRadioButton>(signal, "GSMSignRButton1")->isChecked());
    EXPECT_EQ(model.GsmSignalLevel, 1);
    find<QRadioButton>(signal, "GSMSignRButton3")->click();
    EXPECT_EQ(model.GsmSignalLevel, 3);

    select(KindGsmTime, Gsm, Gsm);
    time.fill();
    EXPECT_EQ(model.GsmLowTime, 6);
    EXPECT_EQ(time.box(0)->currentText(), QString::fromUtf8("60 сек"));
    EXPECT_EQ(time.box(1)->count(), 12);
    emit time.box(1)->activated(11);
    EXPECT_EQ(model.GsmNormalTime, 12);
    EXPECT_EQ(modified, 2);
}

TEST_F(TestPagesTest, GsmSmsOffersTheFirstNineEntriesAndStoresTheFixedTexts) {
    model = ModelWithPhones({3, 12});
    model.GsmSmsPhone2 = 12;
    GsmSmsPage page(context);
    select(KindGsmSms, Gsm, Gsm);
    page.fill();
    auto* first = find<PhoneSelector>(page, "GSMSMSComboBox1");
    EXPECT_EQ(first->count(), 1);
    EXPECT_EQ(first->slotAt(0), 3);
    EXPECT_EQ(model.GsmSmsPhone2, 0);
    EXPECT_EQ(model.GsmSmsText, "LOW SIGNAL GSM LEVEL");
    find<QCheckBox>(page, "SMSCheckBox")->click();
    EXPECT_EQ(model.GsmNoRestore, 1);
    EXPECT_EQ(modified, 1);
}

TEST_F(TestPagesTest, GsmClipAndSmsExcludeEachOtherOnTheReportsPage) {
    model = ModelWithPhones({2, 7});
    ScriptedAsker ask;
    GsmReportsPage page(context);
    page.setPhoneAsker(ask.asker());
    select(KindGsmReports, Gsm, Gsm);
    page.fill();
    EXPECT_FALSE(find<QCheckBox>(page, "CBoxRepGSM2")->isEnabled());
    find<QCheckBox>(page, "CBoxRepGSM1")->click();
    EXPECT_EQ(model.GsmMethods, MethodClip);
    EXPECT_EQ(model.GsmClipPhone1, 2);
    EXPECT_TRUE(nodeEnabled(model, KindGsmClip));
    find<QCheckBox>(page, "CBoxRepGSM4")->click();
    EXPECT_EQ(model.GsmMethods, MethodSms);
    EXPECT_FALSE(find<QCheckBox>(page, "CBoxRepGSM1")->isChecked());
    EXPECT_FALSE(nodeEnabled(model, KindGsmClip));
    EXPECT_TRUE(nodeEnabled(model, KindGsmSms));
    EXPECT_EQ(modified, 2);
    EXPECT_TRUE(ask.questions.empty());
}

TEST_F(TestPagesTest, EveryReportAndTestNodeOpensABuiltPageThatLoadsWithoutEditing) {
    model = ModelWithPhones({1, 2});
    const int kinds[] = {
        KindReport,       KindSms,          KindAlarm,          KindClip,        KindData,
        KindGsmTest,      KindPeriodicTest, KindPeriodicTime,   KindPeriodicSms, KindPeriodicClip,
        KindPeriodicData, KindGsmLevel,     KindGsmReports,     KindGsmSms,      KindGsmClip,
        KindGsmData,      KindGsmTime,      KindPeriodicReports};
    for (const TreeNode& node : SettingsTreeNodes()) {
        if (std::find(std::begin(kinds), std::end(kinds), node.kind) == std::end(kinds)) continue;
        const QString name = NodePageName(node.kind);
        std::unique_ptr<EditorPage> page = CreatePage(name, context);
        // A page name without an editor gets the plain empty page.
        EXPECT_STRNE(page->metaObject()->className(), "skarvion::EditorPage") << name.toStdString();
        select(node.kind, node.input, node.output);
        page->fill();
        EXPECT_FALSE(context.PageUpdating);
    }
    EXPECT_EQ(modified, 0);
}
