#include "link/port_open_failure.h"

namespace skarvion {

std::string DescribePortOpenFailure(std::string_view port, PortOpenError error,
                                    std::string_view systemText, std::string_view ownerGroup) {
    std::string text = "Cannot open serial port " + std::string(port) + ": ";
    switch (error) {
    case PortOpenError::NotFound:
        return text + "no such device";
    case PortOpenError::Busy:
        return text + "the port is in use by another program";
    case PortOpenError::AccessDenied:
        text += "permission denied";
        if (!ownerGroup.empty())
            text += " (the device belongs to group \"" + std::string(ownerGroup) +
                    "\": add your user to that group and log in again)";
        return text;
    case PortOpenError::Other:
        break;
    }
    return text + (systemText.empty() ? std::string("unknown error") : std::string(systemText));
}

} // namespace skarvion
