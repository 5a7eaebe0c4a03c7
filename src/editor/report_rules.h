#pragma once

// The report page of an input record (1..4, and the arming record 5): its
// channels switched on and off with what that does to the record's phones,
// the condition between CLIP and DATA, and the priority list it shows.

#include "editor/phone_book_rules.h"
#include "model/configuration_model.h"

#include <array>

namespace skarvion {

// Rows of the priority grid and of Priorities, in this order.
inline constexpr std::array<ReportMethod, 4> PriorityRows{MethodData, MethodClip, MethodAlarm,
                                                          MethodSms};
inline constexpr Byte NoPriority = 5;

// Each row keeps a priority 1..4 no earlier row holds; the others take, in
// row order, the lowest of 1..3 still free, or none (5).
std::array<Byte, 4> NormalisedPriorities(const std::array<Byte, 4>& priorities);

// The OR/AND choice applies while both CLIP and DATA report.
bool ReportConditionApplies(const InputRecord& record);

// Input 1 stays on while the control panel arms by it.
bool InputKeptOn(const ConfigurationModel& model, int input);

// Switches a channel of record 1..5 on or off. On: the channel gets its first
// phone (DATA and ALARM: the lowest used entry unless one is set, ALARM among
// entries 1..9; a new phone when there is none; CLIP: the CLIP defaults),
// and the record is switched on. When the user gives no phone the channel
// stays off. Off: the channel's phones are cleared, and the record is
// switched off with its last channel. Returns whether the channel is on.
bool SetReportChannel(ConfigurationModel& model, int input, ReportMethod channel, bool on,
                      const PhoneAsker& ask);

} // namespace skarvion
