#include "cli_runner.h"

#include <QFile>
#include <QProcess>

namespace skarvion::testing {

CliRun CliRunner::run(const QStringList& arguments, const QByteArray& input) const {
    QProcess process;
    process.setWorkingDirectory(dir_.path());
    process.start(SKARVION_CLI_PATH, arguments);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(120000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

void CliRunner::write(const QString& name, const QByteArray& bytes) const {
    QFile file(path(name));
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}

QByteArray CliRunner::read(const QString& name) const {
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool CliRunner::exists(const QString& name) const {
    return QFile::exists(path(name));
}

} // namespace skarvion::testing
