#pragma once

// Which report channels use a phone-book entry, for the status column of the
// printed report's phone table.

#include "model/configuration_model.h"

namespace skarvion {

// Bits of a phone's use, in the order their names are printed.
enum PhoneUseBit : Byte {
    PhoneUsedByClip = 1,
    PhoneUsedBySms = 2,
    PhoneUsedByAlarm = 4,
    PhoneUsedByData = 8,
};

// The channels through which some active report calls or messages entry
// 1..40. A report counts while its owner is on (an enabled input, the panel
// record in control-panel mode, a switched-on test) and its channel is chosen;
// a reference counts while it is in force (CLIP restore calls and the second
// call pair by their switches) and points at a used entry. 0 for an entry no
// report uses, an empty entry or a number outside 1..40.
Byte PhoneUse(const ConfigurationModel& model, int entry);

// "CLIP", "SMS", "ALARM", "DATA" joined by " & " in that order ("CLIP & SMS &
// ALARM"); empty for 0.
Text PhoneUseText(Byte use);

} // namespace skarvion
