// DecodeImage: fills the configuration model from a 900-byte device image.
//
// Decoding is not the inverse of encoding: report methods are inferred from
// the phone bytes, phone lists are compacted, out-of-range values fall back to
// defaults, and fields the image does not carry keep their values.

#include "model/device_image.h"
#include "model/field_encodings.h"
#include "model/image_layout.h"
#include "model/model_operations.h"

#include <tuple>

namespace skarvion {

namespace {

namespace in = layout::input;
namespace out = layout::output;

bool hasBit(Byte value, int position) {
    return (value >> position) & 1;
}

Flag flagOf(bool value) {
    return value ? 1 : 0;
}

std::span<const Byte> field(const DeviceImage& image, int offset, int length) {
    return std::span<const Byte>(image).subspan(static_cast<std::size_t>(offset),
                                                static_cast<std::size_t>(length));
}

Text fixedText(const DeviceImage& image, int offset, int length) {
    return DecodeFixedText(field(image, offset, length));
}

// If the first phone is 0, the first non-zero of the other two takes its place.
void compactThree(std::array<PhoneRef, 3>& phones) {
    if (phones[0] != 0) return;
    for (int k = 1; k < 3; ++k) {
        if (phones[k] != 0) {
            phones[0] = phones[k];
            phones[k] = 0;
            return;
        }
    }
}

// The four CLIP phones of one report: event call, restore call, and the same
// pair again for group 2. Shared by the inputs and the GSM monitor.
struct ClipFields {
    PhoneRef& phone1;
    PhoneRef& phone2;
    Flag& phone2Used;
    PhoneRef& phone3;
    PhoneRef& phone4;
    Flag& phone4Used;
    Flag& group2Enabled;
};

// Returns whether the CLIP method is on (the first phone byte is non-zero).
bool decodeClip(ClipFields f, Byte p1, Byte p3, Byte p2, Byte p4) {
    if (p1 == 0) {
        f.phone1 = f.phone2 = f.phone3 = f.phone4 = 0;
        f.phone2Used = f.phone4Used = f.group2Enabled = 0;
        return false;
    }
    f.phone1 = p1;
    f.phone2 = p2;
    f.phone2Used = flagOf(p2 != 0);
    if (p3 != 0) {
        f.group2Enabled = 1;
        f.phone3 = p3;
        f.phone4 = p4;
        f.phone4Used = flagOf(p4 != 0);
    } else {
        f.phone3 = f.phone4 = 0;
        f.phone4Used = f.group2Enabled = 0;
    }
    return true;
}

void decodeInputFlags(ConfigurationModel& m, int i, Byte v) {
    InputRecord& rec = m.input(i);
    rec.Enabled = flagOf(hasBit(v, in::EnabledBit));
    if (i == 1) {
        m.OperatingMode = hasBit(v, in::ControlPanelModeBit);
        m.arm().SignalType = hasBit(v, in::ArmingSourceBit);
        if (!hasBit(v, in::Input1OutputLinkBit))
            rec.OutputLink = 0;
        else if (m.OperatingMode == ControlPanelMode)
            rec.OutputLink = 1;
    }
    rec.SignalType = DecodeSignalTypeField((v >> in::SignalTypeShift) & 7);
    const bool linked = hasBit(v, in::OutputLinkBit);
    if (m.OperatingMode != 0) {
        (i == 1 ? m.arm().OutputLink : rec.OutputLink) = flagOf(linked);
    } else if (linked) {
        m.OutputLinkedInput = static_cast<Byte>(i);
    }
}

void decodeArmingByteA(InputRecord& arm, int i, Byte a) {
    if (i == 3) {
        arm.DataIsDtmf = flagOf(hasBit(a, 7));
        arm.DataPhone1 = a & 127;
        if (arm.DataPhone1 != 0) arm.ReportMethods |= MethodData;
        return;
    }
    if (a == 0) return;
    switch (i) {
    case 1:
        arm.ReportMethods |= MethodClip;
        arm.ClipPhone1 = a;
        break;
    case 2:
        arm.ClipPhone2Used = 1;
        arm.ClipPhone2 = a;
        break;
    case 4:
        arm.ReportMethods |= MethodAlarm;
        arm.AlarmPhones[0] = a;
        break;
    }
}

void decodeArmingByteB(InputRecord& arm, int i, Byte b) {
    if (i == 3) {
        arm.DataPhone2 = b & 127;
        return;
    }
    if (b == 0) return;
    switch (i) {
    case 1:
        arm.Clip2Enabled = 1;
        arm.ClipPhone3 = b;
        break;
    case 2:
        arm.ClipPhone4Used = 1;
        arm.ClipPhone4 = b;
        break;
    case 4: arm.AlarmPhones[1] = b; break;
    }
}

void decodeInputData(InputRecord& rec, Byte byte1, Byte byte2) {
    rec.DataIsDtmf = flagOf(hasBit(byte1, 7));
    const PhoneRef p1 = byte1 & 127;
    const PhoneRef p2 = byte2 & 127;
    rec.DataPhone3 = 0;
    if (p1 == 0 && p2 == 0) {
        rec.DataPhone1 = rec.DataPhone2 = 0;
        return;
    }
    rec.ReportMethods |= MethodData;
    rec.DataPhone1 = p1 != 0 ? p1 : p2;
    rec.DataPhone2 = p1 != 0 ? p2 : 0;
}

void decodeInputConditions(ConfigurationModel& m, int i, Byte c) {
    InputRecord& rec = m.input(i);
    rec.DataNoRestore = flagOf(hasBit(c, in::DataNoRestoreBit));
    rec.ReportCondition = flagOf(!hasBit(c, in::ReportAndBit));
    rec.AlarmCondition = flagOf(!hasBit(c, in::AlarmAndBit));
    rec.SmsNoRestore = flagOf(!hasBit(c, in::SmsRestoreBit));
    if (i == 1) {
        InputRecord& arm = m.arm();
        arm.DataCondition = flagOf(!hasBit(c, in::ArmDataAndBit));
        arm.AlarmCondition = flagOf(!hasBit(c, in::ArmAlarmAndBit));
        arm.SmsNoRestore = flagOf(!hasBit(c, in::ArmSmsRestoreBit));
        arm.RussianTexts = flagOf(hasBit(c, in::ArmRussianTextsBit));
    }
}

void decodeTimesOrZones(ConfigurationModel& m, int i, Byte d) {
    switch (i) {
    case 1: std::tie(m.EntryTime, m.ExitTime) = DecodeEntryExitTimes(d); break;
    case 2:
        m.input(1).ZoneType = DecodeZoneType(d >> 4, ZoneTable::Z1);
        m.input(2).ZoneType = DecodeZoneType(d & 15, ZoneTable::Z2);
        break;
    case 3: m.input(3).ZoneType = DecodeZoneType(d, ZoneTable::Z1); break;
    case 4: m.input(4).ZoneType = DecodeZoneType(d, ZoneTable::Z4); break;
    }
}

void decodeInput(const DeviceImage& image, ConfigurationModel& m, int i) {
    InputRecord& rec = m.input(i);
    const int base = BlockOffset(i);
    const Byte* b = image.data() + base;

    decodeInputFlags(m, i, b[in::Flags]);
    rec.ReactionTime = b[in::ReactionTime];
    rec.RestoreTime = b[in::RestoreTime];
    rec.LockoutTime = b[in::LockoutTime];
    rec.ReportMethods = 0;
    decodeArmingByteA(m.arm(), i, b[in::ArmingByteA]);

    const bool clip = decodeClip({rec.ClipPhone1, rec.ClipPhone2, rec.ClipPhone2Used, rec.ClipPhone3,
                                  rec.ClipPhone4, rec.ClipPhone4Used, rec.Clip2Enabled},
                                 b[in::ClipPhone1], b[in::ClipPhone3], b[in::ClipPhone2],
                                 b[in::ClipPhone4]);
    if (clip) rec.ReportMethods |= MethodClip;

    decodeInputData(rec, b[in::DataPhone1], b[in::DataPhone2]);
    decodeArmingByteB(m.arm(), i, b[in::ArmingByteB]);

    for (int k = 0; k < 3; ++k) rec.AlarmPhones[k] = b[in::AlarmPhones + k];
    compactThree(rec.AlarmPhones);
    if (rec.AlarmPhones[0] != 0) rec.ReportMethods |= MethodAlarm;

    decodeInputConditions(m, i, b[in::Conditions]);

    for (int k = 0; k < 3; ++k) rec.SmsPhones[k] = b[in::SmsPhones + k];
    compactThree(rec.SmsPhones);
    if (rec.SmsPhones[0] != 0) rec.ReportMethods |= MethodSms;

    decodeTimesOrZones(m, i, b[in::TimesOrZones]);
    rec.SwingerCount = b[in::SwingerCount] != 0 ? b[in::SwingerCount] : 1;
    rec.EventCode = DecodeDtmfPairs(field(image, base + in::EventCode, in::EventCodeSize));
    rec.AlarmText = fixedText(image, base + in::AlarmText, layout::EventTextSize);
    rec.RestoreText.clear();
    if (i == 1) rec.RestoreText = fixedText(image, RestoreTextOffset(1), layout::EventTextSize);
}

void decodeOutput(const DeviceImage& image, ConfigurationModel& m, int j) {
    OutputRecord& rec = m.output(j);
    const Byte* b = image.data() + BlockOffset(4 + j);
    rec.StartState = hasBit(b[out::Flags], out::StartStateOnBit) ? 0 : 1;
    rec.OutputType = DecodeOutputTypeField(b[out::Flags] >> out::TypeShift);
    rec.PulseTime = b[out::PulseTime];
    if (j == 2 && m.OperatingMode == ControlPanelMode) {
        const bool sirenSet = b[out::SirenMinutes] != 0 || b[out::PulseTime] != 0;
        m.SirenTimeEnabled = flagOf(sirenSet);
        if (sirenSet) {
            m.SirenSeconds = b[out::PulseTime];
            m.SirenMinutes = b[out::SirenMinutes];
        }
    }
}

void deriveSystemOutputs(ConfigurationModel& m) {
    if (m.OperatingMode == ControlPanelMode) {
        m.output(1).OutputType = OutputSystem;
        m.output(2).OutputType = OutputSystem;
    } else if (m.OutputLinkedInput != 0) {
        m.output(2).OutputType = OutputSystem;
    }
}

void decodeOutputTexts(const DeviceImage& image, OutputRecord& rec, int offset) {
    rec.OnText = fixedText(image, offset + out::OnText, out::CommandTextSize);
    rec.OffText = fixedText(image, offset + out::OffText, out::CommandTextSize);
    rec.OnAnswerText = fixedText(image, offset + out::OnAnswerText, layout::EventTextSize);
    rec.OffAnswerText = fixedText(image, offset + out::OffAnswerText, layout::EventTextSize);
}

Byte limited(int value, int low, int high) {
    return static_cast<Byte>(value < low ? low : value > high ? high : value);
}

void decodeGsm(const DeviceImage& image, ConfigurationModel& m) {
    namespace g = layout::gsm;
    const Byte* b = image.data() + BlockOffset(9);
    m.GsmTestEnabled = flagOf(hasBit(b[g::Flags], 7));
    const int level = (b[g::Flags] >> 4) & 7;
    m.GsmSignalLevel = static_cast<std::int16_t>(level >= 2 && level <= 4 ? level : 1);
    m.GsmNoRestore = flagOf(hasBit(b[g::Times], 7));
    m.GsmLowTime = limited(b[g::Times] & 7, 1, 6);
    m.GsmNormalTime = limited((b[g::Times] >> 3) & 15, 1, 12);
    m.GsmMethods = 0;
    const bool clip = decodeClip({m.GsmClipPhone1, m.GsmClipPhone2, m.GsmClipPhone2Used,
                                  m.GsmClipPhone3, m.GsmClipPhone4, m.GsmClipPhone4Used,
                                  m.GsmClip2Enabled},
                                 b[g::ClipPhone1], b[g::ClipPhone3], b[g::ClipPhone2],
                                 b[g::ClipPhone4]);
    if (clip) m.GsmMethods |= MethodClip;
    const Byte sms1 = b[g::SmsPhone1];
    const Byte sms2 = b[g::SmsPhone2];
    if (sms1 != 0 || sms2 != 0) {
        m.GsmMethods |= MethodSms;
        m.GsmSmsPhone1 = sms1 != 0 ? sms1 : sms2;
        m.GsmSmsPhone2 = sms1 != 0 ? sms2 : 0;
    } else {
        m.GsmSmsPhone1 = m.GsmSmsPhone2 = 0;
    }
}

void decodeTest(const DeviceImage& image, ConfigurationModel& m) {
    namespace t = layout::test;
    const Byte* b = image.data() + BlockOffset(10);
    m.TestSmsPhones = {0, 0, 0};
    m.TestMethods = 0;
    m.TestEnabled = flagOf(hasBit(b[t::Flags], 7));
    if (hasBit(b[t::Flags], 6)) m.TestMethods |= MethodClip;
    if (hasBit(b[t::Flags], 5)) m.TestMethods |= MethodData;
    m.TestDays = b[t::Days];
    m.TestHours = b[t::Hours];
    m.TestMinutes = b[t::Minutes];
    if (m.TestDays == 0 && m.TestHours == 0 && m.TestMinutes == 0) m.TestMinutes = 1;

    const Byte clip1 = b[t::ClipPhone1];
    const Byte clip3 = b[t::ClipPhone3];
    if (clip1 != 0) {
        m.TestClipPhone1 = clip1;
        m.TestClipPhone3 = clip3;
        m.TestClip2Enabled = flagOf(clip3 != 0);
    } else if (clip3 != 0) {
        m.TestClipPhone1 = clip3;
        m.TestClipPhone3 = 0;
        m.TestClip2Enabled = 0;
    } else {
        m.TestMethods &= static_cast<Byte>(~MethodClip);
        m.TestClipPhone1 = m.TestClipPhone3 = 0;
        m.TestClip2Enabled = 0;
    }

    const Byte data1 = b[t::DataPhone1];
    const Byte data2 = b[t::DataPhone2];
    if (data1 != 0) {
        m.TestDataPhone1 = data1;
        m.TestDataPhone2 = data2;
    } else if (data2 != 0) {
        m.TestDataPhone1 = data2;
        m.TestDataPhone2 = 0;
    } else {
        m.TestMethods &= static_cast<Byte>(~MethodData);
        m.TestDataPhone1 = m.TestDataPhone2 = 0;
    }
    m.TestSmsText.clear();
    m.TestSmsText2.clear();

    const Text account = DecodeDtmfPairs(field(image, BlockOffset(10) + t::Account, 2));
    m.TestEventCode = account + "602" + "000" + "00";
    m.AccountNumber = account;
    ReplaceAccountPart(m.arm().EventCode, account);
}

void decodeArmingPhones(const DeviceImage& image, InputRecord& arm) {
    const Byte* b = image.data() + BlockOffset(31);
    arm.AlarmPhones[2] = b[0];
    if (b[1] != 0) {
        arm.ReportMethods |= MethodSms;
        arm.SmsPhones[0] = b[1];
    }
    arm.SmsPhones[1] = b[2];
    arm.SmsPhones[2] = b[3];
}

void decodeVoltage(const DeviceImage& image, ConfigurationModel& m) {
    const Byte* b = image.data() + BlockOffset(11);
    m.AcTestEnabled = flagOf(hasBit(b[0], 7));
    m.DcTestEnabled = flagOf(hasBit(b[0], 6));
    m.AcDataNoRestore = flagOf(hasBit(b[0], 5));
    m.DcDataNoRestore = flagOf(hasBit(b[0], 4));
    m.AcSmsNoRestore = flagOf(hasBit(b[0], 3));
    m.DcSmsNoRestore = flagOf(hasBit(b[0], 2));
    m.VoltMethods = static_cast<Byte>((hasBit(b[0], 1) ? MethodData : 0) |
                                      (hasBit(b[0], 0) ? MethodSms : 0));
    // Taken modulo 41 so that no byte can name an entry past the phone book.
    m.VoltDataPhone1 = b[1] % 41;
    m.VoltDataPhone2 = b[2] % 41;
    m.VoltSmsPhone1 = b[3] % 41;
    m.VoltSmsPhone2 = b[4] % 41;
}

void decodeCrow(const DeviceImage& image, ConfigurationModel& m) {
    namespace c = layout::crow;
    const Byte* b = image.data() + BlockOffset(12);
    const Byte q = b[c::Phone1], r = b[c::Phone2], s = b[c::Phone3];
    if (q != 0) {
        m.CrowPhone1 = q, m.CrowPhone2 = r, m.CrowPhone3 = s;
    } else if (r != 0) {
        m.CrowPhone1 = r, m.CrowPhone2 = 0, m.CrowPhone3 = s;
    } else {
        m.CrowPhone1 = s, m.CrowPhone2 = 0, m.CrowPhone3 = 0;
    }
    m.CrowPhone2Used = flagOf(m.CrowPhone2 != 0);
    m.CrowPhone3Used = flagOf(m.CrowPhone3 != 0);
    m.CrowCondition = hasBit(b[c::Condition], 7) ? 0 : 1;
    m.CrowAccount = DecodeDtmfPairs(field(image, BlockOffset(12) + c::Account, 2));
}

void decodeNumbers(const DeviceImage& image, ConfigurationModel& m) {
    auto packed = [&](int offset) {
        return DecodePackedNumber(
            std::span<const Byte, PackedNumberSize>(image.data() + offset, PackedNumberSize));
    };
    for (int k = 1; k <= PhoneBookSize; ++k) {
        PhoneEntry& entry = m.phone(k);
        entry.Number = packed(PhoneBookEntryOffset(k));
        entry.Empty = flagOf(entry.Number.empty());
    }
    m.SmsCentreNumber = packed(BlockOffset(17));
    m.PinCode = DecodePinPair(std::span<const Byte, 2>(image.data() + BlockOffset(18), 2));
}

void decodeDeviceParameters(const DeviceImage& image, ConfigurationModel& m) {
    const Byte* b = image.data() + BlockOffset(19);
    std::tie(m.AudioTxGain, m.AudioRxGain) = DecodeNibblePair(b[0]);
    std::tie(m.AudioCycleCount, m.AudioTimeout) = DecodeNibblePair(b[1]);
    m.DataProtocol = flagOf(b[2] != 0);
}

} // namespace

bool DecodeImage(const DeviceImage& image, ConfigurationModel& m) {
    m.arm().ReportMethods = 0;
    m.OutputLinkedInput = 0;
    for (int i = 1; i <= 4; ++i) decodeInput(image, m, i);
    for (int j = 1; j <= OutputCount; ++j) decodeOutput(image, m, j);
    deriveSystemOutputs(m);
    decodeOutputTexts(image, m.output(3), OutputTextsOffset(3));
    decodeGsm(image, m);
    decodeTest(image, m);
    decodeArmingPhones(image, m.arm());
    decodeVoltage(image, m);
    decodeCrow(image, m);
    for (int i = 2; i <= 4; ++i)
        m.input(i).RestoreText = fixedText(image, RestoreTextOffset(i), layout::EventTextSize);
    decodeOutputTexts(image, m.output(1), OutputTextsOffset(1));
    decodeOutputTexts(image, m.output(2), OutputTextsOffset(2));
    decodeNumbers(image, m);
    decodeDeviceParameters(image, m);
    m.arm().AlarmText = fixedText(image, BlockOffset(20), layout::EventTextSize);
    m.arm().RestoreText.clear();
    return true;
}

} // namespace skarvion
