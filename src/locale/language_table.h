#pragma once

// The table of language keys: every text slot the user interface shows, with
// its built-in text. Language files replace these texts key by key.

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace skarvion {

// The two sections of a language file that hold texts.
enum class LanguageSection { Language, Menu };

std::string_view sectionName(LanguageSection section);

struct LanguageKey {
    LanguageSection section;
    std::string_view key;
    std::string_view builtInUtf8; // the built-in text as UTF-8
};

// Every key, section `Language` first, then section `Menu`. Keys are unique
// across both sections, also when compared without regard to case.
std::span<const LanguageKey> languageKeys();

// Position of a key in languageKeys(); blanks around the key and letter case
// are ignored. Empty for an unknown key.
std::optional<std::size_t> languageKeyIndex(std::string_view key);

// The built-in texts as Windows-1251 bytes, one per entry of languageKeys().
const std::vector<std::string>& builtInTexts();

} // namespace skarvion
