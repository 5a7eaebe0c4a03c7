#include "editor/report_rules.h"

#include "editor/clip_rules.h"

namespace skarvion {

namespace {

bool validRecord(int input) {
    return input >= 1 && input <= InputCount;
}

bool channelGetsPhone(ConfigurationModel& model, InputRecord& record, ReportMethod channel,
                      const PhoneAsker& ask) {
    switch (channel) {
    case MethodData:
        if (!EnsureChannelPhone(model, record.DataPhone1, PhoneBookSize, ask)) return false;
        record.DataIsDtmf = 0;
        return true;
    case MethodAlarm:
        // The ALARM page offers entries 1..9 only.
        return EnsureChannelPhone(model, record.AlarmPhones[0], ShortPhoneList, ask);
    case MethodClip: {
        const ClipCalls calls = InputClipCalls(record);
        if (!ApplyClipDefaults(model, calls, ask)) return false;
        record.Clip2Enabled = 0;
        record.ClipPhone4Used = 0;
        return true;
    }
    case MethodSms:
        return true; // the SMS page picks its phones
    }
    return false;
}

void clearChannelPhones(InputRecord& record, ReportMethod channel) {
    switch (channel) {
    case MethodData:
        record.DataPhone1 = 0;
        record.DataPhone2 = 0;
        break;
    case MethodAlarm:
        record.AlarmPhones = {0, 0, 0};
        break;
    case MethodSms:
        record.SmsPhones = {0, 0, 0};
        break;
    case MethodClip:
        record.ClipPhone1 = record.ClipPhone2 = record.ClipPhone3 = record.ClipPhone4 = 0;
        record.Clip2Enabled = 0;
        record.ClipPhone4Used = 0;
        break;
    }
}

} // namespace

std::array<Byte, 4> NormalisedPriorities(const std::array<Byte, 4>& priorities) {
    std::array<Byte, 4> result{};
    std::array<bool, 5> taken{}; // by priority 1..4
    for (std::size_t row = 0; row < result.size(); ++row) {
        const Byte p = priorities[row];
        const bool keeps = p >= 1 && p <= 4 && !taken[p];
        result[row] = keeps ? p : NoPriority;
        if (keeps) taken[p] = true;
    }
    for (Byte& p : result) {
        if (p != NoPriority) continue;
        for (Byte free = 1; free <= 3; ++free) {
            if (taken[free]) continue;
            p = free;
            taken[free] = true;
            break;
        }
    }
    return result;
}

bool ReportConditionApplies(const InputRecord& record) {
    const Byte both = MethodClip | MethodData;
    return (record.ReportMethods & both) == both;
}

bool InputKeptOn(const ConfigurationModel& model, int input) {
    return input == 1 && model.OperatingMode == ControlPanelMode && model.arm().SignalType == 0;
}

bool SetReportChannel(ConfigurationModel& model, int input, ReportMethod channel, bool on,
                      const PhoneAsker& ask) {
    if (!validRecord(input)) return false;
    InputRecord& record = model.input(input);
    if (on) {
        if (!channelGetsPhone(model, record, channel, ask))
            return (record.ReportMethods & channel) != 0;
        record.ReportMethods |= channel;
        record.Enabled = 1;
        return true;
    }
    if (record.ReportMethods == channel && !InputKeptOn(model, input)) record.Enabled = 0;
    record.ReportMethods &= static_cast<Byte>(~channel);
    clearChannelPhones(record, channel);
    return false;
}

} // namespace skarvion
