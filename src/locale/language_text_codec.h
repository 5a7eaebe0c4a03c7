#pragma once

// The escapes of language file values and the rule that turns a blank value
// into the built-in text.

#include <string>
#include <string_view>

namespace skarvion {

class IniFile;

// The line break a "/A" escape stands for: LF then CR, the separator that
// description lists and summaries split lines at.
inline constexpr std::string_view LanguageLineBreak = "\n\r";

// Applies the escapes of a language file value: "#" alone is dropped, "/A" or
// "/a" becomes LanguageLineBreak, "//" and "/#" become their second character,
// and any other "/" stays as it is.
std::string decodeLanguageText(std::string_view raw);

// True when the text holds nothing but blanks and control characters.
bool isBlankLanguageText(std::string_view text);

// The decoded value of section/key, or the fallback (unchanged) when the key
// is missing or its decoded value is blank. A value is used untrimmed.
std::string readLanguageText(const IniFile& file, std::string_view section, std::string_view key,
                             const std::string& fallback);

} // namespace skarvion
