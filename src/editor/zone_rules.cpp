#include "editor/zone_rules.h"

#include <algorithm>

namespace skarvion {

namespace {

bool physicalInput(int input) {
    return input >= 1 && input <= 4;
}

} // namespace

ZoneTypeButtons ZoneTypeChoices(const ConfigurationModel& model, int input) {
    ZoneTypeButtons buttons;
    if (!physicalInput(input)) return buttons;
    if (input == 2) {
        buttons.enabled = {true, true, true, false};
    } else {
        const bool entryExitOnTwo = model.input(2).ZoneType == ZoneEntryExit;
        buttons.enabled = {false, true, true, entryExitOnTwo};
    }
    const Byte type = model.input(input).ZoneType;
    if (type < ZoneTypeCount) buttons.checked = type;
    return buttons;
}

void SetSwingerCount(ConfigurationModel& model, int input, int count) {
    if (!physicalInput(input)) return;
    model.input(input).SwingerCount =
        static_cast<Byte>(std::clamp(count, MinSwingerCount, MaxSwingerCount));
}

} // namespace skarvion
