#pragma once

// Why a serial port could not be opened, in words that tell the user what to do.

#include <string>
#include <string_view>

namespace skarvion {

enum class PortOpenError { NotFound, AccessDenied, Busy, Other };

// ownerGroup: the group that owns the device file, when known (on Linux,
// access to serial devices is granted by membership of it).
std::string DescribePortOpenFailure(std::string_view port, PortOpenError error,
                                    std::string_view systemText, std::string_view ownerGroup);

} // namespace skarvion
