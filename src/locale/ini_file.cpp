#include "locale/ini_file.h"

#include "locale/key_folding.h"
#include "model/windows1251.h"

#include <QFile>

namespace skarvion {

namespace {

bool startsWith(std::string_view bytes, std::string_view prefix) {
    return bytes.substr(0, prefix.size()) == prefix;
}

// Converts Unicode text to Windows-1251 character by character.
std::string toCodePage(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (QChar c : text) {
        const auto byte = ToWindows1251(QString(c));
        bytes += byte ? *byte : std::string("?");
    }
    return bytes;
}

// Profile bytes in Windows-1251, whatever encoding a byte-order mark announces.
std::string codePageBytes(std::string_view bytes) {
    if (startsWith(bytes, "\xEF\xBB\xBF")) {
        bytes.remove_prefix(3);
        return toCodePage(QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size())));
    }
    if (startsWith(bytes, "\xFF\xFE")) {
        bytes.remove_prefix(2);
        QString text;
        for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
            const auto low = static_cast<unsigned char>(bytes[i]);
            const auto high = static_cast<unsigned char>(bytes[i + 1]);
            text.append(QChar(static_cast<char16_t>(low | (high << 8))));
        }
        return toCodePage(text);
    }
    return std::string(bytes);
}

std::string_view valueText(std::string_view raw) {
    std::string_view value = trimProfileBlanks(raw);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return value.substr(0, IniFile::MaxValueLength);
}

bool isLineEnd(char c) {
    return c == '\n' || c == '\r' || c == '\0';
}

} // namespace

IniFile IniFile::fromBytes(std::string_view input) {
    const std::string bytes = codePageBytes(input);
    IniFile file;
    Entries* current = nullptr; // lines before the first section belong to none
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t end = pos;
        while (end < bytes.size() && !isLineEnd(bytes[end]))
            ++end;
        const std::string_view line =
            trimProfileBlanks(std::string_view(bytes).substr(pos, end - pos));
        pos = end + 1;
        if (line.empty() || line.front() == ';') continue;
        if (line.front() == '[') {
            const std::size_t close = line.find(']');
            const std::string name =
                foldProfileName(line.substr(1, close == line.npos ? line.npos : close - 1));
            const bool firstOfName = !file.sections_.contains(name);
            current = firstOfName ? &file.sections_[name] : nullptr;
            continue;
        }
        const std::size_t equals = line.find('=');
        if (current == nullptr || equals == line.npos) continue;
        const std::string key = foldProfileName(line.substr(0, equals));
        if (!key.empty()) current->emplace(key, std::string(valueText(line.substr(equals + 1))));
    }
    return file;
}

IniFile IniFile::load(const QString& path) {
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) return IniFile();
    const QByteArray bytes = file.read(MaxFileSize);
    return fromBytes(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const {
    const auto found = sections_.find(foldProfileName(section));
    if (found == sections_.end()) return std::nullopt;
    const auto entry = found->second.find(foldProfileName(key));
    if (entry == found->second.end()) return std::nullopt;
    return entry->second;
}

std::string IniFile::readString(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
    return value(section, key).value_or(std::string(fallback));
}

bool IniFile::hasSection(std::string_view section) const {
    return sections_.contains(foldProfileName(section));
}

} // namespace skarvion
