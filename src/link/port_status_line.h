#pragma once

// The fixed line settings of the CPU port and the one-line description of the
// port shown in the main window's status bar.

#include <string>
#include <string_view>

namespace skarvion {

enum class Parity { None, Odd, Even, Mark, Space };
enum class StopBits { One, OneAndHalf, Two };
enum class HardwareFlow { None, NoneRtsOn, RtsCts };
enum class SoftwareFlow { None, XonXoff };

struct LineSettings {
    int baudRate = 9600;
    int dataBits = 8;
    Parity parity = Parity::None;
    StopBits stopBits = StopBits::One;
    HardwareFlow hardwareFlow = HardwareFlow::NoneRtsOn; // no handshake, RTS held on
    SoftwareFlow softwareFlow = SoftwareFlow::None;
    bool dtrOnOpen = true;
};

// e.g. "CPU Port: COM1, 9600, 8, N, 1   Hw: RTS   SW: NONE" for the header
// "CPU Port: " (a Windows-1251 text) and the port "COM1".
std::string PortStatusLine(std::string_view header, std::string_view portName,
                           const LineSettings& settings);

} // namespace skarvion
