#pragma once

// The Contact ID message of a DATA page: twelve one-character fields over an
// event code (object 4, event code 3, zone 3, partition 2).

#include "model/configuration_model.h"

#include <array>

namespace skarvion {

inline constexpr int EventCodeLength = 12;

// The four field groups in order, with the language key of their heading.
struct ContactIdGroup {
    const char* captionKey;
    int first; // index of the group's first character
    int count;
};
inline constexpr std::array<ContactIdGroup, 4> ContactIdGroups{{
    {"REP_CIDVAL1", 0, 4},  // object
    {"REP_CIDVAL2", 4, 3},  // event code
    {"REP_CIDVAL3", 7, 3},  // zone
    {"REP_CIDVAL4", 10, 2}, // partition
}};

// The character a field shows; "0" where the stored code is short.
char EventCodeCharacter(const Text& eventCode, int index);

// A field changed: its character, upper-cased, is stored at its place; an
// empty field stores "0". A short code is first filled up with "0".
void SetEventCodeCharacter(Text& eventCode, int index, const Text& field);

} // namespace skarvion
