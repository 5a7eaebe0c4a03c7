#include "summary/report_variables.h"

#include "model/model_operations.h"
#include "model/windows1251.h"
#include "model_fixtures.h"

#include <gtest/gtest.h>

using namespace skarvion;
using skarvion::testing::cp1251;

namespace {

const LanguageTexts& builtInTexts() {
    static const LanguageTexts texts;
    return texts;
}

// The value as UTF-8, so that expectations read as the printed text.
std::string value(const ReportSource& source, const char* name, int record = 0) {
    return Windows1251ToUtf8(ReportVariable(source, name, record));
}

const std::string Line54(54, '_');

struct VariableCase {
    const char* name;
    std::string expected;
};

void expectValues(const ReportSource& source, const std::vector<VariableCase>& cases) {
    for (const VariableCase& c : cases)
        EXPECT_EQ(value(source, c.name), c.expected) << c.name;
}

} // namespace

TEST(ReportVariables, AFreshConfigurationPrintsItsPlaceholders) {
    const ConfigurationModel m = StartupModel();
    const ReportSource source{m, builtInTexts(), {}};
    expectValues(source, {
                             {"BCAPTION", "Настройки\rSkarvion 2050"},
                             {"SKRMODEL", "Общие настройки устройства SKARVION 2050"},
                             {"SERIAL", "Серийный номер : "},
                             {"FVERSION", "Версия устройства : ___________"},
                             {"PSUPPLY", ""},
                             {"COMMENT", "Комментарии : "},
                             {"BASECOM", Line54 + "\r" + Line54 + "\r" + Line54 + "\r" + Line54},
                             {"DSP_VAR", "For official use"},
                             {"LISTNUM", "2/2"}, // the arming record's own switch does not count
                             {"SIMPHONECAP", "Телефонный номер SIM карты"},
                             {"SIMPHONEVAR", Line54},
                             {"SIMREGNCAP", "Регистрационный номер SIM карты"},
                             {"SIMREGNVAL", Line54},
                             {"BASECAPPIN", "PIN код SIM карты : "},
                             {"PINCODE", "0000"},
                             {"SMSCENCAPPH", "Телефон SMS центра "},
                             {"SMSCENTPH", "нет"},
                             {"BASECAPINP", "Входы"},
                             {"BASEINTAB1", "Номер входа"},
                             {"BASEINTAB2", "Вкл/выкл"},
                             {"BASECAPPHON", "Номера телефонов "},
                             {"BASEPHONTAB1", "Номер телефона"},
                             {"BASEPHONTAB2", "Номер пользователя"},
                         });
}

TEST(ReportVariables, AFullConfigurationPrintsItsValues) {
    const ConfigurationModel m = skarvion::testing::FullyConfiguredModel();
    const ReportSource source{m, builtInTexts(), cp1251("Скарвион 2050 GSM")};
    expectValues(source, {
                             {"BCAPTION", "Настройки\rСкарвион 2050 GSM"},
                             {"SERIAL", "Серийный номер : SN-0042"},
                             {"FVERSION", "Версия устройства : v5.10"},
                             {"BASECOM", "Объект: склад\r\nвторой этаж"},
                             {"LISTNUM", "2/6"},
                             {"SIMPHONEVAR", "+79001112233"},
                             {"SIMREGNVAL", "REG-7"},
                             {"PINCODE", "4711"},
                             {"SMSCENTPH", "+79168999100"},
                         });
}

TEST(ReportVariables, PageNumberCountsTheEnabledInputs) {
    ConfigurationModel m = StartupModel();
    const ReportSource source{m, builtInTexts(), {}};
    const char* expected[] = {"2/2", "2/3", "2/4", "2/5", "2/6"};
    for (int enabled = 0; enabled <= 4; ++enabled) {
        for (int n = 1; n <= 4; ++n)
            m.input(n).Enabled = n <= enabled ? 1 : 0;
        EXPECT_EQ(value(source, "LISTNUM"), expected[enabled]) << enabled << " inputs on";
    }
}

TEST(ReportVariables, BlankTextsPrintAsUnderscores) {
    ConfigurationModel m = StartupModel();
    m.PrintInfo.ReportComment = " \t\r\n ";
    m.PrintInfo.SimPhoneNumber = "   ";
    m.PrintInfo.SimRegNumber = "\t";
    m.PrintInfo.FirmwareVersion = " "; // not empty: printed as it is
    m.SmsCentreNumber = " ";
    const ReportSource source{m, builtInTexts(), {}};
    EXPECT_EQ(value(source, "BASECOM"), Line54 + "\r" + Line54 + "\r" + Line54 + "\r" + Line54);
    EXPECT_EQ(value(source, "SIMPHONEVAR"), Line54);
    EXPECT_EQ(value(source, "SIMREGNVAL"), Line54);
    EXPECT_EQ(value(source, "FVERSION"), "Версия устройства :  ");
    EXPECT_EQ(value(source, "SMSCENTPH"), " ");
}

