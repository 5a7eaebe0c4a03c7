// Which widget stands behind each page name of the page area.

#include "editor/editor_page.h"
#include "editor/input_page.h"
#include "editor/output_pages.h"
#include "editor/phone_book_page.h"
#include "editor/pin_page.h"
#include "editor/signal_page.h"
#include "editor/sms_centre_page.h"
#include "editor/summary_page.h"
#include "editor/time_page.h"
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

// GSM test DATA shows this page as it was last filled.
Lines testInformation(EditorContext& c) {
    if (c.current.kind == KindGsmTest) return GsmTestSummary(c.model, c.texts);
    if (c.current.kind == KindPeriodicTest) return PeriodicTestSummary(c.model, c.texts);
    return std::nullopt;
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
    {"TestInformation", testInformation},
    {"PrintInfo_Rep", [](EditorContext& c) -> Lines { return PrintInfoSummary(c.model, c.texts); }},
};

template <typename Page> PageFactory editor() {
    return
        [](EditorContext& c) -> std::unique_ptr<EditorPage> { return std::make_unique<Page>(c); };
}

PageFactory smsPage(const OutputSmsPageSpec& spec) {
    return [&spec](EditorContext& c) -> std::unique_ptr<EditorPage> {
        return std::make_unique<OutputSmsPage>(c, spec);
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
