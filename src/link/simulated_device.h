#pragma once

// The software transmitter (skarvion-sim) started on demand, so that Read and
// Write can be tried without hardware.

#include <QProcess>
#include <QString>

namespace skarvion {

class SimulatedDevice {
public:
    // skarvion-sim beside the program (or in the build tree's sim folder);
    // empty when it is not installed.
    static QString findProgram(const QString& programDirectory);

    explicit SimulatedDevice(QString program, QString stateFile = {});
    ~SimulatedDevice();
    SimulatedDevice(const SimulatedDevice&) = delete;
    SimulatedDevice& operator=(const SimulatedDevice&) = delete;

    bool available() const { return !program_.isEmpty(); }

    // The terminal of the running simulator, starting it first when needed;
    // empty when it could not start (`error` says why).
    QString terminal(QString* error = nullptr);

private:
    QString program_;
    QString stateFile_;
    QProcess process_;
    QString terminal_;
};

} // namespace skarvion
