#pragma once

// Byte roles inside the image blocks, relative to each block's first byte.
// Shared by the encoder and the decoder.

namespace skarvion::layout {

namespace input {
inline constexpr int Flags = 0;
inline constexpr int ReactionTime = 1;
inline constexpr int RestoreTime = 2;
inline constexpr int LockoutTime = 3;
inline constexpr int ArmingByteA = 4;
inline constexpr int ClipPhone1 = 5;
inline constexpr int ClipPhone3 = 6;
inline constexpr int ClipPhone2 = 7;
inline constexpr int ClipPhone4 = 8;
inline constexpr int DataPhone1 = 9;
inline constexpr int DataPhone2 = 10;
inline constexpr int ArmingByteB = 11;
inline constexpr int AlarmPhones = 12; // 3 bytes
inline constexpr int Conditions = 15;
inline constexpr int SmsPhones = 16; // 3 bytes
inline constexpr int TimesOrZones = 19;
inline constexpr int SwingerCount = 20;
inline constexpr int EventCode = 21; // 6 bytes
inline constexpr int EventCodeSize = 6;
inline constexpr int AlarmText = 27; // 20 bytes

// Bits of the flag byte.
inline constexpr int EnabledBit = 7;
inline constexpr int ArmingSourceBit = 6; // input 1 only
inline constexpr int SignalTypeShift = 3; // bits 5..3
inline constexpr int OutputLinkBit = 2;
inline constexpr int Input1OutputLinkBit = 1; // input 1 only
inline constexpr int ControlPanelModeBit = 0; // input 1 only

// Bits of the condition byte; the arming-record bits live in input 1's block.
inline constexpr int DataNoRestoreBit = 7;
inline constexpr int ArmDataAndBit = 6;
inline constexpr int ArmAlarmAndBit = 5;
inline constexpr int ArmSmsRestoreBit = 4;
inline constexpr int ArmRussianTextsBit = 3;
inline constexpr int ReportAndBit = 2;
inline constexpr int AlarmAndBit = 1;
inline constexpr int SmsRestoreBit = 0;
} // namespace input

namespace output {
inline constexpr int Flags = 0;
inline constexpr int SirenMinutes = 1;
inline constexpr int PulseTime = 2;
inline constexpr int StartStateOnBit = 7;
inline constexpr int TypeShift = 5; // bits 6..5

// The 60 bytes of texts.
inline constexpr int OnText = 0;
inline constexpr int OffText = 10;
inline constexpr int OnAnswerText = 20;
inline constexpr int OffAnswerText = 40;
inline constexpr int CommandTextSize = 10;
} // namespace output

namespace gsm {
inline constexpr int Flags = 0;
inline constexpr int Times = 1;
inline constexpr int ClipPhone1 = 2;
inline constexpr int ClipPhone3 = 3;
inline constexpr int ClipPhone2 = 4;
inline constexpr int ClipPhone4 = 5;
inline constexpr int SmsPhone1 = 6;
inline constexpr int SmsPhone2 = 7;
} // namespace gsm

namespace test {
inline constexpr int Flags = 0;
inline constexpr int Days = 1;
inline constexpr int Hours = 2;
inline constexpr int Minutes = 3;
inline constexpr int ClipPhone1 = 4;
inline constexpr int ClipPhone3 = 5;
inline constexpr int DataPhone1 = 6;
inline constexpr int DataPhone2 = 7;
inline constexpr int Account = 8; // 2 bytes
} // namespace test

namespace crow {
inline constexpr int Phone1 = 0;
inline constexpr int Phone2 = 1;
inline constexpr int Phone3 = 2;
inline constexpr int Condition = 3;
inline constexpr int Account = 4; // 2 bytes
} // namespace crow

inline constexpr int EventTextSize = 20;

} // namespace skarvion::layout
