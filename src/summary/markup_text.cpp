#include "summary/markup_text.h"

namespace skarvion {

std::string EscapeMarkupText(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (char c : text) {
        escaped += c;
        if (c == '/') escaped += '/';
    }
    return escaped;
}

std::vector<std::string> SplitListText(std::string_view text) {
    static constexpr std::string_view Separator = "\x0A\x0D";
    std::vector<std::string> items;
    while (!text.empty()) {
        const std::size_t cut = text.find(Separator);
        items.emplace_back(text.substr(0, cut));
        if (cut == std::string_view::npos) break;
        text.remove_prefix(cut + Separator.size());
    }
    return items;
}

} // namespace skarvion
