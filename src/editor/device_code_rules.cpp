#include "editor/device_code_rules.h"

namespace skarvion {

Text PinCodeFromField(const Text& typed) {
    Text pin = "0000";
    for (std::size_t i = 0; i < pin.size() && i < typed.size(); ++i)
        pin[i] = typed[i];
    return pin;
}

Text SmsCentreFromField(const Text& typed) {
    if (typed.size() < 2) return typed;
    Text number(1, typed.front());
    for (std::size_t i = 1; i < typed.size(); ++i)
        if (typed[i] >= '0' && typed[i] <= '9') number.push_back(typed[i]);
    return number;
}

} // namespace skarvion
