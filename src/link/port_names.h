#pragma once

// How serial ports are named: the list of ports found, their numbers, and the
// name shown for a port given by name or by device path.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace skarvion {

// The number a port name ends with ("COM3" 3, "ttyUSB0" 0); 0 when it ends
// with no digits or the number does not fit a byte.
std::uint8_t PortNumber(std::string_view name);

// Orders names by their text before the number, then by the number, so that
// "ttyS2" comes before "ttyS10".
bool PortNameLess(std::string_view a, std::string_view b);

// The port list: the current (open) port first when there is one, then every
// other port found, in PortNameLess order, each name once.
std::vector<std::string> PortList(std::string_view currentPort, std::vector<std::string> found);

// The port selector's list: every port of the port list, then the open port
// once more at the end (so it shows at the top and at the bottom).
std::vector<std::string> SelectorPortList(const std::vector<std::string>& portList,
                                          std::string_view openPort);

// 0 for an empty port list, 1 for one port, 2 for more; Read and Write are
// available unless it is 0.
int PortCountState(std::size_t portCount);

// The name a user sees: the name without a leading "\\.\" device prefix.
std::string PortDisplayName(std::string_view name);

} // namespace skarvion
