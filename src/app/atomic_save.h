#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace skarvion {

// Writes `bytes` to `path` through a temporary file that replaces the old one
// only once every byte is on disk: a failed save leaves the old file as it was.
// Returns why the save failed, or nothing when it succeeded.
std::optional<QString> SaveAtomically(const QString& path, const QByteArray& bytes);

} // namespace skarvion
