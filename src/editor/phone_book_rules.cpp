#include "editor/phone_book_rules.h"

#include "editor/phone_reference_repair.h"

#include <algorithm>
#include <string>

namespace skarvion {

namespace {

bool validSlot(int slot) {
    return slot >= 1 && slot <= PhoneBookSize;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A used entry gets the new number and its default name again; an empty one
// becomes used.
void storeNumber(ConfigurationModel& model, int slot, const Text& number) {
    PhoneEntry& entry = model.phone(slot);
    entry.Number = number;
    entry.Name = DefaultPhoneName(slot);
    entry.Empty = 0;
}

// Enter phone treats "+" with at most one more character as no number.
bool tooShortForAPhone(const Text& number) {
    return number.empty() || (number.front() == '+' && number.size() <= 2);
}

bool has(Byte methods, ReportMethod method) {
    return (methods & method) != 0;
}

} // namespace

bool PhoneUsed(const ConfigurationModel& model, int slot) {
    return validSlot(slot) && !model.phone(slot).Empty;
}

std::vector<int> UsedPhoneSlots(const ConfigurationModel& model, int lastSlot) {
    std::vector<int> used;
    for (int slot = 1; slot <= std::min(lastSlot, PhoneBookSize); ++slot)
        if (PhoneUsed(model, slot)) used.push_back(slot);
    return used;
}

int UsedPhoneCount(const ConfigurationModel& model) {
    return static_cast<int>(UsedPhoneSlots(model).size());
}

Text DefaultPhoneName(int slot) {
    return "NAME" + std::to_string(slot);
}

Text EmptyPhoneText(const LanguageTexts& texts, int slot) {
    return texts.text("U3_PHONE") + std::to_string(slot) + " - " + texts.text("PRINF_Z_PHONENUM");
}

Text PhoneListText(const ConfigurationModel& model, const LanguageTexts& texts, int slot) {
    if (!validSlot(slot)) return {};
    const PhoneEntry& entry = model.phone(slot);
    return entry.Empty || entry.Number.empty() ? EmptyPhoneText(texts, slot) : entry.Number;
}

Text FilterPhoneNumber(const Text& typed) {
    // Blanks around a pasted number are not part of it: a "+" after them
    // still leads the number.
    const std::size_t first = typed.find_first_not_of(" \t\r\n");
    Text number;
    for (std::size_t i = first; i < typed.size(); ++i) {
        const char c = typed[i];
        if (isDigit(c) || (i == first && c == '+')) number.push_back(c);
    }
    return number;
}

PhoneUsage PhoneUsageOf(const ConfigurationModel& m, int slot) {
    PhoneUsage usage;
    if (!validSlot(slot)) return usage;
    for (int n = 1; n <= 4; ++n) {
        const InputRecord& in = m.input(n);
        usage.alarm |= has(in.ReportMethods, MethodAlarm) && in.AlarmPhones[0] == slot;
        usage.sms |= has(in.ReportMethods, MethodSms) && in.SmsPhones[0] == slot;
        usage.clip |=
            has(in.ReportMethods, MethodClip) && (in.ClipPhone1 == slot || in.ClipPhone2 == slot);
        usage.data |= has(in.ReportMethods, MethodData) && in.DataPhone1 == slot;
    }
    usage.sms |= has(m.TestMethods, MethodSms) && m.TestSmsPhones[0] == slot;
    usage.sms |= has(m.GsmMethods, MethodSms) && m.GsmSmsPhone1 == slot;
    usage.clip |= has(m.TestMethods, MethodClip) && m.TestClipPhone1 == slot;
    usage.clip |= has(m.GsmMethods, MethodClip) && m.GsmClipPhone1 == slot;
    usage.data |= has(m.TestMethods, MethodData) && m.TestDataPhone1 == slot;
    usage.data |= has(m.GsmMethods, MethodData) && m.GsmDataPhones[0] == slot;
    return usage;
}

void ClearPhoneEntry(ConfigurationModel& model, int slot) {
    if (!validSlot(slot)) return;
    const bool wasUsed = PhoneUsed(model, slot);
    PhoneEntry& entry = model.phone(slot);
    entry.Number.clear();
    entry.Name = DefaultPhoneName(slot);
    entry.Empty = 1;
    // An entry that was empty already leaves the references as they are.
    if (wasUsed) RepairPhoneReferences(model, slot);
}

bool EditPhoneBookEntry(ConfigurationModel& model, int slot, const PhoneAsker& ask) {
    if (!validSlot(slot)) return false;
    const int used = UsedPhoneCount(model);
    const bool slotUsed = PhoneUsed(model, slot);
    const bool lastPhone = used <= 1 && slotUsed;
    const Text previous = slotUsed ? model.phone(slot).Number : Text{};

    const std::optional<Text> answer = ask({previous, used == 0 || lastPhone});
    if (!answer) return false;

    const Text number = FilterPhoneNumber(*answer);
    if (!number.empty()) {
        storeNumber(model, slot, number);
    } else if (lastPhone) {
        model.phone(slot).Number = previous; // the last phone cannot be removed
    } else {
        ClearPhoneEntry(model, slot);
    }
    if (PhoneUsed(model, slot)) ApplyPhoneBookDefaults(model, slot);
    return true;
}

bool DeletePhoneBookEntry(ConfigurationModel& model, int slot, const LanguageTexts& texts) {
    if (!PhoneUsed(model, slot)) return false;
    ClearPhoneEntry(model, slot);
    model.phone(slot).Number = EmptyPhoneText(texts, slot);
    return true;
}

void PastePhoneBookEntry(ConfigurationModel& model, int slot, const Text& clipboard,
                         const LanguageTexts& texts) {
    if (!validSlot(slot)) return;
    const Text number = FilterPhoneNumber(clipboard);
    if (!number.empty()) {
        model.phone(slot).Number = number;
        model.phone(slot).Empty = 0;
        return;
    }
    // Emptying by Paste repairs the references like every other way of
    // emptying an entry, so none is left naming a slot without a number.
    ClearPhoneEntry(model, slot);
    model.phone(slot).Number = EmptyPhoneText(texts, slot);
}

Text CopyPhoneBookEntry(const ConfigurationModel& model, int slot) {
    return PhoneUsed(model, slot) ? model.phone(slot).Number : Text{};
}

bool EnterPhone(ConfigurationModel& model, int slot, bool required, const PhoneAsker& ask,
                const char* labelKey) {
    if (!validSlot(slot)) return false;
    const Text current = PhoneUsed(model, slot) ? model.phone(slot).Number : Text{};
    const std::optional<Text> answer = ask({current, required, labelKey});
    if (answer) {
        const Text number = FilterPhoneNumber(*answer);
        if (tooShortForAPhone(number))
            ClearPhoneEntry(model, slot);
        else
            storeNumber(model, slot, number);
    }
    if (!PhoneUsed(model, slot)) return false;
    if (answer) ApplyEnteredPhoneDefaults(model, slot);
    return true;
}

bool EnsureChannelPhone(ConfigurationModel& model, PhoneRef& phone, int lastSlot,
                        const PhoneAsker& ask) {
    if (phone != 0 && phone <= lastSlot && PhoneUsed(model, phone)) return true;
    const std::vector<int> used = UsedPhoneSlots(model, lastSlot);
    if (!used.empty()) {
        phone = static_cast<PhoneRef>(used.front());
        return true;
    }
    // No entry of 1..lastSlot is used, so slot 1 is free.
    if (!EnterPhone(model, 1, true, ask)) return false;
    phone = 1;
    return true;
}

} // namespace skarvion
