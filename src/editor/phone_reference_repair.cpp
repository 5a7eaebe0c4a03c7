#include "editor/phone_reference_repair.h"

#include "editor/phone_book_rules.h"

#include <algorithm>
#include <vector>

namespace skarvion {

namespace {

using Slots = std::vector<int>;

struct OptionalPhone {
    PhoneRef* phone;
    Flag* used = nullptr; // the phone's own "in use" switch, where it has one
};

// One channel's phones: the first is required while the channel is in use,
// the others are optional. Some lists offer entries 1..9 only.
struct PhoneList {
    PhoneRef* first;
    std::vector<OptionalPhone> others;
    int lastSlot = PhoneBookSize;
};

// The CLIP calls of one owner: event and restore call of group 1 and group 2.
struct ClipCalls {
    PhoneRef* event1;
    PhoneRef* restore1;
    PhoneRef* event2;
    PhoneRef* restore2;
    Flag* restore1Used;
    Flag* restore2Used;
    Flag* group2;
};

template <typename Array> std::vector<OptionalPhone> tail(Array& phones) {
    return {{&phones[1]}, {&phones[2]}};
}

// Every phone list of the model. The arming record, the voltage test, the
// control-panel adapter and the optional test phones reach the device too,
// so they are repaired alike.
std::vector<PhoneList> phoneLists(ConfigurationModel& m) {
    std::vector<PhoneList> lists;
    for (InputRecord& in : m.Inputs) {
        lists.push_back({&in.SmsPhones[0], tail(in.SmsPhones)});
        lists.push_back({&in.AlarmPhones[0], tail(in.AlarmPhones)});
        lists.push_back({&in.DataPhone1, {{&in.DataPhone2}, {&in.DataPhone3}}});
    }
    for (OutputRecord& out : m.Outputs) {
        lists.push_back({&out.SmsControlPhone, {}, ShortPhoneList});
        lists.push_back({&out.AnswerPhone, {}, ShortPhoneList});
    }
    lists.push_back({&m.GsmSmsPhone1, {{&m.GsmSmsPhone2}, {&m.GsmSmsPhone3}}});
    lists.push_back({&m.GsmDataPhones[0], tail(m.GsmDataPhones)});
    lists.push_back({&m.TestSmsPhones[0], tail(m.TestSmsPhones), ShortPhoneList});
    lists.push_back(
        {&m.TestDataPhone1, {{&m.TestDataPhone2}, {&m.TestDataPhone3}}, ShortPhoneList});
    lists.push_back({&m.VoltSmsPhone1, {{&m.VoltSmsPhone2}, {&m.VoltSmsPhone3}}});
    lists.push_back({&m.VoltDataPhone1, {{&m.VoltDataPhone2}}});
    lists.push_back(
        {&m.CrowPhone1, {{&m.CrowPhone2, &m.CrowPhone2Used}, {&m.CrowPhone3, &m.CrowPhone3Used}}});
    return lists;
}

ClipCalls inputCalls(InputRecord& in) {
    return {&in.ClipPhone1,     &in.ClipPhone2,     &in.ClipPhone3,  &in.ClipPhone4,
            &in.ClipPhone2Used, &in.ClipPhone4Used, &in.Clip2Enabled};
}

// The CLIP owners: inputs 1..4 (and the arming record when asked), the GSM
// test and the periodic test.
std::vector<ClipCalls> clipOwners(ConfigurationModel& m, bool withArmingRecord) {
    std::vector<ClipCalls> owners;
    for (int n = 1; n <= (withArmingRecord ? ArmingRecord : 4); ++n)
        owners.push_back(inputCalls(m.input(n)));
    owners.push_back({&m.GsmClipPhone1, &m.GsmClipPhone2, &m.GsmClipPhone3, &m.GsmClipPhone4,
                      &m.GsmClipPhone2Used, &m.GsmClipPhone4Used, &m.GsmClip2Enabled});
    owners.push_back({&m.TestClipPhone1, &m.TestClipPhone2, &m.TestClipPhone3, &m.TestClipPhone4,
                      &m.TestClipPhone2Used, &m.TestClipPhone4Used, &m.TestClip2Enabled});
    return owners;
}

// Used entries in the order a reference to `slot` looks for a replacement:
// those below it, highest first, then those above it, lowest first.
Slots replacementOrder(const Slots& used, int slot) {
    Slots order;
    for (auto it = used.rbegin(); it != used.rend(); ++it)
        if (*it < slot) order.push_back(*it);
    for (int s : used)
        if (s > slot) order.push_back(s);
    return order;
}

PhoneRef firstPhoneReplacement(const Slots& used, int slot) {
    const Slots order = replacementOrder(used, slot);
    return order.empty() ? 0 : static_cast<PhoneRef>(order.front());
}

void repairList(const PhoneList& list, const ConfigurationModel& model, int slot) {
    if (*list.first == slot)
        *list.first = firstPhoneReplacement(UsedPhoneSlots(model, list.lastSlot), slot);
    for (const OptionalPhone& other : list.others) {
        if (*other.phone != slot) continue;
        *other.phone = 0;
        if (other.used) *other.used = 0;
    }
}

struct Call {
    PhoneRef* phone;
    bool active;
    bool restore;
    int group;
};

// A replacement for an active call that named `slot`: an entry no active
// call of the other kind uses, or failing that one the call's own partner in
// its group does not use. With two or more used entries one always exists.
PhoneRef clipReplacement(const Call& call, const std::vector<Call>& calls, const Slots& used,
                         int slot) {
    const Slots order = replacementOrder(used, slot);
    for (bool sameGroupOnly : {false, true}) {
        for (int candidate : order) {
            const bool clash = std::any_of(calls.begin(), calls.end(), [&](const Call& other) {
                return other.active && other.restore != call.restore &&
                       (!sameGroupOnly || other.group == call.group) && *other.phone == candidate;
            });
            if (!clash) return static_cast<PhoneRef>(candidate);
        }
    }
    return order.empty() ? 0 : static_cast<PhoneRef>(order.front());
}

// One event call and nothing else: the restore call of group 1 and the
// second group are switched off.
void keepOnlyFirstCall(const ClipCalls& c, PhoneRef event1) {
    *c.event1 = event1;
    *c.restore1Used = 0;
    *c.group2 = 0;
}

void repairClip(const ClipCalls& c, const Slots& used, int slot) {
    if (used.empty()) {
        for (PhoneRef* phone : {c.restore1, c.event2, c.restore2})
            *phone = 0;
        keepOnlyFirstCall(c, 0);
        *c.restore2Used = 0;
        return;
    }
    const bool affected =
        *c.event1 == slot || *c.restore1 == slot || *c.event2 == slot || *c.restore2 == slot;
    if (!affected) return;
    if (used.size() == 1) {
        // One entry cannot serve an event and its restore: only the event call stays.
        for (PhoneRef* phone : {c.restore1, c.event2, c.restore2})
            if (*phone == slot) *phone = 0;
        keepOnlyFirstCall(c, static_cast<PhoneRef>(used.front()));
        *c.restore2Used = 0;
        return;
    }
    const std::vector<Call> calls{{c.event1, true, false, 1},
                                  {c.restore1, *c.restore1Used != 0, true, 1},
                                  {c.event2, *c.group2 != 0, false, 2},
                                  {c.restore2, *c.group2 && *c.restore2Used, true, 2}};
    for (const Call& call : calls) {
        if (*call.phone != slot) continue;
        *call.phone = call.active ? clipReplacement(call, calls, used, slot) : 0;
    }
}

void takeIfUnset(PhoneRef& reference, int slot) {
    if (reference == 0) reference = static_cast<PhoneRef>(slot);
}

} // namespace

void RepairPhoneReferences(ConfigurationModel& model, int slot) {
    if (slot < 1 || slot > PhoneBookSize) return;
    for (const PhoneList& list : phoneLists(model))
        repairList(list, model, slot);
    const Slots used = UsedPhoneSlots(model);
    for (const ClipCalls& calls : clipOwners(model, true))
        repairClip(calls, used, slot);
}

void ApplyPhoneBookDefaults(ConfigurationModel& m, int slot) {
    if (!PhoneUsed(m, slot)) return;
    for (int n = 1; n <= 4; ++n) {
        InputRecord& in = m.input(n);
        for (PhoneRef* phone : {&in.SmsPhones[0], &in.AlarmPhones[0], &in.ClipPhone1})
            takeIfUnset(*phone, slot);
    }
    for (OutputRecord& out : m.Outputs) {
        takeIfUnset(out.SmsControlPhone, slot);
        takeIfUnset(out.AnswerPhone, slot);
    }
    for (PhoneRef* phone : {&m.GsmSmsPhone1, &m.GsmDataPhones[0], &m.TestSmsPhones[0],
                            &m.TestDataPhone1, &m.CrowPhone1})
        takeIfUnset(*phone, slot);

    const bool several = UsedPhoneCount(m) > 1;
    for (const ClipCalls& c : clipOwners(m, false)) {
        if (several) {
            if (*c.restore1 == 0 && *c.event1 != 0 && *c.event1 != slot)
                *c.restore1 = static_cast<PhoneRef>(slot);
        } else {
            *c.restore1 = 0;
            keepOnlyFirstCall(c, static_cast<PhoneRef>(slot));
        }
    }
}

void ApplyEnteredPhoneDefaults(ConfigurationModel& m, int slot) {
    if (!PhoneUsed(m, slot)) return;
    for (int n = 1; n <= 4; ++n)
        takeIfUnset(m.input(n).SmsPhones[0], slot);
    for (OutputRecord& out : m.Outputs) {
        takeIfUnset(out.SmsControlPhone, slot);
        takeIfUnset(out.AnswerPhone, slot);
    }
}

} // namespace skarvion
