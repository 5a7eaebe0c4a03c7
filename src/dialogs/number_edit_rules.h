#pragma once

// Key and text rules of the bounded number field: digits only, at most
// numberCount of them, the value kept within minNumber..maxNumber. Once the
// field is full a digit typed at its end scrolls the digits left, elsewhere
// it overwrites the digit at the caret.

#include "dialogs/edit_key.h"

#include <QString>

namespace skarvion {

struct NumberEditRules {
    int numberCount = 2;    // at most this many digits, at least 1
    unsigned minNumber = 0; // also the value of a field without digits
    unsigned maxNumber = 100;
    bool minMaxEnable = false; // clamp while typing, leaving the caret in place
};

// The number of digits a field keeps for a requested count: its absolute
// value, and 1 for 0.
int numberCountFor(int requested);

// Typing one character (BackspaceKey and EnterKey for those keys) into a
// field whose text has already been normalised.
KeyResult numberEditKey(const EditState& state, QChar key, const NumberEditRules& rules);

struct NormalisedNumber {
    QString text; // the decimal form of value
    int value = 0;
};

// Whatever text reached the field: its digits, cut to numberCount, as a
// number (minNumber when there is none), clamped to the bounds.
NormalisedNumber normaliseNumberText(const QString& text, const NumberEditRules& rules);

} // namespace skarvion
