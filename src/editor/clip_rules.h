#pragma once

// The CLIP calls of one owner (an input record, the GSM test or the periodic
// test) and what the CLIP pages do to them: the default phones when CLIP is
// switched on, a click in a cell of the CLIP list, the restore columns
// switched on and off from the list header, and the second group of calls.
//
// An owner makes an event call and, where switched on, a restore call in
// group 1, and the same in group 2 while that group is on. The periodic test
// makes event calls only.

#include "editor/phone_book_rules.h"
#include "model/configuration_model.h"

namespace skarvion {

struct ClipCalls {
    PhoneRef* event1;
    PhoneRef* restore1;
    PhoneRef* event2;
    PhoneRef* restore2;
    Flag* restore1Used;
    Flag* restore2Used;
    Flag* group2;
    bool restoreCalls = true; // the owner offers restore calls at all
};

ClipCalls InputClipCalls(InputRecord& record);
ClipCalls GsmClipCalls(ConfigurationModel& model);
ClipCalls PeriodicClipCalls(ConfigurationModel& model);

enum class ClipColumn { Phone, Event1, Restore1, Event2, Restore2 };

// A call column is active when its call is made: the event call of group 1
// always, the others while switched on.
bool ClipColumnActive(const ClipCalls& calls, ClipColumn column);

// The slot the column's call names, 0 for the phone column and for an
// inactive column.
int ClipColumnSlot(const ClipCalls& calls, ClipColumn column);

// The slot is named by one of the calls being made.
bool IsActiveClipCall(const ClipCalls& calls, int slot);

// Switching CLIP on: group 1 calls naming empty entries are dropped, then the
// event call and (while switched on) the restore call of group 1 get a used
// entry, the two different, asking for a new phone in the first empty slot
// where the phone book has none to offer. A restore call that gets no phone
// is switched off. Returns whether the event call names a used entry.
bool ApplyClipDefaults(ConfigurationModel& model, const ClipCalls& calls, const PhoneAsker& ask);

// A click in the cell of `slot`. The phone column edits the entry; an
// active call column makes its call use the slot (asking for a number first
// when the slot is empty) and hands the call's old slot on to a call of the
// other kind that used this slot. Inactive columns do nothing.
void ClickClipCell(ConfigurationModel& model, const ClipCalls& calls, int slot, ClipColumn column,
                   const PhoneAsker& ask);

// A double-click on the header of a restore column switches its call on or
// off. A call switched on that names no usable entry, or the entry of an
// event call, takes the highest used entry no event call names, or a new
// entry asked for; when none is given the call stays off. Restore call 2 is
// only switched while group 2 is on.
void ToggleClipRestoreCall(ConfigurationModel& model, const ClipCalls& calls, ClipColumn column,
                           const PhoneAsker& ask);

// The "CLIP2" box: group 2 on starts its event call where group 1's is,
// unless it names a used entry already; either way restore call 2 is off.
void SetClipGroup2(const ConfigurationModel& model, const ClipCalls& calls, bool on);

} // namespace skarvion
