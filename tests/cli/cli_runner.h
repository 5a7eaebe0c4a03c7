#pragma once

// Runs skarvion-cli as a user would, in a temporary working folder.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace skarvion::testing {

struct CliRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

class CliRunner {
public:
    CliRun run(const QStringList& arguments, const QByteArray& input = {}) const;

    QString path(const QString& name) const { return dir_.filePath(name); }
    void write(const QString& name, const QByteArray& bytes) const;
    QByteArray read(const QString& name) const;
    bool exists(const QString& name) const;

private:
    QTemporaryDir dir_;
};

} // namespace skarvion::testing
