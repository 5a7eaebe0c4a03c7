#include "model/model_operations.h"

#include "model_fixtures.h"

#include <gtest/gtest.h>

using namespace skarvion;
using skarvion::testing::cp1251;
using skarvion::testing::ModelsEqual;

TEST(ResetModel, GivesTheDocumentedDefaults) {
    const ConfigurationModel m = StartupModel();
    EXPECT_EQ(m.AccountNumber, "1111");
    EXPECT_EQ(m.TestEventCode, "111160200000");
    EXPECT_EQ(m.DcEventCode, "111130200000");
    EXPECT_EQ(m.AcEventCode, "301");
    EXPECT_EQ(m.TestMinutes, 1);
    EXPECT_EQ(m.TestPriorities, (std::array<Byte, 3>{2, 1, 3}));
    EXPECT_EQ(m.GsmPriorities, (std::array<Byte, 3>{3, 1, 2}));
    EXPECT_EQ(m.GsmClipPhone2Used, 1);
    EXPECT_EQ(m.phone(1).Name, "NAME1");
    EXPECT_EQ(m.phone(40).Name, "NAME40");
    EXPECT_EQ(m.phone(40).Empty, 1);
    EXPECT_EQ(m.PinCode.size(), 4u);

    for (int n = 1; n <= 4; ++n) {
        const InputRecord& rec = m.input(n);
        EXPECT_EQ(rec.Number, n);
        EXPECT_EQ(rec.Enabled, 0);
        EXPECT_EQ(rec.ReactionTime, 4);
        EXPECT_EQ(rec.ClipPhone2Used, 1);
        EXPECT_EQ(rec.EventCode, "111113000" + std::to_string(n) + "00");
        EXPECT_EQ(rec.AlarmText, cp1251("Тревога вход ") + std::to_string(n));
        EXPECT_EQ(rec.RestoreText, cp1251("Восст. вход ") + std::to_string(n));
        EXPECT_EQ(rec.Priorities, (std::array<Byte, 4>{2, 1, 3, 4}));
    }
    EXPECT_EQ(m.input(1).ZoneType, ZonePerimeter);
    EXPECT_EQ(m.input(2).ZoneType, ZoneEntryExit);
    EXPECT_EQ(m.input(3).ZoneType, ZonePerimeter);
    EXPECT_EQ(m.input(4).ZoneType, Zone24Hour);

    // Record 5 starts enabled while inputs 1..4 start disabled.
    EXPECT_EQ(m.arm().Enabled, 1);
    EXPECT_EQ(m.arm().Number, 5);
    EXPECT_EQ(m.arm().EventCode, "111140100000");
    EXPECT_EQ(m.arm().AlarmText, cp1251("Постановка"));
    EXPECT_EQ(m.arm().RestoreText, cp1251("Снятие"));
    EXPECT_EQ(m.arm().RussianTexts, 1);

    EXPECT_EQ(m.output(1).PulseTime, 10);
    EXPECT_EQ(m.output(2).PulseTime, 2);
    EXPECT_EQ(m.output(3).StartState, 1);
    EXPECT_EQ(m.ExitTime, 12);
    EXPECT_EQ(m.SirenTimeEnabled, 1);
}

TEST(ResetModel, KeepsFieldsOutsideTheResetAndClearsPrintInformation) {
    ConfigurationModel m = StartupModel();
    m.TestClipPhone2Used = 1;
    m.TestClipPhone3 = 7;
    m.TestClip2Enabled = 1;
    m.GsmNoRestore = 1;
    m.GsmClipPhone4Used = 1;
    m.GsmDataPhones = {1, 2, 3};
    m.GsmEventCode = "999960200000";
    m.CrowPhone2 = 4;
    m.CrowCondition = 1;
    m.input(2).SmsNoRestore = 1;
    m.input(2).AlarmCondition = 1;
    m.input(3).SmsPhones = {9, 8, 7};
    m.arm().ZoneType = 3;
    m.arm().Blocked = {1, 1, 1};
    m.input(1).RussianTexts = 1;
    m.PrintInfo.SerialNumber = "SN";
    m.PrintInfo.PowerSupplyKind = 2;
    m.PrintInfo.PowerSupplyText = "solar";

    ConfigurationModel expected = m;
    ResetModel(m);

    expected.input(3).SmsPhones[0] = 0; // only the first phone is reset
    expected.PrintInfo = PrintInformation{};
    EXPECT_TRUE(ModelsEqual(expected, m));
}

