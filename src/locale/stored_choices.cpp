#include "locale/stored_choices.h"

#include "locale/preferences.h"

#include <QFileInfo>

namespace skarvion {

WorkingDirectory resolveWorkPath(Preferences& preferences, const QString& programDirectory) {
    const auto stored = preferences.workPath();
    if (stored && !stored->isEmpty() && QFileInfo(*stored).isDir())
        return {*stored, *stored == programDirectory};
    preferences.setWorkPath(programDirectory);
    return {programDirectory, true};
}

int resolveCpuPort(Preferences& preferences, const QStringList& ports) {
    int index = -1;
    const auto stored = preferences.cpuPort();
    if (!ports.isEmpty() && stored) {
        const QString wanted = stored->isEmpty() ? ports.front() : *stored;
        for (qsizetype i = 0; i < ports.size() && index < 0; ++i)
            if (ports[i].compare(wanted, Qt::CaseInsensitive) == 0) index = static_cast<int>(i);
    }
    preferences.setCpuPort(index < 0 ? QString() : ports[index]);
    return index;
}

} // namespace skarvion
