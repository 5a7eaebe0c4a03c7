#pragma once

// Opens documents and addresses with the desktop's registered programs.

#include "dialogs/desktop_launcher.h"

namespace skarvion {

class QtDesktopLauncher : public DesktopLauncher {
  public:
    bool openUrl(const QUrl& url) override;
};

} // namespace skarvion
