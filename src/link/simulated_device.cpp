#include "link/simulated_device.h"

#include <QDir>
#include <QFileInfo>

namespace skarvion {

namespace {
constexpr int StartTimeoutMs = 5000;
}

QString SimulatedDevice::findProgram(const QString& programDirectory) {
    const QDir dir(programDirectory);
    for (const QString& candidate : {dir.filePath("skarvion-sim"), dir.filePath("../sim/skarvion-sim")}) {
        if (QFileInfo(candidate).isExecutable()) return QFileInfo(candidate).canonicalFilePath();
    }
    return {};
}

SimulatedDevice::SimulatedDevice(QString program, QString stateFile)
    : program_(std::move(program)), stateFile_(std::move(stateFile)) {}

SimulatedDevice::~SimulatedDevice() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.terminate();
    if (!process_.waitForFinished(2000)) process_.kill();
}

QString SimulatedDevice::terminal(QString* error) {
    if (process_.state() == QProcess::Running && !terminal_.isEmpty()) return terminal_;
    terminal_.clear();
    if (!available()) {
        if (error) *error = "skarvion-sim is not installed beside the program";
        return {};
    }
    QStringList arguments{"--quiet"};
    if (!stateFile_.isEmpty()) arguments << "--state" << stateFile_;
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(program_, arguments);
    // The simulator's first line is the terminal it serves.
    while (process_.waitForReadyRead(StartTimeoutMs)) {
        if (process_.canReadLine()) {
            terminal_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
            return terminal_;
        }
    }
    if (error) *error = "skarvion-sim did not start: " + process_.errorString();
    process_.kill();
    return {};
}

} // namespace skarvion
