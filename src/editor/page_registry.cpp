// Which widget stands behind each page name of the page area.

#include "editor/editor_page.h"
#include "editor/channel_pages.h"
#include "editor/clip_pages.h"
#include "editor/gsm_pages.h"
#include "editor/report_page.h"
#include "editor/test_pages.h"
#include "editor/input_page.h"
#include "editor/output_pages.h"
#include "editor/phone_book_page.h"
#include "editor/pin_page.h"
#include "editor/signal_page.h"
#include "editor/sms_centre_page.h"
#include "editor/summary_page.h"
#include "editor/time_page.h"
#include "editor/external_panel_page.h"
#include "editor/print_info_pages.h"
#include "editor/request_page.h"
#include "editor/voltage_pages.h"
#include "editor/work_mode_page.h"
#include "editor/zone_page.h"
#include "summary/summary_generators.h"

#include <QLabel>
#include <QVBoxLayout>

#include <optional>

namespace skarvion {

namespace {

// Shown for pages whose editor is not built: the page area stays usable.
class EmptyPage : public EditorPage {
  public:
    using EditorPage::EditorPage;
    void fill() override {}
};

using Lines = std::optional<MarkupLines>;

Lines testBlockSummary(EditorContext& c) {
    if (c.current.kind == KindVoltageTest) return VoltageTestSummary(c.model, c.texts);
    return TestReportsSummary(c.model, c.texts);
}

struct SummaryPageRule {
    const char* name;
    SummaryPage::Generator generator;
};

const SummaryPageRule summaryPages[] = {
    {"Info", [](EditorContext& c) -> Lines { return ProjectOverview(c.model, c.texts); }},
    {"Output",
     [](EditorContext& c) -> Lines { return OutputSummary(c.model, c.texts, c.current.output); }},
    {"TestBlockInfo", testBlockSummary},
    {"PrintInfo_Rep", [](EditorContext& c) -> Lines { return PrintInfoSummary(c.model, c.texts); }},
};

template <typename Page> PageFactory editor() {
    return
        [](EditorContext& c) -> std::unique_ptr<EditorPage> { return std::make_unique<Page>(c); };
}

PageFactory clipPage(const ClipPageSpec& entry) {
    return [&entry](EditorContext& c) -> std::unique_ptr<EditorPage> {
        return std::make_unique<ClipPage>(c, entry);
    };
}

PageFactory smsPage(const OutputSmsPageSpec& entry) {
    return [&entry](EditorContext& c) -> std::unique_ptr<EditorPage> {
        return std::make_unique<OutputSmsPage>(c, entry);
    };
}

PageFactory printField(const PrintFieldSpec& entry) {
    return [&entry](EditorContext& c) -> std::unique_ptr<EditorPage> {
        return std::make_unique<PrintFieldPage>(c, entry);
    };
}

struct EditorPageRule {
    const char* name;
    PageFactory create;
};

const EditorPageRule editorPages[] = {
    {"Input", editor<InputPage>()},
    {"Signal", editor<SignalPage>()},
    {"Time", editor<InputTimePage>()},
    {"OutStart", editor<OutputStartPage>()},
    {"OutputType", editor<OutputModePage>()},
    {"OUT_TIME", editor<OutputTimePage>()},
    {"OutSMSControl", smsPage(OutSmsControlSpec)},
    {"OutSMSAnswer", smsPage(OutSmsAnswerSpec)},
    {"Phone", editor<PhoneBookPage>()},
    {"Pin", editor<PinPage>()},
    {"SMSCentre", editor<SmsCentrePage>()},
    {"InReport", editor<InputReportPage>()},
    {"ALARM_Set", editor<AlarmChannelPage>()},
    {"SMS_Text", editor<SmsChannelPage>()},
    {"DATA_Set", editor<DataChannelPage>()},
    {"CLIP_Set", clipPage(InputClipSpec)},
    {"GSM_CLIP", clipPage(GsmClipSpec)},
    {"PerCLIPSet", clipPage(PeriodicClipSpec)},
    {"TestInformation", editor<TestInformationPage>()},
    {"TestTime", editor<TestTimePage>()},
    {"PerReports", editor<PeriodicReportsPage>()},
    {"PerSMSText", editor<PeriodicSmsPage>()},
    {"PerDATASet", editor<PeriodicDataPage>()},
    {"GSMSignal", editor<GsmSignalPage>()},
    {"GSMNet_Time", editor<GsmTimePage>()},
    {"GSM_Reports", editor<GsmReportsPage>()},
    {"GSMSMS_Text", editor<GsmSmsPage>()},
    {"VoltageAC_DC_Set", editor<VoltageSettingsPage>()},
    {"VoltageRep", editor<VoltageReportsPage>()},
    {"VoltDATA", editor<VoltageDataPage>()},
    {"VoltSMS", editor<VoltageSmsPage>()},
    {"CPanel_Mode", editor<WorkModePage>()},
    {"DopParam234", editor<ZonePage>()},
    {"CROW Adapter", editor<ExternalPanelPage>()},
    {"zapros", editor<RequestPage>()},
    {"PrintInfoSNum", printField(SerialNumberSpec)},
    {"PrintInfoRegNum", printField(SimRegNumberSpec)},
    {"PrintInfoSIMPh", printField(SimPhoneNumberSpec)},
    {"PrintFWareVersion", printField(FirmwareVersionSpec)},
    {"PrintInfoComment", editor<CommentPage>()},
};

} // namespace

std::unique_ptr<EditorPage> CreatePage(const QString& name, EditorContext& context) {
    std::unique_ptr<EditorPage> page;
    for (const SummaryPageRule& rule : summaryPages) {
        if (name == rule.name) page = std::make_unique<SummaryPage>(context, rule.generator);
    }
    for (const EditorPageRule& rule : editorPages) {
        if (name == rule.name) page = rule.create(context);
    }
    if (!page) page = std::make_unique<EmptyPage>(context);
    page->setObjectName(name);
    return page;
}

} // namespace skarvion
