#include "fuzz_support.h"

#include "app/model_json.h"
#include "app/project_file.h"
#include "locale/language_texts.h"
#include "model/device_image.h"
#include "model/model_operations.h"
#include "summary/markup_plain_text.h"
#include "summary/summary_sections.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <variant>

namespace skarvion::fuzz {

namespace {

int clampedSize(const MarkupFont& font) {
    return std::clamp(font.size, 1, 400);
}

const LanguageTexts& builtInTexts() {
    static const LanguageTexts texts;
    return texts;
}

} // namespace

int FuzzMetrics::textWidth(std::string_view text, const MarkupFont& font) const {
    if (text.empty()) return 0;
    const int perCharacter = std::max(1, clampedSize(font) / 2 + (font.bold ? 1 : 0));
    return static_cast<int>(std::min<std::size_t>(text.size(), 1 << 20)) * perCharacter;
}

int FuzzMetrics::textHeight(const MarkupFont& font) const {
    return clampedSize(font) + 6;
}

void Require(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

ConfigurationModel ThroughImage(const ConfigurationModel& model) {
    ConfigurationModel decoded = StartupModel();
    DecodeImage(EncodeImage(model), decoded);
    return decoded;
}

void RequireSameModel(const ConfigurationModel& a, const ConfigurationModel& b, const char* what) {
    if (a == b) return;
    const std::vector<FieldValue> fa = FlattenModel(a);
    const std::vector<FieldValue> fb = FlattenModel(b);
    for (std::size_t i = 0; i < std::min(fa.size(), fb.size()); ++i) {
        if (fa[i].value != fb[i].value)
            std::fprintf(stderr, "  %s: %s / %s\n", qPrintable(fa[i].path), qPrintable(fa[i].value),
                         qPrintable(fb[i].value));
    }
    Require(false, what);
}

void LayoutLines(const std::vector<std::string>& lines) {
    const FuzzMetrics metrics;
    const MarkupBase base{MarkupFont{}, MarkupColour{}};
    MarkupColour pen;
    int top = 0;
    for (const std::string& line : lines) {
        const int height = MarkupItemHeight(line, 17);
        const MarkupRect rect{0, top, 600, top + std::max(height, 1)};
        const MarkupColour expectedPen = MarkupPenAfter(line, base.colour, pen);
        const MarkupLineLayout layout = LayoutMarkupLine(line, rect, base, pen, metrics);
        Require(pen == expectedPen, "the pen after a line differs from MarkupPenAfter");
        Require(layout.naturalWidth >= 0, "negative natural width");
        for (const MarkupDrawOp& op : layout.operations) {
            if (const auto* run = std::get_if<MarkupTextRun>(&op))
                Require(!run->text.empty() && run->width >= 0, "empty or negative text run");
        }
        top = std::min(top + std::max(height, 1), 1 << 24);
    }
}

void ExerciseModel(const ConfigurationModel& model) {
    ConfigurationModel imported = StartupModel();
    if (!ModelFromJson(ModelToJson(model), imported))
        RequireSameModel(model, imported, "JSON export and import change the model");
    // Saved as a project file (when it fits one), it opens to what a device
    // write and read would give, print information included.
    const QByteArray project = ProjectFileBytes(model);
    if (project.size() <= 0xFFFF) {
        ConfigurationModel opened = StartupModel();
        Require(ParseProjectFile(project, opened).ok(), "a saved project does not open");
        ConfigurationModel expected = ThroughImage(model);
        expected.PrintInfo = model.PrintInfo;
        // The power supply is not kept in project files.
        expected.PrintInfo.PowerSupplyKind = opened.PrintInfo.PowerSupplyKind;
        expected.PrintInfo.PowerSupplyText = opened.PrintInfo.PowerSupplyText;
        RequireSameModel(expected, opened, "a saved project opens to another model");
    }
    ConsistencyWarnings(model);
    FlattenModel(model);

    const LanguageTexts& texts = builtInTexts();
    for (const std::string& name : SummarySectionNames()) {
        const auto lines = SummarySectionLines(name, model, texts);
        Require(lines.has_value(), "a listed summary has no lines");
        MarkupToPlainText(*lines); // layout is the markup harness's business
    }
}

} // namespace skarvion::fuzz
