#pragma once

// A reader of INI profiles as the language files use them: "[section]" lines,
// then "key=value" lines, in the single-byte Windows-1251 code page.

#include <QString>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace skarvion {

class IniFile {
  public:
    // The longest value handed out, in bytes; longer values are cut.
    static constexpr std::size_t MaxValueLength = 2047;
    // Files are read up to this size; the rest is ignored.
    static constexpr qint64 MaxFileSize = 16 * 1024 * 1024;

    IniFile() = default; // an empty profile: every read gives its default

    // Parses profile bytes. Windows-1251 is assumed; a file starting with a
    // UTF-8 or UTF-16LE byte-order mark is converted to Windows-1251, with "?"
    // for characters the code page lacks.
    static IniFile fromBytes(std::string_view bytes);

    // Reads a file; a missing or unreadable file gives an empty profile.
    static IniFile load(const QString& path);

    // The value of a key: blanks around it removed, one pair of enclosing
    // quotes (" or ') removed, cut to MaxValueLength. Sections and keys match
    // without regard to ASCII case and to blanks around them; the first
    // section of a name and the first line of a key in it count.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;

    std::string readString(std::string_view section, std::string_view key,
                           std::string_view fallback = {}) const;

    bool hasSection(std::string_view section) const;

  private:
    using Entries = std::unordered_map<std::string, std::string>; // folded key -> value
    std::unordered_map<std::string, Entries> sections_;           // folded name -> entries
};

} // namespace skarvion
