// Summaries: generating every page of the settings tree, and laying out the
// largest page line by line with real font metrics, as the list paints it.

#include "locale/language_texts.h"
#include "summary/markup_layout.h"
#include "summary/qt_markup_metrics.h"
#include "summary/summary_sections.h"

#include "model_fixtures.h"

#include <QFont>

#include <benchmark/benchmark.h>

using namespace skarvion;

namespace {

void BM_AllSummaries(benchmark::State& state) {
    const ConfigurationModel model = skarvion::testing::FullyConfiguredModel();
    const LanguageTexts texts;
    for (auto _ : state) {
        for (const std::string& name : SummarySectionNames())
            benchmark::DoNotOptimize(SummarySectionLines(name, model, texts));
    }
}
BENCHMARK(BM_AllSummaries)->Unit(benchmark::kMicrosecond);

// The page with the most text.
std::pair<std::string, MarkupLines> largestPage() {
    const ConfigurationModel model = skarvion::testing::FullyConfiguredModel();
    const LanguageTexts texts;
    std::pair<std::string, MarkupLines> largest;
    std::size_t largestSize = 0;
    for (const std::string& name : SummarySectionNames()) {
        MarkupLines lines = SummarySectionLines(name, model, texts).value_or(MarkupLines{});
        std::size_t size = 0;
        for (const auto& line : lines)
            size += line.size();
        if (size > largestSize) {
            largestSize = size;
            largest = {name, std::move(lines)};
        }
    }
    return largest;
}

void BM_LayoutLargestPage(benchmark::State& state) {
    const auto [name, lines] = largestPage();
    const QFont font("Sans", 10);
    const QtMarkupMetrics metrics(font);
    const MarkupBase base{MarkupFontOf(font), MarkupColour{}};
    for (auto _ : state) {
        MarkupColour pen;
        int top = 0;
        for (const auto& line : lines) {
            const int height = MarkupItemHeight(line, 17);
            benchmark::DoNotOptimize(
                LayoutMarkupLine(line, MarkupRect{0, top, 600, top + height}, base, pen, metrics));
            top += height;
        }
    }
    state.SetLabel("page " + name + ": " + std::to_string(lines.size()) + " lines");
}
BENCHMARK(BM_LayoutLargestPage)->Unit(benchmark::kMicrosecond);

} // namespace
