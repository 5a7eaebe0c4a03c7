#pragma once

// The CPU serial port: a QSerialPort at the fixed line settings, with port
// discovery and the capture buffer the CPU-block exchange reads.

#include "link/link_interfaces.h"
#include "link/port_status_line.h"
#include "link/receive_capture.h"

#include <QSerialPort>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace skarvion {

class TCommPortDriverEx : public LinkPort {
  public:
    static constexpr qint64 OutBufSize = 2048;
    static constexpr int OutputTimeoutMs = 50;

    TCommPortDriverEx();
    ~TCommPortDriverEx() override;
    TCommPortDriverEx(const TCommPortDriverEx&) = delete;
    TCommPortDriverEx& operator=(const TCommPortDriverEx&) = delete;

    // Port discovery. The list holds the system's serial ports by name
    // ("ttyUSB0" on Linux, "COM3" on Windows), the open port first.
    void ScanPorts();
    int CommCount() const { return static_cast<int>(ports_.size()); }
    std::string CommName(int index) const;         // 1..CommCount, else empty
    std::uint8_t CommNumber(int index) const;      // the name's number, 0 outside the list
    static std::vector<std::string> SystemPorts(); // unordered, as the system reports them

    // A port from the list or any device path ("/dev/ttyUSB0", "/dev/pts/7").
    void setPortName(std::string name) { portName_ = std::move(name); }
    const std::string& portName() const { return portName_; }
    // Applies a chosen port: a different name closes the port and opens the
    // new one; the same name leaves the port as it is.
    void applyPortName(const std::string& name);

    const LineSettings& lineSettings() const { return settings_; }
    // The status bar line, after the header text (Windows-1251).
    std::string statusLine(std::string_view header) const;

    // The receive handler that gets chunks while capture is off.
    void setOnReceiveData(ReceiveCapture::Handler handler);

    // LinkPort
    bool isOpen() const override { return port_.isOpen() && !lost_; }
    bool open() override;
    void close() override;
    std::string openFailure() const override { return openFailure_; }
    bool sendByte(std::uint8_t byte) override;
    void StartCapture() override { capture_.StartCapture(); }
    void StopCapture() override { capture_.StopCapture(); }
    void ClearReceived() override { capture_.ClearReceived(); }
    std::string GetReceived() const override { return capture_.GetReceived(); }

  private:
    void configureLine();
    void onError(QSerialPort::SerialPortError error);
    std::string describeOpenFailure() const;

    QSerialPort port_;
    std::string portName_;
    std::vector<std::string> ports_;
    ReceiveCapture capture_;
    LineSettings settings_;
    std::string openFailure_;
    bool lost_ = false;
};

} // namespace skarvion
