#pragma once

// The list of languages the user can choose from: the built-in language and
// the language files registered in the preferences.

#include "locale/language_info.h"

#include <QString>

#include <optional>
#include <vector>

namespace skarvion {

class Preferences;

// Builds the list: the built-in entry first, then every registered language
// (LANGUAGE_NAME + suffix, LANGUAGE_PATH + suffix) whose file exists and whose
// `Main`/`Name` equals the registered name. The values of a registered
// language that fails this are removed from the preferences.
std::vector<LanguageInfo> buildLanguageList(Preferences& preferences);

// The position the selector shows: the last entry whose name equals the
// stored `SettingLanguage` exactly; 0 when there is none or it is empty.
int selectedLanguagePosition(const std::vector<LanguageInfo>& list,
                             const std::optional<QString>& settingLanguage);

// The entry at a selector position; position 0, no selection (-1) or a
// position outside the list give the built-in language.
LanguageInfo languageAt(const std::vector<LanguageInfo>& list, int position);

// The registry suffix a new language gets: the smallest "_<n>", n = 1..999,
// that no entry of the list uses; empty when all are taken.
QString freeLanguageSuffix(const std::vector<LanguageInfo>& list);

// Registers a language file under the smallest free suffix. Both texts must be
// non-empty, the file must exist and its `Main`/`Name` must equal name
// exactly. Gives the suffix used, or nothing when the language was not added.
std::optional<QString> addLanguage(Preferences& preferences, const std::vector<LanguageInfo>& list,
                                   const QString& name, const QString& path);

// Registers the language file chosen by the user under its own `Main`/`Name`;
// a file without a name is ignored.
std::optional<QString> addLanguageFile(Preferences& preferences,
                                       const std::vector<LanguageInfo>& list, const QString& path);

// The folder Add Language opens in: where the language files shipped with
// the program are (share/skarvion/lang of an installed program, lang/ of the
// build folder), or the program's folder when neither is there.
QString shippedLanguageFolder(const QString& programDirectory);

} // namespace skarvion
