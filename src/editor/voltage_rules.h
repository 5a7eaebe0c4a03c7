#pragma once

// The supply-voltage tests as their pages change them: switching the mains
// and battery tests on and off, choosing the SMS and DATA report channels
// with their phones, and the fixed values and texts the pages only show.

#include "editor/phone_book_rules.h"
#include "model/configuration_model.h"

namespace skarvion {

enum class SupplyTest { Mains, Battery };

// Switches one test. While the other test is off, the reports start over
// with no channel chosen, and switching off also drops every phone.
void SetSupplyTestEnabled(ConfigurationModel& model, SupplyTest test, bool on);

// Moves a second phone up when the first is none.
void CompactPhonePair(PhoneRef& first, PhoneRef& second);

// The SMS (MethodSms) or DATA (MethodData) channel was ticked or cleared.
// Ticking switches the battery test on and gives the channel a first phone:
// the second phone moved up, else the lowest used entry, else one asked for
// with Enter phone. A channel that gets no phone stays off and nothing
// changes. Clearing the only channel switches both tests off; clearing drops
// the channel's phones. Returns whether the channel is on afterwards.
bool SetVoltageChannel(ConfigurationModel& model, Byte channel, bool checked,
                       const PhoneAsker& ask);

// The two phones of the SMS or DATA channel.
PhoneRef& VoltagePhone(ConfigurationModel& model, Byte channel, int which);

// Fixed values of the settings page.
struct SupplyTestFigures {
    const char* alarmVoltage; // null where the test has none
    const char* restoreVoltage;
    const char* alarmDelay;
    const char* restoreDelay;
};
const SupplyTestFigures& FixedSupplyFigures(SupplyTest test);

// The SMS texts the device sends: the language key of the memo's label and
// the text.
struct SupplySmsText {
    const char* memoName;
    const char* labelName;
    const char* labelKey;
    const char* text;
};
inline constexpr int SupplySmsTextCount = 4;
extern const SupplySmsText SupplySmsTexts[SupplySmsTextCount];

} // namespace skarvion
