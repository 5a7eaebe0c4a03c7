#pragma once

// The Edit commands Cut, Copy, Paste and Delete: which controls they act
// on, when they are enabled, and what they do to a delay field's text.

#include "dialogs/edit_key.h"

#include <QString>

namespace skarvion {

enum class EditTargetKind {
    None,
    NumberField, // whole seconds of a delay
    CharField,   // the half-second digit of a delay
    PhoneList,   // the phone book list
};

// The delay fields and the phone book list are the only edit targets.
bool IsEditTargetName(const QString& objectName);

struct EditCommandStates {
    bool cut = false;
    bool copy = false;
    bool paste = false;
    bool remove = false;
    bool timerRuns = false;

    bool operator==(const EditCommandStates&) const = default;
};

// A field offers Cut, Copy and Delete while it has selected text and Paste
// while the clipboard holds text; the phone list offers Cut, Copy and Delete
// whenever it has the focus. A target without the focus offers nothing and
// stops the timer.
EditCommandStates EditCommandStatesFor(EditTargetKind kind, bool focused, bool hasSelection,
                                       bool clipboardHasText);

struct FieldEdit {
    QString text;
    int caret = 0;

    bool operator==(const FieldEdit&) const = default;
};

// Cut removes the selection; the half-second digit then reads "0".
FieldEdit CutFieldText(EditTargetKind kind, const EditState& state);

// Delete empties a number field and sets the half-second digit to "0".
FieldEdit DeleteFieldText(EditTargetKind kind);

// Paste puts the clipboard text in place of the selection, or at the caret,
// and leaves the caret where it was.
FieldEdit PasteFieldText(const EditState& state, const QString& clipboard);

} // namespace skarvion
