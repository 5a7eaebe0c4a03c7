#include "app/model_fields.h"

#include <limits>

namespace skarvion {

namespace {

constexpr int PhoneRefMax = PhoneBookSize;
constexpr int MaskMax = 15;
constexpr int TextMax = 255;
constexpr int SmsTextMax = 20;     // event SMS and answer texts
constexpr int CommandTextMax = 10; // output control texts
constexpr int EventCodeLength = 12;
constexpr int AccountLength = 4;
constexpr int PrintTextMax = 0xFFFF;
constexpr int Int16Min = std::numeric_limits<std::int16_t>::min();
constexpr int Int16Max = std::numeric_limits<std::int16_t>::max();

template <class R, class M>
constexpr FieldSpec<R> number(const char* name, M R::*member, int min, int max) {
    return {name, member, min, max, TextRule::Any};
}
template <class R, class M>
constexpr FieldSpec<R> flag(const char* name, M R::*member) {
    return {name, member, 0, 1, TextRule::Any};
}
template <class R, class M>
constexpr FieldSpec<R> phone(const char* name, M R::*member) {
    return {name, member, 0, PhoneRefMax, TextRule::Any};
}
template <class R, class M>
constexpr FieldSpec<R> mask(const char* name, M R::*member) {
    return {name, member, 0, MaskMax, TextRule::Any};
}
template <class R>
constexpr FieldSpec<R> text(const char* name, Text R::*member, int maxBytes = TextMax,
                            TextRule rule = TextRule::Any) {
    return {name, member, 0, maxBytes, rule};
}
template <class R>
constexpr FieldSpec<R> code(const char* name, Text R::*member, int length = EventCodeLength) {
    return {name, member, 0, length, TextRule::Dtmf};
}

#define TOP(name) #name, &ConfigurationModel::name
#define INPUT(name) #name, &InputRecord::name
#define OUTPUT(name) #name, &OutputRecord::name
#define INFO(name) #name, &PrintInformation::name
#define ENTRY(name) #name, &PhoneEntry::name

// Groups 1 to 3: account and periodic test, supply voltage, GSM monitoring.
const FieldSpec<ConfigurationModel> topBefore[] = {
    code(TOP(AccountNumber), AccountLength),
    flag(TOP(TestEnabled)),
    mask(TOP(TestMethods)),
    number(TOP(TestDays), 0, 30),
    number(TOP(TestHours), 0, 23),
    number(TOP(TestMinutes), 0, 5),
    phone(TOP(TestSmsPhones)),
    text(TOP(TestSmsText), SmsTextMax),
    text(TOP(TestSmsText2)),
    phone(TOP(TestClipPhone1)),
    phone(TOP(TestClipPhone2)),
    flag(TOP(TestClipPhone2Used)),
    phone(TOP(TestClipPhone3)),
    phone(TOP(TestClipPhone4)),
    flag(TOP(TestClipPhone4Used)),
    flag(TOP(TestClip2Enabled)),
    phone(TOP(TestDataPhone1)),
    phone(TOP(TestDataPhone2)),
    phone(TOP(TestDataPhone3)),
    code(TOP(TestEventCode)),
    flag(TOP(TestCondition)),
    number(TOP(TestPriorities), 0, 255),
    code(TOP(AcEventCode)),

    flag(TOP(AcTestEnabled)),
    flag(TOP(DcTestEnabled)),
    flag(TOP(AcDataNoRestore)),
    flag(TOP(DcDataNoRestore)),
    flag(TOP(AcSmsNoRestore)),
    flag(TOP(DcSmsNoRestore)),
    mask(TOP(VoltMethods)),
    phone(TOP(VoltSmsPhone1)),
    phone(TOP(VoltSmsPhone2)),
    phone(TOP(VoltSmsPhone3)),
    phone(TOP(VoltDataPhone1)),
    phone(TOP(VoltDataPhone2)),
    code(TOP(DcEventCode)),

    flag(TOP(GsmTestEnabled)),
    mask(TOP(GsmMethods)),
    number(TOP(GsmSignalLevel), 1, 4),
    number(TOP(GsmValue2), Int16Min, Int16Max),
    number(TOP(GsmLowTime), 1, 6),
    number(TOP(GsmNormalTime), 1, 12),
    flag(TOP(GsmNoRestore)),
    flag(TOP(GsmBlocked)),
    phone(TOP(GsmSmsPhone1)),
    phone(TOP(GsmSmsPhone2)),
    phone(TOP(GsmSmsPhone3)),
    text(TOP(GsmSmsText), SmsTextMax),
    text(TOP(GsmRestoreText), SmsTextMax),
    phone(TOP(GsmClipPhone1)),
    phone(TOP(GsmClipPhone2)),
    flag(TOP(GsmClipPhone2Used)),
    phone(TOP(GsmClipPhone3)),
    phone(TOP(GsmClipPhone4)),
    flag(TOP(GsmClipPhone4Used)),
    flag(TOP(GsmClip2Enabled)),
    phone(TOP(GsmDataPhones)),
    flag(TOP(GsmDataIsDtmf)),
    code(TOP(GsmEventCode)),
    number(TOP(GsmPriorities), 0, 255),
};

// Group 7: device parameters and control-panel mode.
const FieldSpec<ConfigurationModel> topAfter[] = {
    number(TOP(AudioTxGain), 0, 4),
    number(TOP(AudioRxGain), 0, 4),
    number(TOP(AudioCycleCount), 1, 10),
    number(TOP(AudioTimeout), 1, 9),
    flag(TOP(DataProtocol)),
    text(TOP(PinCode), AccountLength, TextRule::PhoneDigits),
    text(TOP(SmsCentreNumber)),
    number(TOP(OutputLinkedInput), 0, 3),
    phone(TOP(CrowPhone1)),
    phone(TOP(CrowPhone2)),
    phone(TOP(CrowPhone3)),
    number(TOP(CrowByte), 0, 255),
    flag(TOP(CrowPhone2Used)),
    flag(TOP(CrowPhone3Used)),
    flag(TOP(CrowDataEnabled)),
    flag(TOP(CrowSmsEnabled)),
    flag(TOP(CrowCondition)),
    code(TOP(CrowAccount), AccountLength),
    flag(TOP(OperatingMode)),
    number(TOP(EntryTime), 0, 16),
    number(TOP(ExitTime), 1, 16),
    number(TOP(SirenSeconds), 0, 59),
    number(TOP(SirenMinutes), 0, 10),
    flag(TOP(SirenTimeEnabled)),
};

const FieldSpec<PhoneEntry> entryFields[] = {
    text(ENTRY(Number)),
    text(ENTRY(Name)),
    flag(ENTRY(Empty)),
};

const FieldSpec<InputRecord> inputFields[] = {
    flag(INPUT(OutputLink)),
    number(INPUT(Number), 1, InputCount),
    flag(INPUT(Enabled)),
    mask(INPUT(ReportMethods)),
    number(INPUT(SignalType), 0, 4),
    number(INPUT(ReactionTime), 0, 255),
    number(INPUT(RestoreTime), 0, 255),
    number(INPUT(LockoutTime), 0, 255),
    phone(INPUT(SmsPhones)),
    text(INPUT(AlarmText), SmsTextMax),
    text(INPUT(RestoreText), SmsTextMax),
    flag(INPUT(SmsNoRestore)),
    phone(INPUT(AlarmPhones)),
    flag(INPUT(AlarmCondition)),
    phone(INPUT(ClipPhone1)),
    phone(INPUT(ClipPhone2)),
    flag(INPUT(ClipPhone2Used)),
    phone(INPUT(ClipPhone3)),
    phone(INPUT(ClipPhone4)),
    flag(INPUT(ClipPhone4Used)),
    flag(INPUT(Clip2Enabled)),
    phone(INPUT(DataPhone1)),
    phone(INPUT(DataPhone2)),
    phone(INPUT(DataPhone3)),
    flag(INPUT(DataIsDtmf)),
    code(INPUT(EventCode)),
    flag(INPUT(DataCondition)),
    flag(INPUT(DataNoRestore)),
    flag(INPUT(ReportCondition)),
    number(INPUT(ZoneType), 0, 3),
    number(INPUT(SwingerCount), 1, 255),
    number(INPUT(Priorities), 0, 255),
    flag(INPUT(Blocked)),
    flag(INPUT(RussianTexts)),
};

const FieldSpec<OutputRecord> outputFields[] = {
    number(OUTPUT(Number), 1, OutputCount),
    flag(OUTPUT(StartState)),
    number(OUTPUT(OutputType), 0, 3),
    number(OUTPUT(PulseTime), 0, 255),
    number(OUTPUT(Word8), Int16Min, Int16Max),
    number(OUTPUT(Word10), Int16Min, Int16Max),
    phone(OUTPUT(SmsControlPhone)),
    text(OUTPUT(OnText), CommandTextMax),
    text(OUTPUT(OffText), CommandTextMax),
    phone(OUTPUT(AnswerPhone)),
    text(OUTPUT(OnAnswerText), SmsTextMax),
    text(OUTPUT(OffAnswerText), SmsTextMax),
};

const FieldSpec<PrintInformation> printInfoFields[] = {
    text(INFO(SerialNumber), PrintTextMax),
    number(INFO(PowerSupplyKind), 0, 2),
    text(INFO(PowerSupplyText), PrintTextMax),
    text(INFO(ReportComment), PrintTextMax),
    text(INFO(SimPhoneNumber), PrintTextMax),
    text(INFO(SimRegNumber), PrintTextMax),
    text(INFO(FirmwareVersion), PrintTextMax),
};

#undef TOP
#undef INPUT
#undef OUTPUT
#undef INFO
#undef ENTRY

} // namespace

std::span<const FieldSpec<ConfigurationModel>> TopFieldsBeforePhoneBook() { return topBefore; }
std::span<const FieldSpec<ConfigurationModel>> TopFieldsAfterOutputs() { return topAfter; }
std::span<const FieldSpec<PhoneEntry>> PhoneEntryFields() { return entryFields; }
std::span<const FieldSpec<InputRecord>> InputFields() { return inputFields; }
std::span<const FieldSpec<OutputRecord>> OutputFields() { return outputFields; }
std::span<const FieldSpec<PrintInformation>> PrintInfoFields() { return printInfoFields; }

} // namespace skarvion
