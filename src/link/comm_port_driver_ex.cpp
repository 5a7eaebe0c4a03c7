#include "link/comm_port_driver_ex.h"

#include "link/port_names.h"
#include "link/port_open_failure.h"

#include <QSerialPortInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace skarvion {

namespace {

#ifdef Q_OS_UNIX
std::string devicePath(const std::string& name) {
    return name.starts_with('/') ? name : "/dev/" + name;
}

// The group that owns the device file; empty when unknown.
std::string ownerGroup(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return {};
    const group* g = ::getgrgid(info.st_gid);
    return g ? std::string(g->gr_name) : std::string{};
}

bool accessDenied(const std::string& path) {
    return ::access(path.c_str(), R_OK | W_OK) != 0 && errno == EACCES;
}
#endif

} // namespace

TCommPortDriverEx::TCommPortDriverEx() {
    QObject::connect(&port_, &QSerialPort::readyRead, &port_, [this] {
        const QByteArray chunk = port_.readAll();
        capture_.deliver(chunk.constData(), static_cast<std::size_t>(chunk.size()));
    });
    QObject::connect(&port_, &QSerialPort::errorOccurred, &port_,
                     [this](QSerialPort::SerialPortError error) { onError(error); });
}

TCommPortDriverEx::~TCommPortDriverEx() {
    close();
}

void TCommPortDriverEx::ScanPorts() {
    ports_ = PortList(port_.isOpen() ? PortDisplayName(portName_) : std::string{}, SystemPorts());
}

std::string TCommPortDriverEx::CommName(int index) const {
    if (index < 1 || index > CommCount()) return {};
    return ports_[static_cast<std::size_t>(index - 1)];
}

std::uint8_t TCommPortDriverEx::CommNumber(int index) const {
    return PortNumber(CommName(index));
}

std::vector<std::string> TCommPortDriverEx::SystemPorts() {
    std::vector<std::string> names;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        names.push_back(info.portName().toStdString());
    return names;
}

void TCommPortDriverEx::applyPortName(const std::string& name) {
    if (name == portName_) return;
    close();
    portName_ = name;
    open();
}

std::string TCommPortDriverEx::statusLine(std::string_view header) const {
    return PortStatusLine(header, PortDisplayName(portName_), settings_);
}

void TCommPortDriverEx::setOnReceiveData(ReceiveCapture::Handler handler) {
    capture_.setHandler(std::move(handler));
}

void TCommPortDriverEx::configureLine() {
    port_.setBaudRate(settings_.baudRate);
    port_.setDataBits(QSerialPort::Data8);
    port_.setParity(QSerialPort::NoParity);
    port_.setStopBits(QSerialPort::OneStop);
    port_.setFlowControl(QSerialPort::NoFlowControl);
}

bool TCommPortDriverEx::open() {
    if (isOpen()) return true;
    if (port_.isOpen()) port_.close(); // a port that was lost
    lost_ = false;
    openFailure_.clear();
    if (portName_.empty()) {
        openFailure_ = "No serial port is selected";
        return false;
    }
    port_.setPortName(QString::fromStdString(PortDisplayName(portName_)));
    configureLine();
    if (!port_.open(QIODevice::ReadWrite)) {
        openFailure_ = describeOpenFailure();
        port_.clearError();
        return false;
    }
    // RTS held on, DTR raised on open. A pseudo-terminal has no modem lines
    // and refuses both; the link works without them.
    port_.setRequestToSend(true);
    if (settings_.dtrOnOpen) port_.setDataTerminalReady(true);
    port_.clear();
    port_.clearError();
    return true;
}

void TCommPortDriverEx::close() {
    lost_ = false;
    if (port_.isOpen()) port_.close();
    port_.clearError();
}

bool TCommPortDriverEx::sendByte(std::uint8_t byte) {
    if (!isOpen()) return false;
    if (port_.bytesToWrite() >= OutBufSize && !port_.waitForBytesWritten(OutputTimeoutMs))
        return false;
    const char c = static_cast<char>(byte);
    if (port_.write(&c, 1) != 1) return false;
    port_.flush();
    return true;
}

// A device that went away (an adapter unplugged, the far end of a
// pseudo-terminal closed) keeps reporting errors; the port is closed from the
// event loop so that nothing spins and the exchange finds the device silent.
void TCommPortDriverEx::onError(QSerialPort::SerialPortError error) {
    const bool gone = error == QSerialPort::ResourceError || error == QSerialPort::ReadError ||
                      error == QSerialPort::WriteError;
    if (!gone || !port_.isOpen() || lost_) return;
    lost_ = true;
    QMetaObject::invokeMethod(
        &port_,
        [this] {
            if (lost_ && port_.isOpen()) port_.close();
        },
        Qt::QueuedConnection);
}

std::string TCommPortDriverEx::describeOpenFailure() const {
    const std::string name = PortDisplayName(portName_);
    const std::string systemText = port_.errorString().toStdString();
    PortOpenError kind = PortOpenError::Other;
    std::string group;
    switch (port_.error()) {
    case QSerialPort::DeviceNotFoundError:
        kind = PortOpenError::NotFound;
        break;
    case QSerialPort::OpenError:
        kind = PortOpenError::Busy;
        break;
    case QSerialPort::PermissionError:
        kind = PortOpenError::Busy;
#ifdef Q_OS_UNIX
        if (accessDenied(devicePath(name))) {
            kind = PortOpenError::AccessDenied;
            group = ownerGroup(devicePath(name));
        }
#else
        kind = PortOpenError::AccessDenied;
#endif
        break;
    default:
        break;
    }
    return DescribePortOpenFailure(name, kind, systemText, group);
}

} // namespace skarvion
