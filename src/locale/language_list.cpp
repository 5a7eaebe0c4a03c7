#include "locale/language_list.h"

#include "locale/ini_file.h"
#include "locale/language_texts.h"
#include "locale/preferences.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace skarvion {

namespace {

bool fileExists(const QString& path) {
    return !path.isEmpty() && QFileInfo(path).isFile();
}

QString nameInFile(const QString& path) {
    return languageFileName(IniFile::load(path));
}

QString takeNameWithSuffix(QStringList& names, const QString& prefix, const QString& suffix) {
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (names[i].compare(prefix + suffix, Qt::CaseInsensitive) == 0) return names.takeAt(i);
    }
    return {};
}

} // namespace

std::vector<LanguageInfo> buildLanguageList(Preferences& preferences) {
    std::vector<LanguageInfo> list{LanguageInfo::builtInListEntry()};
    const QStringList nameValues =
        preferences.valueNamesStartingWith(Preferences::LanguageNamePrefix);
    QStringList pathValues = preferences.valueNamesStartingWith(Preferences::LanguagePathPrefix);

    for (auto it = nameValues.crbegin(); it != nameValues.crend(); ++it) {
        const QString suffix = it->mid(Preferences::LanguageNamePrefix.size()).toUpper();
        const QString pathValue =
            takeNameWithSuffix(pathValues, Preferences::LanguagePathPrefix, suffix);
        const auto name = preferences.readString(*it);
        const auto path = pathValue.isEmpty() ? std::nullopt : preferences.readString(pathValue);
        if (!name || !path) continue;
        const bool valid = !path->trimmed().isEmpty() && fileExists(*path) && [&] {
            const QString fileName = nameInFile(*path);
            return !fileName.isEmpty() && fileName == *name;
        }();
        if (!valid) {
            preferences.remove(*it);
            preferences.remove(pathValue);
            continue;
        }
        list.push_back({*name, *path, false, suffix});
    }
    return list;
}

int selectedLanguagePosition(const std::vector<LanguageInfo>& list,
                             const std::optional<QString>& settingLanguage) {
    if (!settingLanguage || settingLanguage->isEmpty()) return 0;
    for (std::size_t i = list.size(); i-- > 0;)
        if (list[i].name == *settingLanguage) return static_cast<int>(i);
    return 0;
}

LanguageInfo languageAt(const std::vector<LanguageInfo>& list, int position) {
    if (position <= 0 || position >= static_cast<int>(list.size()))
        return LanguageInfo::builtInLanguage();
    return list[static_cast<std::size_t>(position)];
}

QString freeLanguageSuffix(const std::vector<LanguageInfo>& list) {
    for (int n = 1; n <= 999; ++n) {
        const QString suffix = QStringLiteral("_%1").arg(n);
        const bool used = std::any_of(list.begin(), list.end(), [&](const LanguageInfo& entry) {
            return entry.suffix.compare(suffix, Qt::CaseInsensitive) == 0;
        });
        if (!used) return suffix;
    }
    return {};
}

std::optional<QString> addLanguage(Preferences& preferences, const std::vector<LanguageInfo>& list,
                                   const QString& name, const QString& path) {
    if (name.isEmpty() || path.isEmpty() || !fileExists(path) || nameInFile(path) != name)
        return std::nullopt;
    const QString suffix = freeLanguageSuffix(list);
    if (suffix.isEmpty()) return std::nullopt;
    preferences.writeString(Preferences::LanguageNamePrefix + suffix, name);
    preferences.writeString(Preferences::LanguagePathPrefix + suffix, path);
    return suffix;
}

std::optional<QString> addLanguageFile(Preferences& preferences,
                                       const std::vector<LanguageInfo>& list, const QString& path) {
    const QString name = nameInFile(path);
    if (name.isEmpty()) return std::nullopt;
    return addLanguage(preferences, list, name, path);
}

QString shippedLanguageFolder(const QString& programDirectory) {
    const QDir program(programDirectory);
    for (const char* relative : {"../share/skarvion/lang", "../../lang"}) {
        const QString folder = QDir::cleanPath(program.filePath(QString::fromLatin1(relative)));
        if (QFileInfo(folder).isDir()) return folder;
    }
    return programDirectory;
}

} // namespace skarvion
