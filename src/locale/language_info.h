#pragma once

// One entry of the list of languages the user can choose from.

#include <QString>

namespace skarvion {

struct LanguageInfo {
    QString name;         // display name; the file's `Main`/`Name`
    QString path;         // the language file; empty for the built-in language
    bool builtIn = false; // true for the built-in (Russian) language
    QString suffix;       // suffix of its LANGUAGE_NAME / LANGUAGE_PATH values

    // The entry the language list starts with.
    static LanguageInfo builtInListEntry() { return {QStringLiteral("Русский "), {}, true, "_"}; }
    // The entry that stands for the built-in language when nothing is selected.
    static LanguageInfo builtInLanguage() { return {{}, {}, true, "_"}; }

    bool operator==(const LanguageInfo&) const = default;
};

} // namespace skarvion
