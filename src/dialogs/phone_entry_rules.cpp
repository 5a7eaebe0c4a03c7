#include "dialogs/phone_entry_rules.h"

namespace skarvion {

bool strictPhoneAcceptable(const QString& number) {
    if (number.size() < 2) return false;
    return !(number.size() == 2 && number.contains(u'+'));
}

PhoneDialogButtons phoneDialogButtons(bool strict, const QString& initial, const QString& current) {
    if (!strict) return {};
    return {strictPhoneAcceptable(current), !initial.isEmpty()};
}

} // namespace skarvion
