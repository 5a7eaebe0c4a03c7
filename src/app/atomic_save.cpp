#include "app/atomic_save.h"

#include <QSaveFile>

namespace skarvion {

namespace {

// Why the bytes did not reach the disk. A write cut short by a full disk
// leaves the system no error to describe.
QString writeFailure(const QSaveFile& file) {
    const QString why = file.errorString();
    if (why.isEmpty() || why == QLatin1String("Unknown error"))
        return QStringLiteral("the file could not be written in full (the disk may be full)");
    return why;
}

} // namespace

std::optional<QString> SaveAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    // Flushed before the commit: commit() itself misses a flush that wrote
    // only part of the file, and would put the cut file in place of the old.
    if (file.write(bytes) != bytes.size() || !file.flush() || !file.commit())
        return writeFailure(file);
    return std::nullopt;
}

} // namespace skarvion
