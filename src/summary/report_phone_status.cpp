#include "summary/report_phone_status.h"

#include <algorithm>
#include <array>
#include <utility>

namespace skarvion {

namespace {

// Up to four references of one channel; 0 stands for none.
using References = std::array<int, 4>;

// The phone references of one report, by channel, with the switches that put
// the optional CLIP calls in force already applied.
struct ReportPhones {
    bool active = false;
    Byte methods = 0;
    References sms{};
    References alarm{};
    References clip{};
    References data{};
};

int usedIf(Flag used, PhoneRef reference) {
    return used ? reference : 0;
}

bool refersTo(const References& references, int entry) {
    return std::find(references.begin(), references.end(), entry) != references.end();
}

Byte useIn(const ReportPhones& report, int entry) {
    if (!report.active) return 0;
    struct Channel {
        ReportMethod method;
        const References& references;
        PhoneUseBit bit;
    };
    const Channel channels[] = {
        {MethodClip, report.clip, PhoneUsedByClip},
        {MethodSms, report.sms, PhoneUsedBySms},
        {MethodAlarm, report.alarm, PhoneUsedByAlarm},
        {MethodData, report.data, PhoneUsedByData},
    };
    Byte use = 0;
    for (const Channel& channel : channels)
        if ((report.methods & channel.method) && refersTo(channel.references, entry))
            use |= channel.bit;
    return use;
}

Byte inputUse(const InputRecord& in, bool active, int entry) {
    return useIn({active,
                  in.ReportMethods,
                  {in.SmsPhones[0], in.SmsPhones[1], in.SmsPhones[2]},
                  {in.AlarmPhones[0], in.AlarmPhones[1], in.AlarmPhones[2]},
                  {in.ClipPhone1, usedIf(in.ClipPhone2Used, in.ClipPhone2),
                   usedIf(in.Clip2Enabled, in.ClipPhone3),
                   usedIf(in.Clip2Enabled && in.ClipPhone4Used, in.ClipPhone4)},
                  {in.DataPhone1, in.DataPhone2, in.DataPhone3}},
                 entry);
}

Byte testUse(const ConfigurationModel& m, int entry) {
    return useIn({m.TestEnabled != 0,
                  m.TestMethods,
                  {m.TestSmsPhones[0], m.TestSmsPhones[1], m.TestSmsPhones[2]},
                  {},
                  {m.TestClipPhone1, usedIf(m.TestClipPhone2Used, m.TestClipPhone2),
                   usedIf(m.TestClip2Enabled, m.TestClipPhone3),
                   usedIf(m.TestClip2Enabled && m.TestClipPhone4Used, m.TestClipPhone4)},
                  {m.TestDataPhone1, m.TestDataPhone2, m.TestDataPhone3}},
                 entry);
}

Byte gsmUse(const ConfigurationModel& m, int entry) {
    return useIn({m.GsmTestEnabled != 0,
                  m.GsmMethods,
                  {m.GsmSmsPhone1, m.GsmSmsPhone2, m.GsmSmsPhone3},
                  {},
                  {m.GsmClipPhone1, usedIf(m.GsmClipPhone2Used, m.GsmClipPhone2),
                   usedIf(m.GsmClip2Enabled, m.GsmClipPhone3),
                   usedIf(m.GsmClip2Enabled && m.GsmClipPhone4Used, m.GsmClipPhone4)},
                  {m.GsmDataPhones[0], m.GsmDataPhones[1], m.GsmDataPhones[2]}},
                 entry);
}

Byte voltageUse(const ConfigurationModel& m, int entry) {
    return useIn({m.AcTestEnabled || m.DcTestEnabled,
                  m.VoltMethods,
                  {m.VoltSmsPhone1, m.VoltSmsPhone2, m.VoltSmsPhone3},
                  {},
                  {},
                  {m.VoltDataPhone1, m.VoltDataPhone2}},
                 entry);
}

} // namespace

Byte PhoneUse(const ConfigurationModel& model, int entry) {
    if (entry < 1 || entry > PhoneBookSize) return 0;
    const PhoneEntry& phone = model.phone(entry);
    if (phone.Empty || phone.Number.empty()) return 0;
    Byte use = 0;
    for (int n = 1; n <= 4; ++n)
        use |= inputUse(model.input(n), model.input(n).Enabled != 0, entry);
    use |= inputUse(model.arm(), model.OperatingMode == ControlPanelMode, entry);
    use |= testUse(model, entry);
    use |= gsmUse(model, entry);
    use |= voltageUse(model, entry);
    return use;
}

Text PhoneUseText(Byte use) {
    const std::pair<PhoneUseBit, const char*> names[] = {
        {PhoneUsedByClip, "CLIP"},
        {PhoneUsedBySms, "SMS"},
        {PhoneUsedByAlarm, "ALARM"},
        {PhoneUsedByData, "DATA"},
    };
    Text text;
    for (const auto& [bit, name] : names) {
        if (!(use & bit)) continue;
        if (!text.empty()) text += " & ";
        text += name;
    }
    return text;
}

} // namespace skarvion
