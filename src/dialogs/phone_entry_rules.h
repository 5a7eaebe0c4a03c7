#pragma once

// When the phone entry dialog lets the user leave. In strict mode (a phone
// that must hold a number) OK needs a plausible number and Cancel is only
// offered when the entry already held one.

#include <QString>

namespace skarvion {

// The characters a phone number may hold and its longest length.
inline constexpr char16_t PhoneCharString[] = u"1234567890+";
inline constexpr int PhoneEntryLength = 31;

// At least two characters, and not a "+" with a single digit.
bool strictPhoneAcceptable(const QString& number);

struct PhoneDialogButtons {
    bool ok = true;
    bool cancel = true;
};

// The buttons' state for the number now in the field, given the number the
// dialog was shown with.
PhoneDialogButtons phoneDialogButtons(bool strict, const QString& initial, const QString& current);

} // namespace skarvion
