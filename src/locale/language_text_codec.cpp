#include "locale/language_text_codec.h"

#include "locale/ini_file.h"

#include <algorithm>

namespace skarvion {

std::string decodeLanguageText(std::string_view raw) {
    std::string text;
    text.reserve(raw.size());
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const char c = raw[i];
        if (c == '#') continue;
        if (c != '/' || i + 1 == raw.size()) {
            text += c;
            continue;
        }
        const char next = raw[i + 1];
        if (next == 'A' || next == 'a') {
            text += LanguageLineBreak;
            ++i;
        } else if (next == '/' || next == '#') {
            text += next;
            ++i;
        } else {
            text += c; // the following character is copied on the next pass
        }
    }
    return text;
}

bool isBlankLanguageText(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) <= 0x20; });
}

std::string readLanguageText(const IniFile& file, std::string_view section, std::string_view key,
                             const std::string& fallback) {
    const auto raw = file.value(section, key);
    if (!raw) return fallback;
    std::string text = decodeLanguageText(*raw);
    return isBlankLanguageText(text) ? fallback : text;
}

} // namespace skarvion
