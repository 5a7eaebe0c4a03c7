#include "summary/summary_generators.h"

namespace skarvion {

namespace {

const Text LongBlank = "    _______________________________";
const Text ShortBlank = "    _______________";

void appendField(MarkupLines& lines, const LanguageTexts& texts, const char* captionKey,
                 const Text& value, const Text& blank) {
    lines.push_back("/sb/z4 " + texts.text(captionKey));
    lines.push_back("/d3");
    lines.push_back(value.empty() ? blank : "    " + value);
    lines.push_back("/d5");
}

// The comment lines that a carriage return ends; a line feed right after the
// return (a comment stored with CR LF) belongs to the break, not to the next line.
std::vector<Text> endedLines(const Text& comment) {
    std::vector<Text> lines;
    std::size_t start = 0;
    for (std::size_t cr = comment.find('\r'); cr != Text::npos; cr = comment.find('\r', start)) {
        lines.push_back(comment.substr(start, cr - start));
        start = cr + 1;
        if (start < comment.size() && comment[start] == '\n') ++start;
    }
    return lines;
}

} // namespace

MarkupLines PrintInfoSummary(const ConfigurationModel& model, const LanguageTexts& texts) {
    const PrintInformation& info = model.PrintInfo;
    MarkupLines lines{"/nx/pm/ac/cb/z6/sb " + texts.text("REP2_CAPTION"), "/d3"};
    appendField(lines, texts, "REP2_SER_NUM", info.SerialNumber, LongBlank);
    appendField(lines, texts, "REP2_FWARE_VER", info.FirmwareVersion, ShortBlank);
    appendField(lines, texts, "REP2_SIM_PHONE", info.SimPhoneNumber, LongBlank);
    appendField(lines, texts, "REP2_REG_NUM", info.SimRegNumber, LongBlank);
    lines.push_back("/sb/z4 " + texts.text("REP2_COMMENT"));
    lines.push_back("/d3");
    for (const Text& line : endedLines(info.ReportComment))
        lines.push_back("    " + line);
    lines.push_back("/d5");
    return lines;
}

} // namespace skarvion