TEST(OperatingMode, ControlPanelModeIsIdempotent) {
    ConfigurationModel once = skarvion::testing::FullyConfiguredModel();
    once.OperatingMode = ControlPanelMode;
    EnterControlPanelMode(once);
    ConfigurationModel twice = once;
    EnterControlPanelMode(twice);
    EXPECT_TRUE(ModelsEqual(once, twice));

    EXPECT_EQ(once.input(1).Enabled, 1);
    EXPECT_EQ(once.input(1).SignalType, 0);
    EXPECT_EQ(once.input(1).ReactionTime, 2);
    EXPECT_EQ(once.input(2).LockoutTime, 2);
    EXPECT_EQ(once.input(3).RestoreTime, 4);
    for (int n = 2; n <= 4; ++n) {
        EXPECT_EQ(once.input(n).Enabled, 0);
        EXPECT_EQ(once.input(n).SignalType, 4);
        EXPECT_EQ(once.input(n).ReportMethods, 0);
    }
    EXPECT_EQ(once.arm().EventCode.substr(4, 3), "401");
    EXPECT_EQ(once.output(1).OutputType, OutputSystem);
    EXPECT_EQ(once.output(2).OutputType, OutputSystem);
}

TEST(OperatingMode, StandaloneModeResetsInputsAndOutputs) {
    ConfigurationModel m = skarvion::testing::FullyConfiguredModel();
    m.OperatingMode = ControlPanelMode;
    EnterControlPanelMode(m);
    m.OperatingMode = StandaloneMode;
    EnterStandaloneMode(m);
    for (int n = 1; n <= 4; ++n) {
        EXPECT_EQ(m.input(n).Enabled, 0);
        EXPECT_EQ(m.input(n).SignalType, 0);
        EXPECT_EQ(m.input(n).ReactionTime, 4);
        EXPECT_EQ(m.input(n).ReportMethods, 0);
    }
    EXPECT_EQ(m.output(1).OutputType, OutputMonostable);
    EXPECT_EQ(m.output(2).OutputType, OutputMonostable);
    EXPECT_EQ(m.output(3).OutputType, OutputFlashing); // untouched
    EXPECT_EQ(m.arm().ReportMethods, 0);
}

TEST(ArmingSource, InputOneOrOther) {
    ConfigurationModel m = StartupModel();
    m.OperatingMode = ControlPanelMode;
    EnterControlPanelMode(m);
    SelectArmingOther(m);
    EXPECT_EQ(m.arm().SignalType, 1);
    EXPECT_EQ(m.input(1).Enabled, 0);
    EXPECT_EQ(m.input(1).SignalType, 4);

    m.input(1).ReportMethods = MethodSms;
    SelectArmingByInput1(m);
    EXPECT_EQ(m.arm().SignalType, 0);
    EXPECT_EQ(m.input(1).Enabled, 1);
    EXPECT_EQ(m.input(1).SignalType, 0);
    EXPECT_EQ(m.input(1).ReportMethods, 0);

    m.OperatingMode = StandaloneMode;
    SelectArmingOther(m);
    EXPECT_EQ(m.input(1).SignalType, 0);
}

TEST(AccountNumber, EventCodesFollowExceptBatteryAndGsm) {
    ConfigurationModel m = StartupModel();
    m.GsmEventCode = "111160500000";
    SetAccountCharacter(m, 2, '5');
    EXPECT_EQ(m.AccountNumber, "1511");
    EXPECT_EQ(m.TestEventCode, "151160200000");
    for (int n = 1; n <= 5; ++n) EXPECT_EQ(m.input(n).EventCode.substr(0, 4), "1511") << n;
    EXPECT_EQ(m.input(3).EventCode.substr(4), "13000300");
    EXPECT_EQ(m.DcEventCode, "111130200000");
    EXPECT_EQ(m.GsmEventCode, "111160500000");

    SetAccountNumber(m, "9876");
    EXPECT_EQ(m.arm().EventCode, "987640100000");
}

TEST(ZoneType, InputTwoLeavingEntryExitMovesWalkThroughZones) {
    struct Case {
        int input;
        Byte type;
        std::array<Byte, 4> before;
        std::array<Byte, 4> after;
        Byte entryTimeAfter;
    };
    const Case cases[] = {
        {2, ZonePerimeter, {3, 0, 3, 3}, {2, 2, 2, 1}, 3},
        {2, Zone24Hour, {2, 0, 2, 3}, {2, 1, 2, 1}, 3},
        {2, ZoneEntryExit, {3, 1, 3, 3}, {3, 0, 3, 3}, 3},
        {2, ZoneWalkThrough, {3, 0, 2, 1}, {2, 3, 2, 1}, 0},
        {4, ZoneWalkThrough, {2, 0, 2, 1}, {2, 0, 2, 3}, 3},
        {1, ZoneEntryExit, {2, 0, 2, 1}, {0, 0, 2, 1}, 3},
    };
    for (const Case& c : cases) {
        ConfigurationModel m = StartupModel();
        for (int n = 1; n <= 4; ++n) m.input(n).ZoneType = c.before[n - 1];
        SetZoneType(m, c.input, c.type);
        for (int n = 1; n <= 4; ++n)
            EXPECT_EQ(m.input(n).ZoneType, c.after[n - 1]) << "input " << c.input << " zone " << n;
        EXPECT_EQ(m.EntryTime, c.entryTimeAfter);
    }
}
