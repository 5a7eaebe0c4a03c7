#include "locale/language_texts.h"

#include "locale/language_table.h"
#include "locale/language_text_codec.h"
#include "model/windows1251.h"

#include <QFileInfo>

namespace skarvion {

namespace {

const std::string EmptyText;

bool getsTrailingBlank(std::string_view key) {
    return key == "TREEINPUT" || key == "TREEOUTPUT";
}

} // namespace

LanguageTexts::LanguageTexts() : slots_(builtInTexts()) {}

const std::string& LanguageTexts::text(std::string_view key) const {
    const auto index = languageKeyIndex(key);
    return index ? slots_[*index] : EmptyText;
}

const std::string& LanguageTexts::builtInText(std::string_view key) {
    const auto index = languageKeyIndex(key);
    return index ? builtInTexts()[*index] : EmptyText;
}

void LanguageTexts::resetToBuiltIn() {
    slots_ = builtInTexts();
}

LanguageLoadResult LanguageTexts::applyLanguage(const LanguageInfo& entry,
                                                const QString& registeredName) {
    active_ = entry;
    if (entry.builtIn) {
        resetToBuiltIn();
        return {LanguageLoadStatus::BuiltIn, false};
    }
    return applyLanguageFile(entry.path, registeredName);
}

LanguageLoadResult LanguageTexts::applyLanguageFile(const QString& path,
                                                    const QString& registeredName) {
    if (!path.isEmpty() && !QFileInfo(path).isFile())
        return {LanguageLoadStatus::FileMissing, false};
    return applyLanguageProfile(IniFile::load(path), registeredName);
}

LanguageLoadResult LanguageTexts::applyLanguageProfile(const IniFile& file,
                                                       const QString& registeredName) {
    const bool skipLanguage = languageFileName(file) == registeredName;
    const auto keys = languageKeys();
    const std::vector<std::string>& builtIn = builtInTexts();
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (skipLanguage && keys[i].section == LanguageSection::Language) continue;
        slots_[i] = readLanguageText(file, sectionName(keys[i].section), keys[i].key, builtIn[i]);
        if (getsTrailingBlank(keys[i].key)) slots_[i] += ' ';
    }
    return {LanguageLoadStatus::Applied, skipLanguage};
}

QString uiText(const LanguageTexts& texts, std::string_view key) {
    return FromWindows1251(texts.text(key));
}

QString languageFileName(const IniFile& file) {
    return FromWindows1251(file.readString("Main", "Name"));
}

} // namespace skarvion
