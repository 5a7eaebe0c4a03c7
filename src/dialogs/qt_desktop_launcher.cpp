#include "dialogs/qt_desktop_launcher.h"

#include <QDesktopServices>

namespace skarvion {

bool QtDesktopLauncher::openUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

} // namespace skarvion
