#include "dialogs/help_files.h"

#include <QDir>
#include <QFileInfo>

namespace skarvion {

QString helpFileName(HelpFile file) {
    return file == HelpFile::Contents ? QStringLiteral("pom510_06.chm")
                                      : QStringLiteral("his510_06.chm");
}

QString helpFilePath(const QString& programFolder, HelpFile file) {
    return QDir(programFolder).filePath(helpFileName(file));
}

bool openHelpFile(DesktopLauncher& launcher, const QString& programFolder, HelpFile file) {
    const QString path = helpFilePath(programFolder, file);
    if (!QFileInfo(path).isFile()) return false;
    return launcher.openUrl(QUrl::fromLocalFile(path));
}

} // namespace skarvion
