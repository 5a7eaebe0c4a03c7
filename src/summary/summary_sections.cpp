#include "summary/summary_sections.h"

#include "model/windows1251.h"
#include "summary/markup_plain_text.h"
#include "summary/summary_generators.h"

#include <algorithm>
#include <functional>

namespace skarvion {

namespace {

using Generator = std::function<MarkupLines(ConfigurationModel&, const LanguageTexts&)>;

struct Section {
    std::string name;
    Generator generate;
};

const std::vector<Section>& sections() {
    static const std::vector<Section> table = [] {
        std::vector<Section> list{{"info", ProjectOverview}};
        for (int n = 1; n <= 4; ++n)
            list.push_back(
                {"input" + std::to_string(n), [n](ConfigurationModel& m, const LanguageTexts& t) {
                     return InputSummary(m, t, n);
                 }});
        for (int n = 1; n <= OutputCount; ++n)
            list.push_back(
                {"output" + std::to_string(n), [n](ConfigurationModel& m, const LanguageTexts& t) {
                     return OutputSummary(m, t, n);
                 }});
        list.push_back({"tests", TestReportsSummary});
        list.push_back({"gsm", GsmTestSummary});
        list.push_back({"periodic", PeriodicTestSummary});
        list.push_back({"voltage", [](ConfigurationModel& m, const LanguageTexts& t) {
                            return VoltageTestSummary(m, t);
                        }});
        list.push_back({"printinfo", [](ConfigurationModel& m, const LanguageTexts& t) {
                            return PrintInfoSummary(m, t);
                        }});
        return list;
    }();
    return table;
}

void appendText(std::vector<std::string>& out, const MarkupLines& lines, bool markup) {
    for (const std::string& line : markup ? lines : MarkupToPlainText(lines))
        out.push_back(Windows1251ToUtf8(line));
}

} // namespace

const std::vector<std::string>& SummarySectionNames() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> list;
        for (const Section& section : sections())
            list.push_back(section.name);
        return list;
    }();
    return names;
}

std::optional<std::string> CheckSummarySection(std::string_view name) {
    const auto& names = SummarySectionNames();
    if (std::find(names.begin(), names.end(), name) != names.end()) return std::nullopt;
    std::string known;
    for (const std::string& n : names)
        known += (known.empty() ? "" : ", ") + n;
    return "unknown section \"" + std::string(name) + "\" (one of: " + known + ")";
}

std::optional<MarkupLines> SummarySectionLines(std::string_view name,
                                               const ConfigurationModel& model,
                                               const LanguageTexts& texts) {
    for (const Section& section : sections()) {
        if (section.name != name) continue;
        ConfigurationModel copy = model;
        return section.generate(copy, texts);
    }
    return std::nullopt;
}

SummaryTextResult SummaryText(const ConfigurationModel& model, const LanguageTexts& texts,
                              std::optional<std::string_view> section, bool markup) {
    SummaryTextResult result;
    if (section) {
        const auto lines = SummarySectionLines(*section, model, texts);
        if (!lines) {
            result.error = CheckSummarySection(*section).value_or(std::string());
            return result;
        }
        appendText(result.lines, *lines, markup);
        result.ok = true;
        return result;
    }
    for (const std::string& name : SummarySectionNames()) {
        if (!result.lines.empty() && !markup) result.lines.emplace_back();
        result.lines.push_back("[" + name + "]");
        appendText(result.lines, *SummarySectionLines(name, model, texts), markup);
    }
    result.ok = true;
    return result;
}

} // namespace skarvion
