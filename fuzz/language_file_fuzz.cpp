// Language files: the INI reader, the texts taken from it, and the summaries
// built with those texts (a text may carry markup codes of its own).

#include "fuzz_support.h"

#include "locale/ini_file.h"
#include "locale/language_texts.h"
#include "model/model_operations.h"
#include "summary/markup_plain_text.h"
#include "summary/summary_sections.h"

using namespace skarvion;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const IniFile file = IniFile::fromBytes(fuzz::Bytes(data, size));
    LanguageTexts texts;
    texts.applyLanguageProfile(file, QString());
    texts.applyLanguageProfile(file, languageFileName(file));
    uiText(texts, "TREEINPUT");

    const ConfigurationModel model = StartupModel();
    for (const std::string& name : SummarySectionNames()) {
        const auto lines = SummarySectionLines(name, model, texts);
        fuzz::Require(lines.has_value(), "a listed summary has no lines");
        fuzz::LayoutLines(*lines);
        MarkupToPlainText(*lines);
    }
    return 0;
}
