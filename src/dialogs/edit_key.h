#pragma once

// What a filtered edit field knows when a key is typed, and what its rules
// decide to do with the key.

#include <QChar>
#include <QString>

namespace skarvion {

// Characters the edit rules receive for the two editing keys.
inline constexpr QChar BackspaceKey = QChar(u'\b');
inline constexpr QChar EnterKey = QChar(u'\r');

// The field's text with the caret and selection: start is the selection's
// first position (the caret when nothing is selected), length its size.
struct EditState {
    QString text;
    int start = 0;
    int length = 0;
};

enum class KeyAction {
    PassToEdit, // the line edit handles the key as usual
    PressEnter, // the field reports Enter, then the line edit handles the key
    Swallow,    // the key is consumed and nothing changes
    Reject,     // the key is consumed; the unchanged text is reported
    Apply,      // the key is consumed; text and caret become those below
};

struct KeyResult {
    KeyAction action = KeyAction::PassToEdit;
    QString text;
    int caret = 0;
};

// The state with start and length brought inside the text.
EditState clampedEditState(const EditState& state);

// The text without its selection, or without the character before the caret
// when nothing is selected; the caret lands where the removal happened.
KeyResult backspaceResult(const EditState& state);

} // namespace skarvion
