// EncodeImage: packs the configuration model into the 900-byte device image.

#include "model/device_image.h"
#include "model/field_encodings.h"
#include "model/image_layout.h"

namespace skarvion {

namespace {

namespace in = layout::input;
namespace out = layout::output;

Byte bit(bool set, int position) {
    return set ? static_cast<Byte>(1u << position) : Byte{0};
}

Byte onlyIf(bool condition, Byte value) {
    return condition ? value : Byte{0};
}

std::span<Byte> field(DeviceImage& image, int offset, int length) {
    return std::span<Byte>(image).subspan(static_cast<std::size_t>(offset),
                                          static_cast<std::size_t>(length));
}

// Record 5 rides on bytes 4 and 11 of the four input blocks.
std::pair<Byte, Byte> armingBytes(const InputRecord& arm, int block) {
    const bool armData = arm.ReportMethods & MethodData;
    switch (block) {
    case 1:
        return {onlyIf(arm.ReportMethods & MethodClip, arm.ClipPhone1),
                onlyIf(arm.Clip2Enabled, arm.ClipPhone3)};
    case 2:
        return {onlyIf(arm.ClipPhone2Used, arm.ClipPhone2),
                onlyIf(arm.ClipPhone4Used, arm.ClipPhone4)};
    case 3:
        return {onlyIf(armData, EncodeDataPhone(arm.DataPhone1, arm.DataIsDtmf)),
                onlyIf(armData, EncodeDataPhone(arm.DataPhone2, arm.DataIsDtmf))};
    default:
        return {arm.AlarmPhones[0], arm.AlarmPhones[1]};
    }
}

Byte inputFlags(const ConfigurationModel& m, int i) {
    const InputRecord& rec = m.input(i);
    const bool panelMode = m.OperatingMode == ControlPanelMode;
    bool linked = m.OutputLinkedInput == i;
    if (panelMode) linked = (i == 1 ? m.arm().OutputLink : rec.OutputLink) != 0;
    Byte flags = bit(rec.Enabled, in::EnabledBit) |
                 static_cast<Byte>(EncodeSignalTypeField(rec.SignalType) << in::SignalTypeShift) |
                 bit(linked, in::OutputLinkBit);
    if (i == 1) {
        flags |= bit(m.arm().SignalType, in::ArmingSourceBit) |
                 bit(rec.OutputLink, in::Input1OutputLinkBit) |
                 bit(panelMode, in::ControlPanelModeBit);
    }
    return flags;
}

Byte inputConditions(const ConfigurationModel& m, int i) {
    const InputRecord& rec = m.input(i);
    Byte c = bit(rec.DataNoRestore, in::DataNoRestoreBit) |
             bit(rec.ReportCondition != 1, in::ReportAndBit) |
             bit(rec.AlarmCondition != 1, in::AlarmAndBit) |
             bit(rec.SmsNoRestore == 0, in::SmsRestoreBit);
    if (i == 1) {
        const InputRecord& arm = m.arm();
        c |= bit(arm.DataCondition != 1, in::ArmDataAndBit) |
             bit(arm.AlarmCondition != 1, in::ArmAlarmAndBit) |
             bit(arm.SmsNoRestore == 0, in::ArmSmsRestoreBit) |
             bit(arm.RussianTexts == 1, in::ArmRussianTextsBit);
    }
    return c;
}

Byte timesOrZones(const ConfigurationModel& m, int i) {
    switch (i) {
    case 1: return EncodeEntryExitTimes(m.EntryTime, m.ExitTime);
    case 2:
        return EncodeNibblePair(EncodeZoneType(m.input(1).ZoneType),
                                EncodeZoneType(m.input(2).ZoneType));
    default: return EncodeZoneType(m.input(i).ZoneType);
    }
}

void encodeInput(const ConfigurationModel& m, int i, DeviceImage& image) {
    const InputRecord& rec = m.input(i);
    Byte* b = image.data() + BlockOffset(i);
    const bool clip = rec.ReportMethods & MethodClip;
    const bool data = rec.ReportMethods & MethodData;
    const bool alarm = rec.ReportMethods & MethodAlarm;
    const bool sms = rec.ReportMethods & MethodSms;
    const auto [armA, armB] = armingBytes(m.arm(), i);

    b[in::Flags] = inputFlags(m, i);
    b[in::ReactionTime] = rec.ReactionTime;
    b[in::RestoreTime] = rec.RestoreTime;
    b[in::LockoutTime] = rec.LockoutTime;
    b[in::ArmingByteA] = armA;
    b[in::ClipPhone1] = onlyIf(clip, rec.ClipPhone1);
    b[in::ClipPhone3] = onlyIf(clip && rec.Clip2Enabled, rec.ClipPhone3);
    b[in::ClipPhone2] = onlyIf(clip && rec.ClipPhone2Used, rec.ClipPhone2);
    b[in::ClipPhone4] = onlyIf(clip && rec.Clip2Enabled && rec.ClipPhone4Used, rec.ClipPhone4);
    b[in::DataPhone1] = onlyIf(data, EncodeDataPhone(rec.DataPhone1, rec.DataIsDtmf));
    b[in::DataPhone2] = onlyIf(data, EncodeDataPhone(rec.DataPhone2, rec.DataIsDtmf));
    b[in::ArmingByteB] = armB;
    for (int k = 0; k < 3; ++k) {
        b[in::AlarmPhones + k] = onlyIf(alarm, rec.AlarmPhones[k]);
        b[in::SmsPhones + k] = onlyIf(sms, rec.SmsPhones[k]);
    }
    b[in::Conditions] = inputConditions(m, i);
    b[in::TimesOrZones] = timesOrZones(m, i);
    b[in::SwingerCount] = rec.SwingerCount;
    EncodeDtmfPairs(rec.EventCode,
                    field(image, BlockOffset(i) + in::EventCode, in::EventCodeSize));
    EncodeFixedText(rec.AlarmText,
                    field(image, BlockOffset(i) + in::AlarmText, layout::EventTextSize));
    EncodeFixedText(rec.RestoreText, field(image, RestoreTextOffset(i), layout::EventTextSize));
}

void encodeOutput(const ConfigurationModel& m, int j, DeviceImage& image) {
    const OutputRecord& rec = m.output(j);
    Byte* b = image.data() + BlockOffset(4 + j);
    b[out::Flags] = bit(rec.StartState == 0, out::StartStateOnBit) |
                    static_cast<Byte>(EncodeOutputTypeField(rec.OutputType) << out::TypeShift);
    b[out::PulseTime] = static_cast<Byte>(rec.PulseTime & 0xFF);
    if (j == 2 && m.OperatingMode == ControlPanelMode) {
        b[out::SirenMinutes] = onlyIf(m.SirenTimeEnabled, m.SirenMinutes);
        b[out::PulseTime] = onlyIf(m.SirenTimeEnabled, m.SirenSeconds);
    }
}

void encodeOutputTexts(const OutputRecord& rec, DeviceImage& image, int offset) {
    EncodeFixedText(rec.OnText, field(image, offset + out::OnText, out::CommandTextSize));
    EncodeFixedText(rec.OffText, field(image, offset + out::OffText, out::CommandTextSize));
    EncodeFixedText(rec.OnAnswerText,
                    field(image, offset + out::OnAnswerText, layout::EventTextSize));
    EncodeFixedText(rec.OffAnswerText,
                    field(image, offset + out::OffAnswerText, layout::EventTextSize));
}

// The high bit of the GSM times byte carries the periodic test's CLIP restore
// flag when that test reports by CLIP, the GSM no-restore flag otherwise.
bool gsmTimesFlag(const ConfigurationModel& m) {
    if (m.TestMethods & MethodClip)
        return m.TestClipPhone2Used || (m.TestClip2Enabled && m.TestClipPhone4Used);
    return m.GsmNoRestore;
}

void encodeGsm(const ConfigurationModel& m, DeviceImage& image) {
    namespace g = layout::gsm;
    Byte* b = image.data() + BlockOffset(9);
    const bool clip = m.GsmMethods & MethodClip;
    const bool sms = m.GsmMethods & MethodSms;
    const int level = m.GsmSignalLevel >= 2 && m.GsmSignalLevel <= 4 ? m.GsmSignalLevel : 1;
    b[g::Flags] = bit(m.GsmTestEnabled, 7) | static_cast<Byte>(level << 4) | bit(clip, 3) |
                  bit(sms, 2);
    // Added, not masked: out-of-range times spill into neighbouring bits as the device expects.
    b[g::Times] = static_cast<Byte>(gsmTimesFlag(m) * 128 + m.GsmLowTime + m.GsmNormalTime * 8);
    b[g::ClipPhone1] = onlyIf(clip, m.GsmClipPhone1);
    b[g::ClipPhone3] = onlyIf(clip && m.GsmClip2Enabled, m.GsmClipPhone3);
    b[g::ClipPhone2] = onlyIf(clip && m.GsmClipPhone2Used, m.GsmClipPhone2);
    b[g::ClipPhone4] = onlyIf(clip && m.GsmClip2Enabled && m.GsmClipPhone4Used, m.GsmClipPhone4);
    b[g::SmsPhone1] = onlyIf(sms, m.GsmSmsPhone1);
    b[g::SmsPhone2] = onlyIf(sms, m.GsmSmsPhone2);
}

void encodeTest(const ConfigurationModel& m, DeviceImage& image) {
    namespace t = layout::test;
    Byte* b = image.data() + BlockOffset(10);
    const bool clip = m.TestMethods & MethodClip;
    const bool data = m.TestMethods & MethodData;
    b[t::Flags] = bit(m.TestEnabled, 7) | bit(clip, 6) | bit(data, 5);
    b[t::Days] = m.TestDays;
    b[t::Hours] = m.TestHours;
    b[t::Minutes] = m.TestMinutes;
    b[t::ClipPhone1] = onlyIf(clip, m.TestClipPhone1);
    b[t::ClipPhone3] = onlyIf(clip && m.TestClip2Enabled, m.TestClipPhone3);
    b[t::DataPhone1] = onlyIf(data, m.TestDataPhone1);
    b[t::DataPhone2] = onlyIf(data, m.TestDataPhone2);
    EncodeDtmfPairs(m.TestEventCode.substr(0, 4), field(image, BlockOffset(10) + t::Account, 2));
}

void encodeArmingPhones(const InputRecord& arm, DeviceImage& image) {
    Byte* b = image.data() + BlockOffset(31);
    b[0] = arm.AlarmPhones[2];
    for (int k = 0; k < 3; ++k) b[1 + k] = arm.SmsPhones[k];
}

void encodeVoltage(const ConfigurationModel& m, DeviceImage& image) {
    Byte* b = image.data() + BlockOffset(11);
    b[0] = bit(m.AcTestEnabled, 7) | bit(m.DcTestEnabled, 6) | bit(m.AcDataNoRestore, 5) |
           bit(m.DcDataNoRestore, 4) | bit(m.AcSmsNoRestore, 3) | bit(m.DcSmsNoRestore, 2) |
           bit(m.VoltMethods & MethodData, 1) | bit(m.VoltMethods & MethodSms, 0);
    b[1] = m.VoltDataPhone1;
    b[2] = m.VoltDataPhone2;
    b[3] = m.VoltSmsPhone1;
    b[4] = m.VoltSmsPhone2;
}

void encodeCrow(const ConfigurationModel& m, DeviceImage& image) {
    namespace c = layout::crow;
    Byte* b = image.data() + BlockOffset(12);
    b[c::Phone1] = m.CrowPhone1;
    b[c::Phone2] = onlyIf(m.CrowPhone2Used, m.CrowPhone2);
    b[c::Phone3] = onlyIf(m.CrowPhone3Used, m.CrowPhone3);
    b[c::Condition] = bit((m.CrowPhone2Used || m.CrowPhone3Used) && m.CrowCondition != 1, 7);
    EncodeDtmfPairs(m.CrowAccount, field(image, BlockOffset(12) + c::Account, 2));
}

void encodeNumbers(const ConfigurationModel& m, DeviceImage& image) {
    for (int k = 1; k <= PhoneBookSize; ++k) {
        const PhoneEntry& entry = m.phone(k);
        const auto packed = EncodePackedNumber(entry.Empty ? Text{} : entry.Number);
        std::copy(packed.begin(), packed.end(), image.begin() + PhoneBookEntryOffset(k));
    }
    const auto centre = EncodePackedNumber(m.SmsCentreNumber);
    std::copy(centre.begin(), centre.end(), image.begin() + BlockOffset(17));
    const auto pin = EncodePinPair(m.PinCode);
    std::copy(pin.begin(), pin.end(), image.begin() + BlockOffset(18));
}

void encodeDeviceParameters(const ConfigurationModel& m, DeviceImage& image) {
    Byte* b = image.data() + BlockOffset(19);
    b[0] = EncodeNibblePair(m.AudioTxGain, m.AudioRxGain);
    b[1] = EncodeNibblePair(m.AudioCycleCount, m.AudioTimeout);
    b[2] = m.DataProtocol;
}

void encodeArmingText(const InputRecord& arm, DeviceImage& image) {
    const int offset = BlockOffset(20);
    EncodeFixedText(arm.AlarmText, field(image, offset, layout::EventTextSize));
    EncodeFixedText(arm.AlarmText,
                    field(image, offset + layout::EventTextSize, layout::EventTextSize));
}

} // namespace

DeviceImage EncodeImage(const ConfigurationModel& model) {
    DeviceImage image{};
    for (int i = 1; i <= 4; ++i) encodeInput(model, i, image);
    for (int j = 1; j <= OutputCount; ++j) {
        encodeOutput(model, j, image);
        encodeOutputTexts(model.output(j), image, OutputTextsOffset(j));
    }
    encodeGsm(model, image);
    encodeTest(model, image);
    encodeArmingPhones(model.arm(), image);
    encodeVoltage(model, image);
    encodeCrow(model, image);
    encodeNumbers(model, image);
    encodeDeviceParameters(model, image);
    encodeArmingText(model.arm(), image);
    return image;
}

} // namespace skarvion
