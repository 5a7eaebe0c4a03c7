#pragma once

// The one conversion between the model's single-byte Windows-1251 texts and
// Unicode, used at the UI, JSON and report edges.

#include <QString>

#include <optional>
#include <string>

namespace skarvion {

// Every byte has a character (0x98, unassigned, maps to U+0098), so decoding
// never fails and encoding a decoded text gives the same bytes back.
QString FromWindows1251(const std::string& bytes);

// Empty when the text holds a character Windows-1251 cannot represent.
std::optional<std::string> ToWindows1251(const QString& text);

// UTF-8 convenience forms for code that works with std::string.
std::string Windows1251ToUtf8(const std::string& bytes);
std::optional<std::string> Utf8ToWindows1251(const std::string& utf8);

} // namespace skarvion
