#include "summary_fixtures.h"

#include "model/model_operations.h"
#include "model/windows1251.h"

#include <fstream>

namespace skarvion::testing {

std::string cp1251(const std::string& utf8) {
    return Utf8ToWindows1251(utf8).value_or("?");
}

ConfigurationModel FreshModel() {
    return StartupModel();
}

namespace {

void fillPhoneBook(ConfigurationModel& m) {
    for (int k = 1; k <= 6; ++k) {
        m.phone(k).Number = "+7900111000" + std::to_string(k);
        m.phone(k).Empty = 0;
    }
    m.phone(7).Number = "+79009999999"; // kept, but the entry is empty
    m.phone(7).Empty = 1;
}

void configureInputs(ConfigurationModel& m) {
    InputRecord& in1 = m.input(1);
    in1.Enabled = 1;
    in1.ReportMethods = MethodData | MethodClip | MethodAlarm | MethodSms;
    in1.SignalType = 1;
    in1.ReactionTime = 25;
    in1.RestoreTime = 1;
    in1.LockoutTime = 20;
    in1.DataPhone1 = 1;
    in1.DataPhone2 = 2;
    in1.DataPhone3 = 3;
    in1.ClipPhone1 = 1;
    in1.ClipPhone2 = 2;
    in1.ClipPhone2Used = 1;
    in1.Clip2Enabled = 1;
    in1.ClipPhone3 = 3;
    in1.ClipPhone4 = 4;
    in1.ClipPhone4Used = 1;
    in1.AlarmPhones = {4, 7, 5}; // 7 is empty: cleaned away
    in1.SmsPhones = {6, 0, 0};
    in1.AlarmText = cp1251("Тревога a//b");
    in1.RestoreText = cp1251("Норма");

    InputRecord& in2 = m.input(2);
    in2.Enabled = 1;
    in2.ReportMethods = MethodClip | MethodSms;
    in2.SignalType = 9; // out of range
    in2.ClipPhone1 = 1;
    in2.ClipPhone2 = 2;
    in2.ClipPhone2Used = 0; // restore off: cleaned
    in2.Clip2Enabled = 0;
    in2.ClipPhone3 = 3; // second pair off: cleaned
    in2.SmsPhones = {1, 2, 0};

    InputRecord& in3 = m.input(3);
    in3.Enabled = 1;
    in3.ReportMethods = MethodData;
    in3.DataPhone1 = 7;  // empty entry
    in3.DataPhone2 = 41; // outside the book
    in3.SignalType = 4;
    in3.ZoneType = ZoneWalkThrough;
    in3.SwingerCount = 3;

    InputRecord& in4 = m.input(4);
    in4.Enabled = 1;
    in4.ReportMethods = MethodAlarm | MethodClip;
    in4.ClipPhone1 = 1;
    in4.ClipPhone2 = 0;
    in4.ClipPhone2Used = 1;
    in4.Clip2Enabled = 1;
    in4.ClipPhone3 = 2;
    in4.ClipPhone4 = 3;
    in4.ClipPhone4Used = 1;
    in4.SignalType = 3;
}

void configureOutputs(ConfigurationModel& m) {
    OutputRecord& out1 = m.output(1);
    out1.StartState = 0;
    out1.OutputType = OutputSystem;
    out1.PulseTime = 21;
    out1.SmsControlPhone = 5;
    out1.AnswerPhone = 6;
    out1.OnText = "ON1";
    out1.OffText = "OFF1";
    out1.OnAnswerText = "IS ON";
    out1.OffAnswerText = "IS OFF";

    OutputRecord& out2 = m.output(2);
    out2.StartState = 1;
    out2.OutputType = OutputSystem;
    out2.SmsControlPhone = 0;
    out2.AnswerPhone = 3; // not shown without a control phone

    OutputRecord& out3 = m.output(3);
    out3.StartState = 7; // out of range
    out3.OutputType = OutputFlashing;
    out3.PulseTime = 300;
    out3.SmsControlPhone = 2;
    out3.AnswerPhone = 0;
    out3.OnText = cp1251("вкл/выкл");
    out3.OffText = "OFF3";
    out3.OnAnswerText = "A3";
    out3.OffAnswerText = "B3";
}

void configureTests(ConfigurationModel& m) {
    m.TestEnabled = 1;
    m.TestMethods = MethodData | MethodClip | MethodSms;
    m.TestDays = 2;
    m.TestHours = 0;
    m.TestMinutes = 3;
    m.TestDataPhone1 = 1;
    m.TestDataPhone2 = 2;
    m.TestClipPhone1 = 3;
    m.TestClipPhone2 = 4;
    m.TestClipPhone2Used = 1;
    m.TestSmsPhones = {5, 0, 0};
    m.TestSmsText = "Test ok";

    m.GsmTestEnabled = 1;
    m.GsmMethods = MethodData | MethodClip | MethodSms;
    m.GsmSignalLevel = 3;
    m.GsmLowTime = 2;
    m.GsmNormalTime = 6;
    m.GsmDataPhones = {1, 2, 3};
    m.GsmClipPhone1 = 1;
    m.GsmClipPhone2 = 2;
    m.GsmClipPhone2Used = 1;
    m.GsmSmsPhone1 = 4;
    m.GsmSmsPhone2 = 5;
    m.GsmSmsText = "GSM bad";
    m.GsmRestoreText = "GSM ok";
    m.GsmNoRestore = 1;
    m.GsmEventCode = "111135000000";

    m.DcTestEnabled = 1;
    m.AcTestEnabled = 1;
}

void configurePrintInfo(ConfigurationModel& m) {
    m.PrintInfo.SerialNumber = "SN-0042";
    m.PrintInfo.SimPhoneNumber = "+79005550000";
    m.PrintInfo.ReportComment = "line one\rline two\r\nline three\rtrailing";
}

} // namespace

ConfigurationModel FullModel() {
    ConfigurationModel m = StartupModel();
    fillPhoneBook(m);
    configureInputs(m);
    configureOutputs(m);
    configureTests(m);
    configurePrintInfo(m);
    m.PinCode = "4321";
    return m;
}

ConfigurationModel PanelModel() {
    ConfigurationModel m = FullModel();
    m.OperatingMode = ControlPanelMode;
    m.EntryTime = 3;
    m.ExitTime = 12;
    m.SirenTimeEnabled = 1;
    m.SirenMinutes = 1;
    m.SirenSeconds = 30;
    m.input(1).ZoneType = ZoneEntryExit;
    m.input(2).ZoneType = Zone24Hour;
    m.input(2).SwingerCount = 0;
    m.CrowPhone1 = 2;
    m.CrowPhone2 = 7; // an empty entry, shown as stored
    m.CrowPhone2Used = 1;
    m.CrowPhone3 = 3;
    m.CrowPhone3Used = 0;
    m.CrowCondition = 1;
    m.CrowAccount = "9876";
    m.GsmTestEnabled = 0;
    m.TestEnabled = 0;
    m.TestDays = m.TestHours = m.TestMinutes = 0;
    m.DcTestEnabled = 0;
    m.AcTestEnabled = 0;
    return m;
}

std::vector<ExpectedSection> ReadExpectedSections(const std::string& fileName) {
    std::vector<ExpectedSection> sections;
    std::ifstream file(std::string(SUMMARY_FIXTURE_DIR) + "/" + fileName);
    std::string line;
    while (std::getline(file, line)) {
        if (line.size() > 2 && line.front() == '[' && line.back() == ']') {
            sections.push_back({line.substr(1, line.size() - 2), {}});
            continue;
        }
        if (!sections.empty()) sections.back().lines.push_back(cp1251(line));
    }
    return sections;
}

} // namespace skarvion::testing
