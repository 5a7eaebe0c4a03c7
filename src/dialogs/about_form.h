#pragma once

// The about box: logo, product name and version, maker, the support e-mail
// and web addresses (clicking them opens the desktop's mail program or
// browser), and the device versions the program works with.

#include <QDialog>

namespace skarvion {

class DesktopLauncher;

class TAboutForm : public QDialog {
    Q_OBJECT

  public:
    // The launcher opens the e-mail and web addresses; it must outlive the box.
    explicit TAboutForm(DesktopLauncher& launcher, QWidget* parent = nullptr);

    static QString supportMailAddress();
    static QString webAddress();

  private:
    DesktopLauncher& launcher_;
};

} // namespace skarvion
