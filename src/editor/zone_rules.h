#pragma once

// The zone settings of inputs 1..4 in control-panel mode: which zone types
// an input may take and its swinger limit.

#include "model/configuration_model.h"

#include <array>

namespace skarvion {

inline constexpr int ZoneTypeCount = 4; // entry/exit, 24-hour, perimeter, walk-through
inline constexpr int MinSwingerCount = 1;
inline constexpr int MaxSwingerCount = 255;

struct ZoneTypeButtons {
    std::array<bool, ZoneTypeCount> enabled{};
    int checked = -1; // the input's zone type; -1 when it has none of the four

    bool operator==(const ZoneTypeButtons&) const = default;
};

// Input 2 alone may be the entry/exit zone and is never walk-through; the
// others may be walk-through only while input 2 is the entry/exit zone.
// Other input numbers get no button.
ZoneTypeButtons ZoneTypeChoices(const ConfigurationModel& model, int input);

// The swinger limit of input 1..4, within its bounds.
void SetSwingerCount(ConfigurationModel& model, int input, int count);

} // namespace skarvion
