#pragma once

// Asking for a phone number through the program's phone dialog.

#include "editor/phone_book_rules.h"

class QWidget;

namespace skarvion {

// An asker that shows the phone dialog over the window holding `parent`,
// making the dialog on first use.
PhoneAsker DialogPhoneAsker(QWidget* parent, const LanguageTexts& texts);

} // namespace skarvion
