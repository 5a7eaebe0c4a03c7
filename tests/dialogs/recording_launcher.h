#pragma once

#include "dialogs/desktop_launcher.h"

#include <QUrl>

#include <vector>

namespace skarvion::testing {

// A desktop that records what it was asked to open and opens nothing.
class RecordingLauncher : public DesktopLauncher {
  public:
    bool openUrl(const QUrl& url) override {
        opened.push_back(url);
        return true;
    }
    std::vector<QUrl> opened;
};

} // namespace skarvion::testing
