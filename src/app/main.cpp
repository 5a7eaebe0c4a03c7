// skarvion-pro: the desktop configuration tool.

#include "app/main_window.h"
#include "app/splash.h"

#include <QApplication>
#include <QSplashScreen>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The application title: Qt shows it after each window title and as the
    // caption of message boxes that have none of their own.
    QApplication::setApplicationDisplayName("SkarvionPro");
    // Lets the desktop match the window to its menu entry and icon.
    QApplication::setDesktopFileName("skarvion-pro");

    QSplashScreen splash(skarvion::SplashPicture());
    splash.show();
    app.processEvents();

    auto settings = skarvion::Preferences::openProgramSettings();
    skarvion::TApplicationForm window(*settings);
    const QStringList arguments = app.arguments();
    if (arguments.size() > 1 && !arguments[1].isEmpty()) window.openFromCommandLine(arguments[1]);

    // The splash stays a moment after the window exists, then gives way to it.
    constexpr int SplashMilliseconds = 200;
    QTimer::singleShot(SplashMilliseconds, &window, [&] {
        window.show();
        splash.finish(&window);
        window.activate();
    });
    return app.exec();
}
