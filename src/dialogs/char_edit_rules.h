#pragma once

// Key and text rules of the character field: only the characters of a set,
// at most charCount of them. Typed letters are upper-cased first. Once the
// field is full a character typed at its end scrolls the text left,
// elsewhere it overwrites the character at the caret.

#include "dialogs/edit_key.h"

#include <QString>

namespace skarvion {

// The characters a field accepts unless told otherwise: the digits, the
// letters A to D, "*" and "#" (the DTMF keys).
inline constexpr char16_t DefaultCharString[] = u"1234567890ABCD*#";

struct CharEditRules {
    QString charString = QString::fromUtf16(DefaultCharString);
    int charCount = 2;
    bool notSpace = false; // the field may not become empty
};

// Typing one character (BackspaceKey and EnterKey for those keys) into a
// field whose text has already been normalised.
KeyResult charEditKey(const EditState& state, QChar key, const CharEditRules& rules);

// Whatever text reached the field: the characters of the set, cut to
// charCount; with notSpace an empty result becomes the set's first character.
QString normaliseCharText(const QString& text, const CharEditRules& rules);

} // namespace skarvion
