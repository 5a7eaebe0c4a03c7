#pragma once

// How language file sections and keys are compared: blanks (spaces and tabs)
// around a name do not count, and ASCII letters match in either case.

#include <string>
#include <string_view>

namespace skarvion {

inline bool isProfileBlank(char c) {
    return c == ' ' || c == '\t';
}

inline std::string_view trimProfileBlanks(std::string_view text) {
    while (!text.empty() && isProfileBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isProfileBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The form under which a name is looked up: trimmed and upper-cased.
inline std::string foldProfileName(std::string_view name) {
    std::string folded(trimProfileBlanks(name));
    for (char& c : folded)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return folded;
}

} // namespace skarvion
