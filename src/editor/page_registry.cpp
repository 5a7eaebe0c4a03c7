// Which widget stands behind each page name of the page area.

#include "editor/editor_page.h"
#include "editor/summary_page.h"
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
    {"Input", [](EditorContext& c) -> Lines { return InputSummary(c.model, c.texts, c.current.input); }},
    {"Output",
     [](EditorContext& c) -> Lines { return OutputSummary(c.model, c.texts, c.current.output); }},
    {"TestBlockInfo", testBlockSummary},
    {"TestInformation", testInformation},
    {"PrintInfo_Rep", [](EditorContext& c) -> Lines { return PrintInfoSummary(c.model, c.texts); }},
};

} // namespace

std::unique_ptr<EditorPage> CreatePage(const QString& name, EditorContext& context) {
    std::unique_ptr<EditorPage> page;
    for (const SummaryPageRule& rule : summaryPages) {
        if (name == rule.name) page = std::make_unique<SummaryPage>(context, rule.generator);
    }
    if (!page) page = std::make_unique<EmptyPage>(context);
    page->setObjectName(name);
    return page;
}

} // namespace skarvion
