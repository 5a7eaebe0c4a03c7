#pragma once

// Keeping phone references pointed at used phone-book entries: the repair
// after an entry became empty, and the defaults handed out when an entry got
// a number.

#include "model/configuration_model.h"

namespace skarvion {

// Entry `slot` has just become empty. A first phone that named it moves to
// the highest used entry below it, else the lowest used entry, else none;
// an optional phone that named it becomes none. CLIP calls move to another
// used entry, keeping the event and restore calls of a group apart; with one
// entry left an owner that called it keeps only its event call, and with
// none left every CLIP call and switch is cleared.
void RepairPhoneReferences(ConfigurationModel& model, int slot);

// Entry `slot` got a number on the phone book page: the first phones still
// unset take it, and the CLIP calls are arranged around it.
void ApplyPhoneBookDefaults(ConfigurationModel& model, int slot);

// Entry `slot` got a number through Enter phone: the first SMS phone of every
// input and every output phone still unset take it.
void ApplyEnteredPhoneDefaults(ConfigurationModel& model, int slot);

} // namespace skarvion
