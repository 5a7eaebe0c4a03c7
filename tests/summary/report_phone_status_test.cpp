#include "summary/report_phone_status.h"

#include "model/model_operations.h"

#include <gtest/gtest.h>

#include <functional>

using namespace skarvion;

namespace {

// Entries 1..6 hold numbers; nothing reports.
ConfigurationModel bookOfSix() {
    ConfigurationModel m = StartupModel();
    for (int k = 1; k <= 6; ++k) {
        m.phone(k).Number = "+7900000000" + std::to_string(k);
        m.phone(k).Empty = 0;
    }
    return m;
}

struct UseCase {
    const char* what;
    std::function<void(ConfigurationModel&)> configure;
    Byte expected[6]; // use of entries 1..6
};

const Byte C = PhoneUsedByClip, S = PhoneUsedBySms, A = PhoneUsedByAlarm, D = PhoneUsedByData;

const UseCase UseCases[] = {
    {"nothing reports", [](ConfigurationModel&) {}, {0, 0, 0, 0, 0, 0}},
    {"an enabled input's channels",
     [](ConfigurationModel& m) {
         InputRecord& in = m.input(3);
         in.Enabled = 1;
         in.ReportMethods = MethodSms | MethodAlarm | MethodClip | MethodData;
         in.SmsPhones = {1, 0, 2};
         in.AlarmPhones = {0, 0, 2};
         in.ClipPhone1 = 3;
         in.DataPhone3 = 4;
     },
     {S, S | A, C, D, 0, 0}},
    {"a disabled input uses no phone",
     [](ConfigurationModel& m) {
         m.input(1).ReportMethods = MethodSms;
         m.input(1).SmsPhones = {1, 2, 3};
     },
     {0, 0, 0, 0, 0, 0}},
    {"a channel that is not chosen uses no phone",
     [](ConfigurationModel& m) {
         m.input(1).Enabled = 1;
         m.input(1).ReportMethods = MethodSms;
         m.input(1).SmsPhones = {1, 0, 0};
         m.input(1).AlarmPhones = {2, 0, 0};
         m.input(1).DataPhone1 = 3;
     },
     {S, 0, 0, 0, 0, 0}},
    {"CLIP calls count while their switches are on",
     [](ConfigurationModel& m) {
         InputRecord& in = m.input(2);
         in.Enabled = 1;
         in.ReportMethods = MethodClip;
         in.ClipPhone1 = 1;
         in.ClipPhone2 = 2; // restore call, switched off
         in.ClipPhone2Used = 0;
         in.ClipPhone3 = 3; // second pair, switched off
         in.ClipPhone4 = 4;
         in.ClipPhone4Used = 1;
     },
     {C, 0, 0, 0, 0, 0}},
    {"CLIP calls of a switched-on second pair",
     [](ConfigurationModel& m) {
         InputRecord& in = m.input(2);
         in.Enabled = 1;
         in.ReportMethods = MethodClip;
         in.ClipPhone1 = 1;
         in.ClipPhone2 = 2;
         in.ClipPhone2Used = 1;
         in.ClipPhone3 = 3;
         in.ClipPhone4 = 4;
         in.ClipPhone4Used = 1;
         in.Clip2Enabled = 1;
     },
     {C, C, C, C, 0, 0}},
    {"the arming record reports only in control-panel mode",
     [](ConfigurationModel& m) {
         m.arm().ReportMethods = MethodAlarm;
         m.arm().AlarmPhones = {5, 0, 0};
     },
     {0, 0, 0, 0, 0, 0}},
    {"the arming record in control-panel mode",
     [](ConfigurationModel& m) {
         m.OperatingMode = ControlPanelMode;
         m.arm().ReportMethods = MethodAlarm;
         m.arm().AlarmPhones = {5, 0, 0};
     },
     {0, 0, 0, 0, A, 0}},
    {"tests and monitors while switched on",
     [](ConfigurationModel& m) {
         m.TestEnabled = 1;
         m.TestMethods = MethodSms | MethodClip;
         m.TestSmsPhones = {1, 0, 0};
         m.TestClipPhone1 = 2;
         m.GsmTestEnabled = 1;
         m.GsmMethods = MethodData;
         m.GsmDataPhones = {0, 3, 0};
         m.DcTestEnabled = 1;
         m.VoltMethods = MethodSms | MethodData;
         m.VoltSmsPhone3 = 4;
         m.VoltDataPhone2 = 1;
     },
     {S | D, C, D, S, 0, 0}},
    {"tests and monitors while switched off",
     [](ConfigurationModel& m) {
         m.TestMethods = MethodSms;
         m.TestSmsPhones = {1, 0, 0};
         m.GsmMethods = MethodSms;
         m.GsmSmsPhone1 = 2;
         m.VoltMethods = MethodSms;
         m.VoltSmsPhone1 = 3;
     },
     {0, 0, 0, 0, 0, 0}},
    {"a reference to an empty entry",
     [](ConfigurationModel& m) {
         m.phone(6).Empty = 1;
         m.input(1).Enabled = 1;
         m.input(1).ReportMethods = MethodSms;
         m.input(1).SmsPhones = {6, 0, 0};
     },
     {0, 0, 0, 0, 0, 0}},
};

} // namespace

TEST(ReportPhoneStatus, AnEntryIsUsedByTheActiveReportsThatReferToIt) {
    for (const UseCase& c : UseCases) {
        ConfigurationModel m = bookOfSix();
        c.configure(m);
        for (int k = 1; k <= 6; ++k)
            EXPECT_EQ(PhoneUse(m, k), c.expected[k - 1]) << c.what << ", entry " << k;
    }
}

TEST(ReportPhoneStatus, NumbersOutsideTheBookAreUnused) {
    ConfigurationModel m = bookOfSix();
    m.input(1).Enabled = 1;
    m.input(1).ReportMethods = MethodSms;
    m.input(1).SmsPhones = {41, 0, 0};
    for (int entry : {0, -1, 41, 255})
        EXPECT_EQ(PhoneUse(m, entry), 0) << entry;
}

TEST(ReportPhoneStatus, UseTextsJoinTheChannelNames) {
    const std::pair<Byte, const char*> cases[] = {
        {0, ""},
        {C, "CLIP"},
        {S, "SMS"},
        {C | S, "CLIP & SMS"},
        {A, "ALARM"},
        {C | A, "CLIP & ALARM"},
        {S | A, "SMS & ALARM"},
        {C | S | A, "CLIP & SMS & ALARM"},
        {D, "DATA"},
        {C | S | A | D, "CLIP & SMS & ALARM & DATA"},
    };
    for (const auto& [use, text] : cases)
        EXPECT_EQ(PhoneUseText(use), text) << int(use);
}
