#pragma once

// Hands a document, mail address or web address to whatever the desktop
// uses to open it. The widgets use the desktop's own services; tests use a
// recording fake.

#include <QUrl>

namespace skarvion {

class DesktopLauncher {
  public:
    virtual ~DesktopLauncher() = default;
    // False when nothing could be started; callers do not report it.
    virtual bool openUrl(const QUrl& url) = 0;
};

} // namespace skarvion
