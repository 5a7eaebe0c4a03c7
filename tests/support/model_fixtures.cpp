#include "model_fixtures.h"

#include "app/model_json.h"
#include "model/model_operations.h"
#include "model/windows1251.h"

namespace skarvion::testing {

std::string cp1251(const char* utf8) {
    return Utf8ToWindows1251(utf8).value();
}

ConfigurationModel FullyConfiguredModel() {
    ConfigurationModel m = StartupModel();
    const char* numbers[] = {"+79001234567", "89115550011", "112", "+44123456789012", "5550100"};
    for (int k = 1; k <= 5; ++k) {
        m.phone(k).Number = numbers[k - 1];
        m.phone(k).Empty = 0;
    }
    SetAccountNumber(m, "4321");

    for (int n = 1; n <= 4; ++n) {
        InputRecord& rec = m.input(n);
        rec.Enabled = 1;
        rec.ReportMethods = MethodAlarm | MethodSms | MethodClip | MethodData;
        rec.SignalType = static_cast<Byte>(n);
        rec.ReactionTime = static_cast<Byte>(10 + n);
        rec.RestoreTime = static_cast<Byte>(20 + n);
        rec.LockoutTime = static_cast<Byte>(30 + n);
        rec.SmsPhones = {1, 2, 3};
        rec.AlarmPhones = {2, 3, 4};
        rec.ClipPhone1 = 1;
        rec.ClipPhone2 = 2;
        rec.ClipPhone2Used = 1;
        rec.ClipPhone3 = 3;
        rec.ClipPhone4 = 4;
        rec.ClipPhone4Used = 1;
        rec.Clip2Enabled = 1;
        rec.DataPhone1 = 5;
        rec.DataPhone2 = 4;
        rec.DataIsDtmf = n % 2;
        rec.AlarmCondition = 1;
        rec.SmsNoRestore = 1;
        rec.ReportCondition = 0;
        rec.DataNoRestore = 1;
        rec.SwingerCount = static_cast<Byte>(3 * n);
        rec.AlarmText = cp1251("Тревога зона ") + std::to_string(n);
        rec.RestoreText = cp1251("Норма зона ") + std::to_string(n);
    }
    m.input(2).ZoneType = Zone24Hour;

    InputRecord& arm = m.arm();
    arm.ReportMethods = MethodAlarm | MethodSms | MethodClip | MethodData;
    arm.AlarmPhones = {3, 4, 5};
    arm.SmsPhones = {1, 2, 5};
    arm.ClipPhone1 = 2;
    arm.ClipPhone2 = 3;
    arm.ClipPhone2Used = 1;
    arm.ClipPhone3 = 4;
    arm.ClipPhone4 = 5;
    arm.ClipPhone4Used = 1;
    arm.Clip2Enabled = 1;
    arm.DataPhone1 = 1;
    arm.DataPhone2 = 2;
    arm.DataIsDtmf = 1;
    arm.AlarmCondition = 1;
    arm.SmsNoRestore = 1;
    arm.DataCondition = 0;

    for (int j = 1; j <= 3; ++j) {
        OutputRecord& out = m.output(j);
        out.StartState = j == 2 ? 0 : 1;
        out.OutputType = static_cast<Byte>(j - 1);
        out.PulseTime = static_cast<std::int16_t>(40 + j);
        out.OnText = "ON" + std::to_string(j);
        out.OffText = "OFF" + std::to_string(j);
        out.OnAnswerText = "OUT" + std::to_string(j) + " IS ON";
        out.OffAnswerText = "OUT" + std::to_string(j) + " IS OFF";
    }

    m.GsmTestEnabled = 1;
    m.GsmMethods = MethodSms | MethodClip;
    m.GsmSignalLevel = 3;
    m.GsmLowTime = 4;
    m.GsmNormalTime = 9;
    m.GsmSmsPhone1 = 1;
    m.GsmSmsPhone2 = 2;
    m.GsmClipPhone1 = 3;
    m.GsmClipPhone2 = 4;
    m.GsmClipPhone2Used = 1;
    m.GsmClipPhone3 = 5;
    m.GsmClipPhone4 = 1;
    m.GsmClipPhone4Used = 1;
    m.GsmClip2Enabled = 1;

    m.TestEnabled = 1;
    m.TestMethods = MethodClip | MethodData;
    m.TestDays = 7;
    m.TestHours = 12;
    m.TestMinutes = 3;
    m.TestClipPhone1 = 1;
    m.TestClipPhone3 = 2;
    m.TestClip2Enabled = 1;
    m.TestDataPhone1 = 3;
    m.TestDataPhone2 = 4;

    m.AcTestEnabled = m.DcTestEnabled = 1;
    m.AcDataNoRestore = m.DcSmsNoRestore = 1;
    m.VoltMethods = MethodData | MethodSms;
    m.VoltDataPhone1 = 1;
    m.VoltDataPhone2 = 2;
    m.VoltSmsPhone1 = 3;
    m.VoltSmsPhone2 = 4;

    m.CrowPhone1 = 1;
    m.CrowPhone2 = 2;
    m.CrowPhone2Used = 1;
    m.CrowPhone3 = 3;
    m.CrowPhone3Used = 1;
    m.CrowCondition = 0;
    m.CrowAccount = "12AB";

    m.AudioTxGain = 3;
    m.AudioRxGain = 2;
    m.AudioCycleCount = 7;
    m.AudioTimeout = 4;
    m.DataProtocol = 0;
    m.PinCode = "4711";
    m.SmsCentreNumber = "+79168999100";
    m.OutputLinkedInput = 2;
    m.output(2).OutputType = OutputSystem;

    m.PrintInfo.SerialNumber = "SN-0042";
    m.PrintInfo.SimPhoneNumber = "+79001112233";
    m.PrintInfo.SimRegNumber = "REG-7";
    m.PrintInfo.FirmwareVersion = "v5.10";
    m.PrintInfo.ReportComment = cp1251("Объект: склад\r\nвторой этаж");
    return m;
}

DeviceImage RandomImage(std::mt19937& random) {
    std::uniform_int_distribution<int> byte(0, 255);
    DeviceImage image{};
    for (Byte& b : image) b = static_cast<Byte>(byte(random));
    return image;
}

::testing::AssertionResult ModelsEqual(const ConfigurationModel& expected,
                                       const ConfigurationModel& actual) {
    if (expected == actual) return ::testing::AssertionSuccess();
    const auto a = FlattenModel(expected);
    const auto b = FlattenModel(actual);
    auto result = ::testing::AssertionFailure();
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        if (a[i].value != b[i].value) {
            result << a[i].path.toStdString() << ": expected " << a[i].value.toStdString()
                   << ", got " << b[i].value.toStdString() << "\n";
        }
    }
    return result;
}

} // namespace skarvion::testing
