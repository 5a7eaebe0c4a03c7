#include "editor/test_rules.h"

#include "editor/clip_rules.h"
#include "editor/sms_text_rules.h"

#include <algorithm>

namespace skarvion {

namespace {

constexpr int GsmTestNumber = 1;
constexpr int PeriodicTestNumber = 2;
constexpr int GsmLevelCount = 4;

// The lowest used entry among 1..lastSlot unless the phone names one
// already; with none, a new phone in the first empty slot of that range.
// Switching a channel of a test off: the test goes off with its last channel.
void dropChannel(Byte& methods, Flag& enabled, ReportMethod channel) {
    if (methods == channel) enabled = 0;
    methods &= static_cast<Byte>(~channel);
}

void dropEmptyPhone(const ConfigurationModel& model, PhoneRef& phone) {
    if (phone != 0 && !PhoneUsed(model, phone)) phone = 0;
}

} // namespace

std::optional<TestBranch> TestBranchOf(const NodeContext& node) {
    if (node.input != node.output) return std::nullopt;
    if (node.input == GsmTestNumber) return TestBranch::Gsm;
    if (node.input == PeriodicTestNumber) return TestBranch::Periodic;
    return std::nullopt;
}

bool TestBranchEnabled(const ConfigurationModel& model, TestBranch branch) {
    return (branch == TestBranch::Gsm ? model.GsmTestEnabled : model.TestEnabled) != 0;
}

void SetTestBranchEnabled(ConfigurationModel& model, TestBranch branch, bool on) {
    if (branch == TestBranch::Gsm) {
        model.GsmTestEnabled = on ? 1 : 0;
        model.GsmMethods = 0;
    } else {
        model.TestEnabled = on ? 1 : 0;
        model.TestMethods = 0;
    }
}

void NormaliseTestPeriod(ConfigurationModel& model) {
    if (model.TestDays == 0 && model.TestHours == 0 && model.TestMinutes == 0)
        model.TestMinutes = 1;
}

bool SetPeriodicChannel(ConfigurationModel& m, ReportMethod channel, bool on,
                        const PhoneAsker& ask) {
    if (channel != MethodClip && channel != MethodData) return false;
    if (channel == MethodClip) dropEmptyPhone(m, m.TestClipPhone1);
    if (!on) {
        dropChannel(m.TestMethods, m.TestEnabled, channel);
        return false;
    }
    PhoneRef& phone = channel == MethodClip ? m.TestClipPhone1 : m.TestDataPhone1;
    if (!EnsureChannelPhone(m, phone, PhoneBookSize, ask)) return (m.TestMethods & channel) != 0;
    m.TestMethods = channel;
    m.TestEnabled = 1;
    return true;
}

bool SetGsmChannel(ConfigurationModel& m, ReportMethod channel, bool on, const PhoneAsker& ask) {
    if (channel != MethodClip && channel != MethodSms) return false;
    const ClipCalls calls = GsmClipCalls(m);
    if (channel == MethodClip) {
        dropEmptyPhone(m, m.GsmClipPhone1);
        dropEmptyPhone(m, m.GsmClipPhone2);
    }
    if (!on) {
        dropChannel(m.GsmMethods, m.GsmTestEnabled, channel);
        if (channel == MethodClip) SetClipGroup2(m, calls, false);
        return false;
    }
    const bool phoned = channel == MethodClip
                            ? ApplyClipDefaults(m, calls, ask)
                            : EnsureChannelPhone(m, m.GsmSmsPhone1, ShortPhoneList, ask);
    if (!phoned) return (m.GsmMethods & channel) != 0;
    if (channel == MethodClip) SetClipGroup2(m, calls, false);
    m.GsmMethods = channel;
    m.GsmTestEnabled = 1;
    return true;
}

int GsmSignalLevelShown(ConfigurationModel& model) {
    if (model.GsmSignalLevel < 1 || model.GsmSignalLevel > GsmLevelCount) model.GsmSignalLevel = 1;
    return model.GsmSignalLevel;
}

void ClampGsmTimes(ConfigurationModel& model) {
    model.GsmLowTime = std::clamp<Byte>(model.GsmLowTime, 1, GsmLowTimeItems);
    model.GsmNormalTime = std::clamp<Byte>(model.GsmNormalTime, 1, GsmNormalTimeItems);
}

Byte GsmTimeFromItem(int index, int items) {
    return static_cast<Byte>(std::clamp(index + 1, 1, items));
}

void StoreGsmMonitorTexts(ConfigurationModel& model) {
    model.GsmSmsText =
        ApplySmsTextChange(SmsTextKind::Plain, {QString::fromLatin1(GsmLowSignalText)}).stored;
    model.GsmRestoreText =
        ApplySmsTextChange(SmsTextKind::Gsm, {QString::fromLatin1(GsmNormalSignalText)}).stored;
}

} // namespace skarvion
