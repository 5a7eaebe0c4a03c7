#pragma once

// The in-memory description of one transmitter configuration.
//
// Field names, widths and signedness are those the device image, the project
// file and every editor page agree on. Texts are single-byte Windows-1251
// strings exactly as stored; they become Unicode only at the UI, JSON and
// report edges.

#include <array>
#include <cstdint>
#include <string>

namespace skarvion {

using Flag = std::uint8_t;     // 0 or 1
using Byte = std::uint8_t;     // plain byte, bit mask or half-second time
using PhoneRef = std::uint8_t; // 0 = none, 1..40 = phone-book entry
using Text = std::string;      // Windows-1251 bytes

inline constexpr int PhoneBookSize = 40;
inline constexpr int InputCount = 5;  // 1..4 physical inputs, 5 = arming/disarming record
inline constexpr int ArmingRecord = 5;
inline constexpr int OutputCount = 3;

// Report channel bits, shared by ReportMethods, TestMethods, GsmMethods and VoltMethods.
enum ReportMethod : Byte {
    MethodAlarm = 1,
    MethodSms = 2,
    MethodClip = 4,
    MethodData = 8,
};

enum OperatingModeValue : Byte { StandaloneMode = 0, ControlPanelMode = 1 };

enum ZoneTypeValue : Byte { ZoneEntryExit = 0, Zone24Hour = 1, ZonePerimeter = 2, ZoneWalkThrough = 3 };

enum OutputTypeValue : Byte { OutputMonostable = 0, OutputBistable = 1, OutputFlashing = 2, OutputSystem = 3 };

struct PhoneEntry {
    Text Number;
    Text Name; // tool only: neither in the image nor in the project file
    Flag Empty = 0;

    bool operator==(const PhoneEntry&) const = default;
};

struct InputRecord {
    Flag OutputLink = 0;
    std::int32_t Number = 0;
    Flag Enabled = 0;
    Byte ReportMethods = 0;
    Byte SignalType = 0;
    Byte ReactionTime = 0; // half-seconds
    Byte RestoreTime = 0;
    Byte LockoutTime = 0;
    std::array<PhoneRef, 3> SmsPhones{};
    Text AlarmText;
    Text RestoreText;
    Flag SmsNoRestore = 0; // inverted: 1 = the SMS restore report is sent
    std::array<PhoneRef, 3> AlarmPhones{};
    Flag AlarmCondition = 0; // 1 = OR, 0 = AND
    PhoneRef ClipPhone1 = 0;
    PhoneRef ClipPhone2 = 0;
    Flag ClipPhone2Used = 0;
    PhoneRef ClipPhone3 = 0;
    PhoneRef ClipPhone4 = 0;
    Flag ClipPhone4Used = 0;
    Flag Clip2Enabled = 0;
    PhoneRef DataPhone1 = 0;
    PhoneRef DataPhone2 = 0;
    PhoneRef DataPhone3 = 0;
    Flag DataIsDtmf = 0;
    Text EventCode; // 12 characters: account, event, zone, partition
    Flag DataCondition = 0;
    Flag DataNoRestore = 0;
    Flag ReportCondition = 0;
    Byte ZoneType = 0;
    Byte SwingerCount = 0;
    std::array<Byte, 4> Priorities{}; // DATA, CLIP, ALARM, SMS
    std::array<Flag, 3> Blocked{};
    Flag RussianTexts = 0; // record 5 only

    bool operator==(const InputRecord&) const = default;
};

struct OutputRecord {
    std::int32_t Number = 0;
    Byte StartState = 0; // 0 = on, 1 = off after power-up
    Byte OutputType = 0;
    std::int16_t PulseTime = 0; // half-seconds; only the low byte reaches the image
    std::int16_t Word8 = 0;
    std::int16_t Word10 = 0;
    PhoneRef SmsControlPhone = 0;
    Text OnText;
    Text OffText;
    PhoneRef AnswerPhone = 0;
    Text OnAnswerText;
    Text OffAnswerText;

    bool operator==(const OutputRecord&) const = default;
};

struct PrintInformation {
    Text SerialNumber;
    Byte PowerSupplyKind = 0; // 0 power unit, 1 accumulator, 2 other
    Text PowerSupplyText;
    Text ReportComment;
    Text SimPhoneNumber;
    Text SimRegNumber;
    Text FirmwareVersion;

