#include "model/model_operations.h"

#include <string>

namespace skarvion {

namespace {

constexpr Byte TwoSeconds = 4; // half-seconds
constexpr Byte OneSecond = 2;
constexpr Byte ResistorLoop = 4;

// Windows-1251 bytes of the Russian default texts.
const Text AlarmTextPrefix = "\xD2\xF0\xE5\xE2\xEE\xE3\xE0 \xE2\xF5\xEE\xE4 "; // "Тревога вход "
const Text RestoreTextPrefix = "\xC2\xEE\xF1\xF1\xF2. \xE2\xF5\xEE\xE4 ";    // "Восст. вход "
const Text ArmingText = "\xCF\xEE\xF1\xF2\xE0\xED\xEE\xE2\xEA\xE0";           // "Постановка"
const Text DisarmingText = "\xD1\xED\xFF\xF2\xE8\xE5";                        // "Снятие"

void resetGroup1(ConfigurationModel& m) {
    m.AccountNumber = "1111";
    m.TestEnabled = 0;
    m.TestMethods = 0;
    m.TestDays = 0;
    m.TestHours = 0;
    m.TestMinutes = 1;
    m.TestSmsPhones = {0, 0, 0};
    m.TestSmsText.clear();
    m.TestSmsText2.clear();
    m.TestClipPhone1 = 0;
    m.TestClipPhone2 = 0;
    m.TestDataPhone1 = 0;
    m.TestDataPhone2 = 0;
    m.TestDataPhone3 = 0;
    m.TestEventCode = m.AccountNumber + "602" + "000" + "00";
    m.TestCondition = 1;
    m.TestPriorities = {2, 1, 3};
    m.AcEventCode = "301";
}

void resetGroup2(ConfigurationModel& m) {
    m.AcTestEnabled = 0;
    m.DcTestEnabled = 0;
    m.AcDataNoRestore = 0;
    m.DcDataNoRestore = 0;
    m.AcSmsNoRestore = 0;
    m.DcSmsNoRestore = 0;
    m.VoltMethods = 0;
    m.VoltSmsPhone1 = 0;
    m.VoltSmsPhone2 = 0;
    m.VoltSmsPhone3 = 0;
    m.VoltDataPhone1 = 0;
    m.VoltDataPhone2 = 0;
    m.DcEventCode = m.AccountNumber + "302" + "000" + "00";
}

void resetGroup3(ConfigurationModel& m) {
    m.GsmTestEnabled = 0;
    m.GsmMethods = 0;
    m.GsmSignalLevel = 1;
    m.GsmValue2 = 3;
    m.GsmLowTime = 2;
    m.GsmNormalTime = 6;
    m.GsmBlocked = {0, 0, 0};
    m.GsmSmsPhone1 = 0;
    m.GsmSmsPhone2 = 0;
    m.GsmSmsPhone3 = 0;
    m.GsmSmsText.clear();
    m.GsmRestoreText.clear();
    m.GsmClipPhone1 = 0;
    m.GsmClipPhone2 = 0;
    m.GsmClipPhone2Used = 1;
    m.GsmClipPhone3 = 0;
    m.GsmClipPhone4 = 0;
    m.GsmClip2Enabled = 0;
    m.GsmPriorities = {3, 1, 2};
}

void resetPhoneBook(ConfigurationModel& m) {
    for (int k = 1; k <= PhoneBookSize; ++k) {
        PhoneEntry& entry = m.phone(k);
        entry.Number.clear();
        entry.Name = "NAME" + std::to_string(k);
        entry.Empty = 1;
    }
}

// Fields common to the four inputs and record 5.
void resetInputCommon(InputRecord& rec, int number) {
    rec.OutputLink = 0;
    rec.Number = number;
    rec.ReportMethods = 0;
    rec.SignalType = 0;
    rec.ReactionTime = rec.RestoreTime = rec.LockoutTime = TwoSeconds;
    rec.SmsPhones[0] = 0;
    rec.AlarmPhones[0] = 0;
    rec.ClipPhone1 = rec.ClipPhone2 = rec.ClipPhone3 = rec.ClipPhone4 = 0;
    rec.Clip2Enabled = 0;
    rec.DataPhone1 = rec.DataPhone2 = rec.DataPhone3 = 0;
    rec.DataIsDtmf = 0;
    rec.DataCondition = 1;
    rec.ReportCondition = 1;
    rec.DataNoRestore = 0;
    rec.SwingerCount = 5;
    rec.Priorities = {2, 1, 3, 4};
}

void resetInputs(ConfigurationModel& m) {
    static constexpr Byte defaultZoneTypes[] = {ZonePerimeter, ZoneEntryExit, ZonePerimeter,
                                                Zone24Hour};
    for (int n = 1; n <= 4; ++n) {
        InputRecord& rec = m.input(n);
        resetInputCommon(rec, n);
        rec.Enabled = 0;
        rec.AlarmText = AlarmTextPrefix + std::to_string(n);
        rec.RestoreText = RestoreTextPrefix + std::to_string(n);
        rec.ClipPhone2Used = rec.ClipPhone4Used = 1;
        rec.EventCode = m.AccountNumber + "130" + "00" + std::to_string(n) + "00";
        rec.ZoneType = defaultZoneTypes[n - 1];
        rec.Blocked = {0, 0, 0};
    }
    InputRecord& arm = m.arm();
    resetInputCommon(arm, ArmingRecord);
    arm.Enabled = 1;
    arm.AlarmText = ArmingText;
    arm.RestoreText = DisarmingText;
    arm.ClipPhone2Used = arm.ClipPhone4Used = 0;
    arm.EventCode = m.AccountNumber + "401" + "000" + "00";
    arm.RussianTexts = 1;
}

void resetOutputs(ConfigurationModel& m) {
    for (int j = 1; j <= OutputCount; ++j) {
        OutputRecord& rec = m.output(j);
        rec = OutputRecord{};
        rec.Number = j;
        rec.StartState = 1;
        rec.OutputType = OutputMonostable;
        rec.PulseTime = j == 2 ? 2 : 10;
    }
}

void resetDeviceParameters(ConfigurationModel& m) {
    m.AudioTxGain = 1;
    m.AudioRxGain = 1;
    m.AudioCycleCount = 5;
    m.AudioTimeout = 2;
    m.DataProtocol = 1;
    m.PinCode = DefaultPinCode;
    m.SmsCentreNumber.clear();
    m.OutputLinkedInput = 0;
    m.CrowPhone1 = 0;
    m.CrowByte = 0;
    m.CrowDataEnabled = 1;
    m.CrowSmsEnabled = 0;
    m.CrowAccount = "0000";
    m.OperatingMode = StandaloneMode;
    m.EntryTime = 3;
    m.ExitTime = 12;
    m.SirenSeconds = 30;
    m.SirenMinutes = 1;
    m.SirenTimeEnabled = 1;
}

void setTimes(InputRecord& rec, Byte halfSeconds) {
    rec.ReactionTime = rec.RestoreTime = rec.LockoutTime = halfSeconds;
}

} // namespace

ConfigurationModel StartupModel() {
    ConfigurationModel model;
    ResetModel(model);
    return model;
}

void ResetModel(ConfigurationModel& model) {
    resetGroup1(model);
    resetGroup2(model);
    resetGroup3(model);
    resetPhoneBook(model);
    resetInputs(model);
    resetOutputs(model);
    resetDeviceParameters(model);
    model.PrintInfo = PrintInformation{};
}

void EnterControlPanelMode(ConfigurationModel& model) {
    for (int n : {1, 2}) {
        model.input(n).OutputLink = 0;
        setTimes(model.input(n), OneSecond);
    }
    for (int n : {3, 4}) setTimes(model.input(n), TwoSeconds);
    for (int n = 1; n <= 4; ++n) {
        InputRecord& rec = model.input(n);
        rec.SignalType = ResistorLoop;
        rec.OutputLink = 0;
        rec.Enabled = 0;
        rec.ReportMethods = 0;
    }
    Text& armCode = model.arm().EventCode;
    if (armCode.size() < 7) armCode.resize(7, '0');
    armCode.replace(4, 3, "401");
    model.arm().SignalType = 0;
    model.input(1).Enabled = 1;
    model.input(1).SignalType = 0;
    model.output(1).OutputType = OutputSystem;
    model.output(2).OutputType = OutputSystem;
}

void EnterStandaloneMode(ConfigurationModel& model) {
    for (int n = 1; n <= 4; ++n) {
        InputRecord& rec = model.input(n);
        rec.OutputLink = 0;
        setTimes(rec, TwoSeconds);
        rec.SignalType = 0;
        rec.Enabled = 0;
        rec.ReportMethods = 0;
    }
    model.output(1).OutputType = OutputMonostable;
    model.output(2).OutputType = OutputMonostable;
    model.arm().ReportMethods = 0;
}

void SelectArmingByInput1(ConfigurationModel& model) {
    model.arm().SignalType = 0;
    InputRecord& input1 = model.input(1);
    input1.Enabled = 1;
    input1.SignalType = 0;
    input1.ReportMethods = 0;
}

void SelectArmingOther(ConfigurationModel& model) {
    InputRecord& input1 = model.input(1);
    input1.Enabled = 0;
    input1.SignalType = model.OperatingMode == ControlPanelMode ? ResistorLoop : 0;
    model.arm().SignalType = 1;
}

void ReplaceAccountPart(Text& eventCode, const Text& account) {
    if (eventCode.size() < 4) eventCode.resize(4, '0');
    for (std::size_t i = 0; i < 4; ++i) eventCode[i] = i < account.size() ? account[i] : '0';
}

void SetAccountCharacter(ConfigurationModel& model, int position, char character) {
    if (position < 1 || position > 4) return;
    const std::size_t index = static_cast<std::size_t>(position - 1);
    if (model.AccountNumber.size() < 4) model.AccountNumber.resize(4, '0');
    if (model.TestEventCode.size() < 4) model.TestEventCode.resize(4, '0');
    model.AccountNumber[index] = character;
    model.TestEventCode[index] = character;
    for (InputRecord& rec : model.Inputs) ReplaceAccountPart(rec.EventCode, model.AccountNumber);
}

void SetAccountNumber(ConfigurationModel& model, const Text& account) {
    for (int position = 1; position <= 4; ++position) {
        const std::size_t index = static_cast<std::size_t>(position - 1);
        SetAccountCharacter(model, position, index < account.size() ? account[index] : '0');
    }
}

void SetZoneType(ConfigurationModel& model, int input, Byte zoneType) {
    if (input < 1 || input > 4 || zoneType > ZoneWalkThrough) return;
    if (input == 2 && zoneType != ZoneEntryExit) {
        for (int n : {1, 3, 4}) {
            InputRecord& other = model.input(n);
            if (other.ZoneType == ZoneWalkThrough)
                other.ZoneType = n == 4 ? Zone24Hour : ZonePerimeter;
        }
        if (zoneType == ZoneWalkThrough) model.EntryTime = 0;
    }
    model.input(input).ZoneType = zoneType;
}

} // namespace skarvion
