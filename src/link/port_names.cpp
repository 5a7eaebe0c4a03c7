#include "link/port_names.h"

#include <algorithm>
#include <tuple>

namespace skarvion {

namespace {

constexpr std::string_view WindowsDevicePrefix = "\\\\.\\";

std::size_t digitsStart(std::string_view name) {
    std::size_t i = name.size();
    while (i > 0 && name[i - 1] >= '0' && name[i - 1] <= '9')
        --i;
    return i;
}

unsigned long numberOf(std::string_view digits) {
    unsigned long value = 0;
    for (char c : digits) {
        value = value * 10 + static_cast<unsigned long>(c - '0');
        if (value > 1'000'000) break;
    }
    return value;
}

} // namespace

std::uint8_t PortNumber(std::string_view name) {
    const std::string_view digits = name.substr(digitsStart(name));
    if (digits.empty()) return 0;
    const unsigned long value = numberOf(digits);
    return value <= 255 ? static_cast<std::uint8_t>(value) : 0;
}

bool PortNameLess(std::string_view a, std::string_view b) {
    const std::size_t da = digitsStart(a), db = digitsStart(b);
    return std::make_tuple(a.substr(0, da), numberOf(a.substr(da)), a) <
           std::make_tuple(b.substr(0, db), numberOf(b.substr(db)), b);
}

std::vector<std::string> PortList(std::string_view currentPort, std::vector<std::string> found) {
    std::sort(found.begin(), found.end(), PortNameLess);
    found.erase(std::unique(found.begin(), found.end()), found.end());
    std::vector<std::string> list;
    if (!currentPort.empty()) list.emplace_back(currentPort);
    for (std::string& name : found)
        if (name != currentPort) list.push_back(std::move(name));
    return list;
}

std::vector<std::string> SelectorPortList(const std::vector<std::string>& portList,
                                          std::string_view openPort) {
    std::vector<std::string> list = portList;
    if (!openPort.empty()) list.emplace_back(openPort);
    return list;
}

int PortCountState(std::size_t portCount) { return portCount == 0 ? 0 : portCount == 1 ? 1 : 2; }

std::string PortDisplayName(std::string_view name) {
    if (name.substr(0, WindowsDevicePrefix.size()) == WindowsDevicePrefix)
        name.remove_prefix(WindowsDevicePrefix.size());
    return std::string(name);
}

} // namespace skarvion
