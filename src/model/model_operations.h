#pragma once

// Operations that act on the configuration model as a whole.

#include "model/configuration_model.h"

namespace skarvion {

// SIM PIN given to a fresh configuration.
inline constexpr const char* DefaultPinCode = "0000";

// The state of the program before anything else: every field zero or empty,
// then ResetModel. Fields the reset leaves alone therefore start at zero.
ConfigurationModel StartupModel();

// Sets every default. Fields documented as unchanged by the reset keep their
// value; the print information is cleared.
void ResetModel(ConfigurationModel& model);

// Mode changes, run after the mode page has set OperatingMode.
void EnterControlPanelMode(ConfigurationModel& model);
void EnterStandaloneMode(ConfigurationModel& model);

// The two arming-source choices of record 5 in control-panel mode.
void SelectArmingByInput1(ConfigurationModel& model);
void SelectArmingOther(ConfigurationModel& model);

// Sets character `position` (1..4) of the account; the account part of
// TestEventCode and of every input EventCode follows.
void SetAccountCharacter(ConfigurationModel& model, int position, char character);
void SetAccountNumber(ConfigurationModel& model, const Text& account);

// Gives input 1..4 a zone type. Input 2 leaving entry/exit turns any
// walk-through zone elsewhere into its fallback; input 2 becoming
// walk-through drops the entry delay.
void SetZoneType(ConfigurationModel& model, int input, Byte zoneType);

// Writes `account` over the first four characters of an event code.
void ReplaceAccountPart(Text& eventCode, const Text& account);

} // namespace skarvion
