#pragma once

// The phone book as the pages see it: which entries hold numbers, how a typed
// or pasted number is cleaned, which channels use an entry, and what editing,
// pasting, deleting and entering a phone do to the entries. Every way of
// emptying an entry repairs the references that named it.

#include "locale/language_texts.h"
#include "model/configuration_model.h"

#include <functional>
#include <optional>
#include <vector>

namespace skarvion {

// Lists of output phones and of some test phones offer entries 1..9 only.
inline constexpr int ShortPhoneList = 9;

// The slot holds a number (1..40 and not Empty).
bool PhoneUsed(const ConfigurationModel& model, int slot);

// The used entries among 1..lastSlot, ascending.
std::vector<int> UsedPhoneSlots(const ConfigurationModel& model, int lastSlot = PhoneBookSize);
int UsedPhoneCount(const ConfigurationModel& model);

// "NAME" followed by the slot number.
Text DefaultPhoneName(int slot);

// The text shown for, and stored in, a slot cleared on the phone book page:
// "Телефон 5 - нет" in the built-in texts.
Text EmptyPhoneText(const LanguageTexts& texts, int slot);

// What a phone list shows in its number column.
Text PhoneListText(const ConfigurationModel& model, const LanguageTexts& texts, int slot);

// Keeps a first character that is "+" or a digit and every later digit;
// blanks before the number do not count as its first character.
Text FilterPhoneNumber(const Text& typed);

// The channels whose first phone is this entry (the usage column of the list).
struct PhoneUsage {
    bool alarm = false;
    bool sms = false;
    bool clip = false;
    bool data = false;

    bool operator==(const PhoneUsage&) const = default;
};
PhoneUsage PhoneUsageOf(const ConfigurationModel& model, int slot);

// What the phone dialog is asked: the number it starts with, whether a
// number must be given, and optionally the label to show (a language key;
// null chooses by whether the number is empty).
struct PhoneQuestion {
    Text number;
    bool required = false;
    const char* labelKey = nullptr;
};

// Shows the question; the text the user confirmed, or no value for Cancel.
using PhoneAsker = std::function<std::optional<Text>(const PhoneQuestion&)>;

// Edit on the phone book page. The last used entry cannot be removed: an
// empty answer puts its number back. Returns false when the user cancelled.
bool EditPhoneBookEntry(ConfigurationModel& model, int slot, const PhoneAsker& ask);

// Delete on the phone book page: a used entry is emptied, showing the
// empty-slot text, and the references to it are repaired.
bool DeletePhoneBookEntry(ConfigurationModel& model, int slot, const LanguageTexts& texts);

// Paste on the phone book page: the cleaned text becomes the entry's number;
// nothing left empties the entry as Delete does.
void PastePhoneBookEntry(ConfigurationModel& model, int slot, const Text& clipboard,
                         const LanguageTexts& texts);

// The text Copy puts on the clipboard: the number, empty for an empty entry.
Text CopyPhoneBookEntry(const ConfigurationModel& model, int slot);

// Enter phone, used by the channel pages when a channel needs a phone that
// does not exist yet. An empty answer, or "+" with at most one more
// character, empties the entry. Returns whether the entry holds a number
// afterwards.
bool EnterPhone(ConfigurationModel& model, int slot, bool required, const PhoneAsker& ask,
                const char* labelKey = nullptr);

// Gives a channel its first phone: kept when it names a used entry of
// 1..lastSlot, else the lowest used entry there; with none to offer, a new
// phone entered in slot 1. False when the user gives none.
bool EnsureChannelPhone(ConfigurationModel& model, PhoneRef& phone, int lastSlot,
                        const PhoneAsker& ask);

// Empties an entry (its number left empty); when it held a number, the
// references to it are repaired.
void ClearPhoneEntry(ConfigurationModel& model, int slot);

} // namespace skarvion
