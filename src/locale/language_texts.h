#pragma once

// The language text slots: one text per key of the language table, holding
// either the built-in text or the text of the applied language file.

#include "locale/ini_file.h"
#include "locale/language_info.h"

#include <QString>

#include <string>
#include <string_view>
#include <vector>

namespace skarvion {

enum class LanguageLoadStatus {
    BuiltIn,    // the built-in texts were assigned
    Applied,    // the file's texts were read into the slots
    FileMissing // no file at the entry's path: the slots were left as they were
};

struct LanguageLoadResult {
    LanguageLoadStatus status = LanguageLoadStatus::BuiltIn;
    // The file's `Language` section was not read because its `Main`/`Name`
    // equalled the registered name (see applyLanguageProfile).
    bool languageSectionSkipped = false;

    bool changedTexts() const { return status != LanguageLoadStatus::FileMissing; }
};

class LanguageTexts {
  public:
    LanguageTexts(); // every slot holds its built-in text

    // The current text of a key as Windows-1251 bytes; an empty text for an
    // unknown key. Blanks around the key and letter case are ignored.
    const std::string& text(std::string_view key) const;

    // The built-in text of a key (Windows-1251), empty for an unknown key.
    static const std::string& builtInText(std::string_view key);

    // Assigns the built-in text to every slot of both sections.
    void resetToBuiltIn();

    // Makes a language entry the active one and fills the slots from it: the
    // built-in texts for the built-in entry; for a file entry whose file is
    // missing nothing changes; otherwise the file's texts, as applyLanguageFile.
    // registeredName is the value `1Main_LanguagName` of the preferences
    // (empty when absent).
    LanguageLoadResult applyLanguage(const LanguageInfo& entry, const QString& registeredName);

    // Reads a language file into the slots (see applyLanguageProfile). A path
    // where no file exists leaves every slot as it is.
    LanguageLoadResult applyLanguageFile(const QString& path, const QString& registeredName);

    // Reads a parsed language file into the slots. Section `Language` is read
    // unless the file's `Main`/`Name` equals registeredName (in practice: a
    // file without a name while no name is registered); section `Menu` always.
    // A key that is missing or blank gets its built-in text; `TREEINPUT` and
    // `TREEOUTPUT` get one blank appended.
    LanguageLoadResult applyLanguageProfile(const IniFile& file, const QString& registeredName);

    // The entry last made active by applyLanguage (the built-in one at first).
    const LanguageInfo& activeLanguage() const { return active_; }

  private:
    std::vector<std::string> slots_;
    LanguageInfo active_ = LanguageInfo::builtInLanguage();
};

// The current text of a key as Unicode, for the user interface.
QString uiText(const LanguageTexts& texts, std::string_view key);

// The `Main`/`Name` of a language file as Unicode; empty when it has none.
QString languageFileName(const IniFile& file);

} // namespace skarvion
