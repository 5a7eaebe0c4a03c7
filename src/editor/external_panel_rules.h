#pragma once

// The external control panel's settings: its object number in DTMF
// characters and the phones its DATA reports go to.

#include "model/configuration_model.h"

#include <QString>

namespace skarvion {

// Character `position` (1..4) of the object number from its one-character
// field: upper-cased, "0" for an emptied field.
void SetCrowAccountCharacter(ConfigurationModel& model, int position, const QString& field);

// The character a field shows for position 1..4.
QString CrowAccountCharacter(const ConfigurationModel& model, int position);

// Makes the phones name used entries before the page shows them: the first
// phone takes the lowest used entry when it names none; a second or third
// phone in use that names no used entry, or none, is switched off; with no
// used entry at all every phone and flag becomes 0.
void RepairCrowPhones(ConfigurationModel& model);

// Phone 2 or 3 chosen in its selector: a slot switches it on, none (0)
// switches it off.
void SetCrowOptionalPhone(ConfigurationModel& model, int which, int slot);

// The reference a selector of phone 1..3 shows: phones not in use show none.
PhoneRef ShownCrowPhone(const ConfigurationModel& model, int which);

// The AND/OR choice matters only with more than one phone.
bool CrowConditionApplies(const ConfigurationModel& model);

} // namespace skarvion
