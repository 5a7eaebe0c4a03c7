#pragma once

// The compiled help files shipped in the program's folder and how they are
// opened: with the desktop's viewer when present, silently not at all when
// the file is missing.

#include "dialogs/desktop_launcher.h"

#include <QString>

namespace skarvion {

enum class HelpFile {
    Contents, // "pom510_06.chm", the help contents (F1)
    WhatsNew, // "his510_06.chm", the release history
};

QString helpFileName(HelpFile file);

// The help file's path in the given program folder.
QString helpFilePath(const QString& programFolder, HelpFile file);

// Opens the help file when it exists; true when it was handed to the viewer.
bool openHelpFile(DesktopLauncher& launcher, const QString& programFolder, HelpFile file);

} // namespace skarvion
