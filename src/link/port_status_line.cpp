#include "link/port_status_line.h"

namespace skarvion {

namespace {

constexpr const char* ParityTexts[] = {"N, ", "O, ", "E, ", "M, ", "S, "};
constexpr const char* StopBitTexts[] = {"1   Hw: ", "1.5 Hw: ", "2   Hw: "};
constexpr const char* HardwareFlowTexts[] = {"NONE  Sw: ", "RTS   SW: ", "RTS/CTS  Sw: "};
constexpr const char* SoftwareFlowTexts[] = {"NONE", "XON/XOFF"};

} // namespace

std::string PortStatusLine(std::string_view header, std::string_view portName,
                           const LineSettings& settings) {
    std::string line(header);
    line += portName;
    line += ", " + std::to_string(settings.baudRate) + ", ";
    line += std::to_string(settings.dataBits) + ", ";
    line += ParityTexts[static_cast<int>(settings.parity)];
    line += StopBitTexts[static_cast<int>(settings.stopBits)];
    line += HardwareFlowTexts[static_cast<int>(settings.hardwareFlow)];
    line += SoftwareFlowTexts[static_cast<int>(settings.softwareFlow)];
    return line;
}

} // namespace skarvion
