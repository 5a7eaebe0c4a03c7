#pragma once

// The periodic test and the GSM signal monitor as their pages edit them: the
// test switched on and off, the period, the report channels with the phones
// they need, and the stored limits of the GSM monitor.

#include "editor/phone_book_rules.h"
#include "editor/settings_tree.h"
#include "model/configuration_model.h"

#include <optional>

namespace skarvion {

enum class TestBranch { Gsm, Periodic };

// The branch of a node of the test pages: its input and output numbers are
// equal, 1 for the GSM monitor and 2 for the periodic test.
std::optional<TestBranch> TestBranchOf(const NodeContext& node);

bool TestBranchEnabled(const ConfigurationModel& model, TestBranch branch);

// The test box of the test information page: the test on or off, and in
// both directions no report channel chosen.
void SetTestBranchEnabled(ConfigurationModel& model, TestBranch branch, bool on);

// Item counts of the period boxes: days 0..30, hours 0..23, tens of minutes 0..5.
inline constexpr int TestDayItems = 31;
inline constexpr int TestHourItems = 24;
inline constexpr int TestMinuteItems = 6;

// A period of zero becomes ten minutes, the shortest the device keeps.
void NormaliseTestPeriod(ConfigurationModel& model);

// CLIP or DATA of the periodic test; the two exclude each other. On: the
// channel becomes the only one and the test is switched on; its first phone
// is the lowest used entry unless it names one, or a new phone; when the
// user gives none the channel stays as it was. Off: the channel is dropped,
// and the test with its last channel. Returns whether the channel is on.
bool SetPeriodicChannel(ConfigurationModel& model, ReportMethod channel, bool on,
                        const PhoneAsker& ask);

// CLIP or SMS of the GSM monitor, excluding each other, as the periodic
// channels. CLIP on or off drops the second CLIP group and gets the CLIP
// defaults; the SMS phone is one of entries 1..9, which the GSM SMS page
// offers.
bool SetGsmChannel(ConfigurationModel& model, ReportMethod channel, bool on, const PhoneAsker& ask);

// Signal level threshold 1..4; any other stored value becomes 1.
int GsmSignalLevelShown(ConfigurationModel& model);

// Item counts of the GSM time boxes: 10..60 s and 10..120 s in steps of 10.
inline constexpr int GsmLowTimeItems = 6;
inline constexpr int GsmNormalTimeItems = 12;

// Stored times kept within their boxes (1..6 and 1..12).
void ClampGsmTimes(ConfigurationModel& model);

// A box's choice (item index, -1 for none) as a stored time 1..items.
Byte GsmTimeFromItem(int index, int items);

// The GSM monitor texts are fixed; the page shows them whole and stores them
// as the SMS fields keep them.
inline constexpr const char* GsmLowSignalText = "LOW SIGNAL GSM LEVEL   ";
inline constexpr const char* GsmNormalSignalText = "NORMAL SIGNAL GSM LEVEL";
void StoreGsmMonitorTexts(ConfigurationModel& model);

} // namespace skarvion
