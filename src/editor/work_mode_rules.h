#pragma once

// The work mode page's settings: standalone or control-panel mode, the
// entry and exit delays, the siren time and the arming source.

#include "model/configuration_model.h"

#include <QChar>

namespace skarvion {

inline constexpr int MaxEntryTime = 16; // tens of seconds
inline constexpr int MinExitTime = 1;
inline constexpr int MaxExitTime = 16;
inline constexpr int MaxSirenMinutes = 10;
inline constexpr int MaxSirenSeconds = 59;

// Switches to standalone (0) or control-panel mode (1), which returns the
// inputs and outputs to the mode's defaults. Choosing the mode already set
// does nothing. Returns whether the mode changed.
bool SetOperatingMode(ConfigurationModel& model, Byte mode);

// Delays within their bounds.
void SetEntryTime(ConfigurationModel& model, int tensOfSeconds);
void SetExitTime(ConfigurationModel& model, int tensOfSeconds);

// The entry delay does not apply while input 2 is a walk-through zone: the
// page shows 0 and offers no change.
bool EntryTimeApplies(const ConfigurationModel& model);
int ShownEntryTime(const ConfigurationModel& model);

// The two parts of the siren time, within their bounds. The siren time is
// never 0:00: the seconds become 1 instead.
void SetSirenMinutes(ConfigurationModel& model, int minutes);
void SetSirenSeconds(ConfigurationModel& model, int seconds);

// Arming by input 1, or by the touch-memory key.
void SetArmingByInput1(ConfigurationModel& model, bool byInput1);
bool ArmingByInput1(const ConfigurationModel& model);

// The account digit fields let through digits and Backspace.
bool AccountKeyAccepted(QChar key);

} // namespace skarvion
