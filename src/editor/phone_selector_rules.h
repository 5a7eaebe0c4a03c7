#pragma once

// The phone selectors of the channel pages: which phone-book entries a
// selector lists, and which item it shows for a reference, repairing
// references that name no listed entry.

#include "model/configuration_model.h"

#include <vector>

namespace skarvion {

struct PhoneSelectorRule {
    int lastSlot = PhoneBookSize; // entries 1..lastSlot are listed
    bool optional = false;        // a second or third phone: the list starts with "none"
    bool keepUnlisted = false;    // an optional phone naming a used entry outside the list is kept
};

// The slot each item stands for, in item order; 0 stands for "none". A
// first selector with no used entry to list holds only "none".
std::vector<int> PhoneSelectorItems(const ConfigurationModel& model, const PhoneSelectorRule& rule);

// How many used entries the items list.
int ListedPhoneCount(const std::vector<int>& items);

// The item to show for a reference. A first phone that names no listed entry
// takes the first listed one (none when nothing is listed). An optional phone
// naming an empty slot becomes none; one naming an entry outside the list
// shows "none" and becomes none unless the rule keeps it.
int LoadPhoneSelector(const ConfigurationModel& model, const std::vector<int>& items,
                      const PhoneSelectorRule& rule, PhoneRef& reference);

} // namespace skarvion
