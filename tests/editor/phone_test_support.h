#pragma once

// Phone-book set-ups shared by the editor tests.

#include "model/configuration_model.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace skarvion::testing {

// A fresh model whose phone book holds numbers in exactly these slots.
ConfigurationModel ModelWithPhones(std::initializer_list<int> slots);

// Gives a slot a number ("+7900000" followed by the slot).
void PutPhone(ConfigurationModel& model, int slot);

// Every phone reference of the model, with a name for messages.
struct NamedReference {
    std::string name;
    PhoneRef value;
};
std::vector<NamedReference> AllPhoneReferences(const ConfigurationModel& model);

} // namespace skarvion::testing
