#pragma once

// The normalisation of the stored working directory and serial port that runs
// each time the main window or the settings dialog becomes active.

#include <QString>
#include <QStringList>

namespace skarvion {

class Preferences;

struct WorkingDirectory {
    QString path;
    bool isProgramDirectory = false; // the "use the program's directory" box
};

// The working directory from `WorkPath` when it names an existing directory
// (with or without a trailing separator); otherwise the program's directory,
// which is then stored. programDirectory ends with its separator.
WorkingDirectory resolveWorkPath(Preferences& preferences, const QString& programDirectory);

// Chooses the port the selector shows: the stored `CPUPort` (the first port
// when the stored text is empty) matched ignoring case; a missing value or a
// port not in the list selects nothing. Stores the chosen port's name, or an
// empty text when nothing is selected, and gives its index or -1.
int resolveCpuPort(Preferences& preferences, const QStringList& ports);

} // namespace skarvion
