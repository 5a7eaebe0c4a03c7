#pragma once

// The SIM PIN and the SMS centre number as their fields store them.

#include "model/configuration_model.h"

namespace skarvion {

// Four characters: the typed ones over "0000", so "12" is stored as "1200".
Text PinCodeFromField(const Text& typed);

// Fewer than two characters are stored as typed; otherwise the first
// character followed by the digits among the others.
Text SmsCentreFromField(const Text& typed);

} // namespace skarvion
