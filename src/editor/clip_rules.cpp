#include "editor/clip_rules.h"

#include <algorithm>
#include <vector>

namespace skarvion {

namespace {

PhoneRef* callOf(const ClipCalls& calls, ClipColumn column) {
    switch (column) {
    case ClipColumn::Event1:
        return calls.event1;
    case ClipColumn::Restore1:
        return calls.restore1;
    case ClipColumn::Event2:
        return calls.event2;
    case ClipColumn::Restore2:
        return calls.restore2;
    case ClipColumn::Phone:
        break;
    }
    return nullptr;
}

bool isRestore(ClipColumn column) {
    return column == ClipColumn::Restore1 || column == ClipColumn::Restore2;
}

// The first empty slot that is none of `avoid`, 0 when the book is full.
int firstEmptySlot(const ConfigurationModel& model, std::initializer_list<int> avoid = {}) {
    for (int slot = 1; slot <= PhoneBookSize; ++slot) {
        if (PhoneUsed(model, slot)) continue;
        if (std::find(avoid.begin(), avoid.end(), slot) == avoid.end()) return slot;
    }
    return 0;
}

// A new phone in the first empty slot that is none of `avoid`; 0 when the
// user gave none.
int askNewPhone(ConfigurationModel& model, const PhoneAsker& ask,
                std::initializer_list<int> avoid = {}) {
    const int slot = firstEmptySlot(model, avoid);
    if (slot == 0 || !EnterPhone(model, slot, true, ask)) return 0;
    return slot;
}

// The lowest used entry other than `other` (0: any), or a new one.
PhoneRef lowestOrNewPhone(ConfigurationModel& model, int other, const PhoneAsker& ask) {
    for (int slot : UsedPhoneSlots(model))
        if (slot != other) return static_cast<PhoneRef>(slot);
    return static_cast<PhoneRef>(askNewPhone(model, ask));
}

void dropIfEmpty(const ConfigurationModel& model, PhoneRef& call) {
    if (call != 0 && !PhoneUsed(model, call)) call = 0;
}

// One column's hand-on: when the column's call moves to a slot another call
// (of the other kind) used, that call takes the column's old slot, and the
// follower, a call of the column's own kind in the other group that called
// the old slot too, moves along.
struct HandOn {
    ClipColumn column;
    ClipColumn others[2];
    ClipColumn follower;
    bool followerNeedsGroup2;
};

constexpr HandOn handOns[] = {
    {ClipColumn::Event1, {ClipColumn::Restore1, ClipColumn::Restore2}, ClipColumn::Event2, false},
    {ClipColumn::Restore1, {ClipColumn::Event1, ClipColumn::Event2}, ClipColumn::Restore2, true},
    {ClipColumn::Event2, {ClipColumn::Restore1, ClipColumn::Restore2}, ClipColumn::Event1, false},
    {ClipColumn::Restore2, {ClipColumn::Event1, ClipColumn::Event2}, ClipColumn::Restore1, false},
};

void takeSlot(const ClipCalls& calls, ClipColumn column, int slot) {
    const HandOn& rule = *std::find_if(std::begin(handOns), std::end(handOns),
                                       [column](const HandOn& h) { return h.column == column; });
    PhoneRef& call = *callOf(calls, column);
    const PhoneRef old = call;
    const auto a = static_cast<PhoneRef>(slot);
    call = a;
    // A call that had no slot has none to hand on: the other call keeps the slot.
    if (old == 0 || old == a) return;
    bool handed = false;
    for (ClipColumn other : rule.others) {
        if (!ClipColumnActive(calls, other) || *callOf(calls, other) != a) continue;
        *callOf(calls, other) = old;
        handed = true;
    }
    if (!handed || (rule.followerNeedsGroup2 && !*calls.group2)) return;
    PhoneRef& follower = *callOf(calls, rule.follower);
    if (follower == old) follower = a;
}

// A restore call just switched on: it needs a used entry that no event call names.
bool fitRestoreCall(ConfigurationModel& model, PhoneRef& call, int event1, int event2,
                    const PhoneAsker& ask) {
    const auto clashes = [&](int slot) { return slot == event1 || slot == event2; };
    if (call != 0 && PhoneUsed(model, call) && !clashes(call)) return true;
    const std::vector<int> used = UsedPhoneSlots(model);
    const auto highest =
        std::find_if(used.rbegin(), used.rend(), [&](int s) { return !clashes(s); });
    const int slot = highest != used.rend() ? *highest : askNewPhone(model, ask, {event1, event2});
    if (slot == 0) return false;
    call = static_cast<PhoneRef>(slot);
    return true;
}

} // namespace

ClipCalls InputClipCalls(InputRecord& in) {
    return {&in.ClipPhone1,     &in.ClipPhone2,     &in.ClipPhone3,  &in.ClipPhone4,
            &in.ClipPhone2Used, &in.ClipPhone4Used, &in.Clip2Enabled};
}

ClipCalls GsmClipCalls(ConfigurationModel& m) {
    return {&m.GsmClipPhone1,     &m.GsmClipPhone2,     &m.GsmClipPhone3,  &m.GsmClipPhone4,
            &m.GsmClipPhone2Used, &m.GsmClipPhone4Used, &m.GsmClip2Enabled};
}

ClipCalls PeriodicClipCalls(ConfigurationModel& m) {
    return {&m.TestClipPhone1,     &m.TestClipPhone2,     &m.TestClipPhone3,   &m.TestClipPhone4,
            &m.TestClipPhone2Used, &m.TestClipPhone4Used, &m.TestClip2Enabled, false};
}

bool ClipColumnActive(const ClipCalls& c, ClipColumn column) {
    switch (column) {
    case ClipColumn::Event1:
        return true;
    case ClipColumn::Restore1:
        return c.restoreCalls && *c.restore1Used;
    case ClipColumn::Event2:
        return *c.group2 != 0;
    case ClipColumn::Restore2:
        return c.restoreCalls && *c.group2 && *c.restore2Used;
    case ClipColumn::Phone:
        break;
    }
    return false;
}

int ClipColumnSlot(const ClipCalls& calls, ClipColumn column) {
    return ClipColumnActive(calls, column) ? *callOf(calls, column) : 0;
}

bool IsActiveClipCall(const ClipCalls& calls, int slot) {
    if (slot == 0) return false;
    for (ClipColumn column :
         {ClipColumn::Event1, ClipColumn::Restore1, ClipColumn::Event2, ClipColumn::Restore2})
        if (ClipColumnSlot(calls, column) == slot) return true;
    return false;
}

bool ApplyClipDefaults(ConfigurationModel& model, const ClipCalls& c, const PhoneAsker& ask) {
    dropIfEmpty(model, *c.event1);
    dropIfEmpty(model, *c.restore1);
    const bool restore = ClipColumnActive(c, ClipColumn::Restore1);
    if (*c.event1 == 0) *c.event1 = lowestOrNewPhone(model, restore ? *c.restore1 : 0, ask);
    if (*c.event1 == 0) return false;
    if (restore && *c.restore1 == 0) {
        // The restore call never shares the event call's phone.
        *c.restore1 = lowestOrNewPhone(model, *c.event1, ask);
        if (*c.restore1 == 0) *c.restore1Used = 0;
    }
    return true;
}

void ClickClipCell(ConfigurationModel& model, const ClipCalls& calls, int slot, ClipColumn column,
                   const PhoneAsker& ask) {
    if (slot < 1 || slot > PhoneBookSize) return;
    if (column == ClipColumn::Phone) {
        if (!PhoneUsed(model, slot))
            EnterPhone(model, slot, false, ask, "F7_EPHON_EDT_PHON");
        else if (IsActiveClipCall(calls, slot))
            EnterPhone(model, slot, true, ask);
        else
            EditPhoneBookEntry(model, slot, ask);
        return;
    }
    if (!ClipColumnActive(calls, column)) return;
    if (!PhoneUsed(model, slot)) {
        if (!EnterPhone(model, slot, false, ask, "F7_EPHON_ENT_PHON")) return;
        *callOf(calls, column) = static_cast<PhoneRef>(slot);
        return;
    }
    takeSlot(calls, column, slot);
}

void ToggleClipRestoreCall(ConfigurationModel& model, const ClipCalls& c, ClipColumn column,
                           const PhoneAsker& ask) {
    if (!c.restoreCalls || !isRestore(column)) return;
    const bool second = column == ClipColumn::Restore2;
    if (second && !*c.group2) return;
    Flag& used = second ? *c.restore2Used : *c.restore1Used;
    if (used) {
        used = 0;
        return;
    }
    // Restore call 1 keeps clear of event call 2 only while group 2 is on.
    const int event2 = second || *c.group2 ? *c.event2 : -1;
    PhoneRef& call = second ? *c.restore2 : *c.restore1;
    used = fitRestoreCall(model, call, *c.event1, event2, ask) ? 1 : 0;
}

void SetClipGroup2(const ConfigurationModel& model, const ClipCalls& c, bool on) {
    *c.group2 = on ? 1 : 0;
    if (on) {
        dropIfEmpty(model, *c.event2);
        if (*c.event2 == 0) *c.event2 = *c.event1;
    }
    *c.restore2Used = 0;
}

} // namespace skarvion
