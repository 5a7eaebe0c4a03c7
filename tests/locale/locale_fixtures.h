#pragma once

// A temporary folder for language files and a settings file, so that tests
// never touch the user's real preferences.

#include "locale/preferences.h"

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace skarvion::test {

// Windows-1251 bytes of a UTF-8 text written in a test.
std::string cp1251(std::string_view utf8);

class LocaleFolder : public ::testing::Test {
  protected:
    QString path(const QString& name) const { return folder_.filePath(name); }
    // Writes the bytes to a file of the folder and gives its path.
    QString writeFile(const QString& name, std::string_view bytes) const;
    // A language file named displayName (UTF-8) followed by further lines.
    QString writeLanguageFile(const QString& name, std::string_view displayName,
                              std::string_view moreLines = {}) const;

  private:
    QTemporaryDir folder_;
};

class PreferencesFixture : public LocaleFolder {
  protected:
    QSettings settings{path("settings.ini"), QSettings::IniFormat};
    Preferences preferences{settings};
};

} // namespace skarvion::test