TEST(ReportVariables, TheInputTableHasFourRowsWhateverTheInputsState) {
    ConfigurationModel m = StartupModel();
    m.input(2).Enabled = 1;
    m.input(4).Enabled = 1;
    const ReportSource source{m, builtInTexts(), {}};
    const char* states[] = {"выключен", "включен", "выключен", "включен"};
    for (int r = 0; r < ReportInputRows; ++r) {
        EXPECT_EQ(value(source, "INNUMBER", r), "Вход " + std::to_string(r + 1));
        EXPECT_EQ(value(source, "INCON", r), states[r]) << r;
    }
    EXPECT_EQ(value(source, "INNUMBER", 4), "");
    EXPECT_EQ(value(source, "INCON", -1), "");
}

TEST(ReportVariables, ThePhoneTableHasNineRowsWithNoneForEmptyEntries) {
    ConfigurationModel m = skarvion::testing::FullyConfiguredModel();
    m.phone(3).Empty = 1; // keeps its old number, which must not print
    m.phone(9).Number = "+70000000009";
    m.phone(9).Empty = 0;
    m.phone(10).Number = "+70000000010";
    m.phone(10).Empty = 0;
    const ReportSource source{m, builtInTexts(), {}};
    const char* numbers[] = {"+79001234567", "89115550011", "нет", "+44123456789012", "5550100",
                             "нет",          "нет",         "нет", "+70000000009"};
    for (int r = 0; r < ReportPhoneRows; ++r) {
        EXPECT_EQ(value(source, "PHLINE", r), std::to_string(r + 1));
        EXPECT_EQ(value(source, "PHONE", r), numbers[r]) << r;
    }
    EXPECT_EQ(value(source, "PHONE", 9), ""); // entry 10 is past the table
}

TEST(ReportVariables, PhoneStatusNamesTheChannelsOrSaysFree) {
    ConfigurationModel m = StartupModel();
    m.phone(1).Number = "+79001234567";
    m.phone(1).Empty = 0;
    m.phone(2).Number = "112";
    m.phone(2).Empty = 0;
    m.input(1).Enabled = 1;
    m.input(1).ReportMethods = MethodSms | MethodAlarm;
    m.input(1).SmsPhones = {1, 0, 0};
    m.input(1).AlarmPhones = {1, 0, 0};
    const ReportSource source{m, builtInTexts(), {}};
    EXPECT_EQ(value(source, "PHSTATUS", 0), "SMS & ALARM");
    EXPECT_EQ(value(source, "PHSTATUS", 1), "Free");
    EXPECT_EQ(value(source, "PHSTATUS", 2), "Free"); // an empty entry
}

TEST(ReportVariables, NamesMatchInAnyCaseAndUnknownNamesAreEmpty) {
    const ConfigurationModel m = StartupModel();
    const ReportSource source{m, builtInTexts(), {}};
    EXPECT_EQ(value(source, "listnum"), "2/2");
    EXPECT_EQ(value(source, "PinCode"), "0000");
    for (const char* name : {"PHNUM", "DSPVAR", "", "LISTNUM2", "LISTNU"})
        EXPECT_EQ(value(source, name), "") << name;
}

TEST(ReportVariables, TextsFollowTheLanguageFile) {
    LanguageTexts texts;
    texts.applyLanguageProfile(IniFile::fromBytes("[Main]\nName=Test\n[Language]\n"
                                                  "REP_BASE_CAPTION=\"Settings \"\n"
                                                  "PRINF_Z_PHONENUM=none\n"
                                                  "REP_BASE_ZSTAT_P=Unused\n"),
                               QString());
    const ConfigurationModel m = StartupModel();
    const ReportSource source{m, texts, {}};
    EXPECT_EQ(value(source, "BCAPTION"), "Settings Skarvion 2050");
    EXPECT_EQ(value(source, "SMSCENTPH"), "none");
    EXPECT_EQ(value(source, "PHONE", 0), "none");
    EXPECT_EQ(value(source, "PHSTATUS", 0), "Unused");
}

TEST(ReportVariables, ThePinPrintsItsFourCharacters) {
    ConfigurationModel m = StartupModel();
    const ReportSource source{m, builtInTexts(), {}};
    m.PinCode = "123456";
    EXPECT_EQ(value(source, "PINCODE"), "1234");
    m.PinCode = "12";
    EXPECT_EQ(value(source, "PINCODE"), "12");
}
