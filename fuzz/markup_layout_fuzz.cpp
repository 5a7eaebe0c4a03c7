// Slash markup lines, one per input line: layout, item heights, pen colours
// and the plain-text reading.

#include "fuzz_support.h"

#include "summary/markup_plain_text.h"

#include <string>
#include <vector>

using namespace skarvion;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> lines;
    std::string_view rest = fuzz::Bytes(data, size);
    for (;;) {
        const std::size_t end = rest.find('\n');
        lines.emplace_back(rest.substr(0, end));
        if (end == std::string_view::npos) break;
        rest.remove_prefix(end + 1);
    }
    fuzz::LayoutLines(lines);
    MarkupToPlainText(lines);
    const fuzz::FuzzMetrics metrics;
    for (const std::string& line : lines)
        fuzz::Require(MarkupLineWidth(line, MarkupFont{}, MarkupFont{}, metrics) >= 0,
                      "negative line width");
    return 0;
}