    bool operator==(const PrintInformation&) const = default;
};

struct ConfigurationModel {
    // Group 1: account and periodic test.
    Text AccountNumber;
    Flag TestEnabled = 0;
    Byte TestMethods = 0;
    Byte TestDays = 0;
    Byte TestHours = 0;
    Byte TestMinutes = 0; // tens of minutes
    std::array<PhoneRef, 3> TestSmsPhones{};
    Text TestSmsText;
    Text TestSmsText2;
    PhoneRef TestClipPhone1 = 0;
    PhoneRef TestClipPhone2 = 0;
    Flag TestClipPhone2Used = 0;
    PhoneRef TestClipPhone3 = 0;
    PhoneRef TestClipPhone4 = 0;
    Flag TestClipPhone4Used = 0;
    Flag TestClip2Enabled = 0;
    PhoneRef TestDataPhone1 = 0;
    PhoneRef TestDataPhone2 = 0;
    PhoneRef TestDataPhone3 = 0;
    Text TestEventCode;
    Flag TestCondition = 0;
    std::array<Byte, 3> TestPriorities{};
    Text AcEventCode;

    // Group 2: supply-voltage monitoring.
    Flag AcTestEnabled = 0;
    Flag DcTestEnabled = 0;
    Flag AcDataNoRestore = 0;
    Flag DcDataNoRestore = 0;
    Flag AcSmsNoRestore = 0;
    Flag DcSmsNoRestore = 0;
    Byte VoltMethods = 0;
    PhoneRef VoltSmsPhone1 = 0;
    PhoneRef VoltSmsPhone2 = 0;
    PhoneRef VoltSmsPhone3 = 0;
    PhoneRef VoltDataPhone1 = 0;
    PhoneRef VoltDataPhone2 = 0;
    Text DcEventCode;

    // Group 3: GSM signal monitoring.
    Flag GsmTestEnabled = 0;
    Byte GsmMethods = 0;
    std::int16_t GsmSignalLevel = 0;
    std::int16_t GsmValue2 = 0;
    Byte GsmLowTime = 0;
    Byte GsmNormalTime = 0;
    Flag GsmNoRestore = 0;
    std::array<Flag, 3> GsmBlocked{};
    PhoneRef GsmSmsPhone1 = 0;
    PhoneRef GsmSmsPhone2 = 0;
    PhoneRef GsmSmsPhone3 = 0;
    Text GsmSmsText;
    Text GsmRestoreText;
    PhoneRef GsmClipPhone1 = 0;
    PhoneRef GsmClipPhone2 = 0;
    Flag GsmClipPhone2Used = 0;
    PhoneRef GsmClipPhone3 = 0;
    PhoneRef GsmClipPhone4 = 0;
    Flag GsmClipPhone4Used = 0;
    Flag GsmClip2Enabled = 0;
    std::array<PhoneRef, 3> GsmDataPhones{};
    Flag GsmDataIsDtmf = 0;
    Text GsmEventCode;
    std::array<Byte, 3> GsmPriorities{};

    // Group 4: phone book, entries 1..40.
    std::array<PhoneEntry, PhoneBookSize> PhoneBook{};

    // Group 5: inputs 1..4 and the arming/disarming record 5.
    std::array<InputRecord, InputCount> Inputs{};

    // Group 6: outputs 1..3.
    std::array<OutputRecord, OutputCount> Outputs{};

    // Group 7: device parameters and control-panel mode.
    Byte AudioTxGain = 0;
    Byte AudioRxGain = 0;
    Byte AudioCycleCount = 0;
    Byte AudioTimeout = 0;
    Byte DataProtocol = 0;
    Text PinCode;
    Text SmsCentreNumber;
    Byte OutputLinkedInput = 0;
    PhoneRef CrowPhone1 = 0;
    PhoneRef CrowPhone2 = 0;
    PhoneRef CrowPhone3 = 0;
    Byte CrowByte = 0;
    Flag CrowPhone2Used = 0;
    Flag CrowPhone3Used = 0;
    Flag CrowDataEnabled = 0;
    Flag CrowSmsEnabled = 0;
    Flag CrowCondition = 0;
    Text CrowAccount;
    Byte OperatingMode = 0;
    Byte EntryTime = 0; // 10 s units
    Byte ExitTime = 0;
    Byte SirenSeconds = 0;
    Byte SirenMinutes = 0;
    Flag SirenTimeEnabled = 0;

    // Group 8: print information (tool only).
    PrintInformation PrintInfo;

    // 1-based access, as records are numbered everywhere else.
    InputRecord& input(int number) { return Inputs.at(number - 1); }
    const InputRecord& input(int number) const { return Inputs.at(number - 1); }
    InputRecord& arm() { return Inputs[ArmingRecord - 1]; }
    const InputRecord& arm() const { return Inputs[ArmingRecord - 1]; }
    OutputRecord& output(int number) { return Outputs.at(number - 1); }
    const OutputRecord& output(int number) const { return Outputs.at(number - 1); }
    PhoneEntry& phone(int number) { return PhoneBook.at(number - 1); }
    const PhoneEntry& phone(int number) const { return PhoneBook.at(number - 1); }

    bool operator==(const ConfigurationModel&) const = default;
};

} // namespace skarvion
