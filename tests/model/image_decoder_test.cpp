#include "model/device_image.h"
#include "model/model_operations.h"

#include "model_fixtures.h"

#include <gtest/gtest.h>

#include <initializer_list>

using namespace skarvion;

namespace {

// A blank image with a few bytes set, decoded over a fresh model.
class DecoderTest : public ::testing::Test {
protected:
    void set(int block, int byte, std::initializer_list<Byte> values) {
        int offset = BlockOffset(block) + byte;
        for (Byte v : values) image[static_cast<std::size_t>(offset++)] = v;
    }
    const ConfigurationModel& decode() {
        model = StartupModel();
        DecodeImage(image, model);
        return model;
    }

    DeviceImage image{};
    ConfigurationModel model;
};

} // namespace

TEST_F(DecoderTest, ClipNeedsItsFirstPhone) {
    set(2, 5, {0, 7, 0, 0});
    const InputRecord& rec = decode().input(2);
    EXPECT_EQ(rec.ReportMethods & MethodClip, 0);
    EXPECT_EQ(rec.ClipPhone1 + rec.ClipPhone2 + rec.ClipPhone3 + rec.ClipPhone4, 0);
    EXPECT_EQ(rec.ClipPhone2Used + rec.ClipPhone4Used + rec.Clip2Enabled, 0);

    set(2, 5, {4, 0, 6, 9});
    const InputRecord& withFirst = decode().input(2);
    EXPECT_EQ(withFirst.ReportMethods, MethodClip);
    EXPECT_EQ(withFirst.ClipPhone1, 4);
    EXPECT_EQ(withFirst.ClipPhone2, 6);
    EXPECT_EQ(withFirst.ClipPhone2Used, 1);
    EXPECT_EQ(withFirst.Clip2Enabled, 0);
    EXPECT_EQ(withFirst.ClipPhone4, 0);
}

TEST_F(DecoderTest, PhoneListsAreCompacted) {
    struct Case {
        std::initializer_list<Byte> bytes;
        std::array<PhoneRef, 3> phones;
    };
    const Case cases[] = {
        {{0, 0, 9}, {9, 0, 0}}, {{0, 5, 9}, {5, 0, 9}}, {{3, 0, 9}, {3, 0, 9}}, {{0, 0, 0}, {0, 0, 0}}};
    for (const Case& c : cases) {
        set(1, 12, c.bytes);
        set(3, 16, c.bytes);
        decode();
        EXPECT_EQ(model.input(1).AlarmPhones, c.phones);
        EXPECT_EQ(model.input(3).SmsPhones, c.phones);
        EXPECT_EQ((model.input(1).ReportMethods & MethodAlarm) != 0, c.phones[0] != 0);
        EXPECT_EQ((model.input(3).ReportMethods & MethodSms) != 0, c.phones[0] != 0);
    }
}

TEST_F(DecoderTest, DataPhonesAndFormat) {
    set(4, 9, {0x80, 0x05});
    const InputRecord& rec = decode().input(4);
    EXPECT_EQ(rec.DataIsDtmf, 1);
    EXPECT_EQ(rec.DataPhone1, 5);
    EXPECT_EQ(rec.DataPhone2, 0);
    EXPECT_EQ(rec.ReportMethods, MethodData);
}

TEST_F(DecoderTest, OutOfRangeValuesFallBack) {
    set(1, 20, {0});    // swinger
    set(9, 1, {0});     // GSM times
    set(11, 1, {45, 200, 40, 41});
    set(10, 1, {0, 0, 0});
    decode();
    EXPECT_EQ(model.input(1).SwingerCount, 1);
    EXPECT_EQ(model.GsmLowTime, 1);
    EXPECT_EQ(model.GsmNormalTime, 1);
    EXPECT_EQ(model.VoltDataPhone1, 4);
    EXPECT_EQ(model.VoltDataPhone2, 200 % 41);
    EXPECT_EQ(model.VoltSmsPhone1, 40);
    EXPECT_EQ(model.VoltSmsPhone2, 0);
    EXPECT_EQ(model.TestMinutes, 1);

    set(9, 1, {0xFF});
    decode();
    EXPECT_EQ(model.GsmNoRestore, 1);
    EXPECT_EQ(model.GsmLowTime, 6);
    EXPECT_EQ(model.GsmNormalTime, 12);
}

TEST_F(DecoderTest, AdapterPhonesMoveUp) {
    set(12, 0, {0, 3, 7, 0x80});
    decode();
    EXPECT_EQ(model.CrowPhone1, 3);
    EXPECT_EQ(model.CrowPhone2, 0);
    EXPECT_EQ(model.CrowPhone3, 7);
    EXPECT_EQ(model.CrowPhone2Used, 0);
    EXPECT_EQ(model.CrowPhone3Used, 1);
    EXPECT_EQ(model.CrowCondition, 0);

    set(12, 0, {0, 0, 7, 0});
    decode();
    EXPECT_EQ(model.CrowPhone1, 7);
    EXPECT_EQ(model.CrowPhone3Used, 0);
    EXPECT_EQ(model.CrowCondition, 1);
}

TEST_F(DecoderTest, ZeroZoneBytesGiveEachInputsDefault) {
    decode();
    EXPECT_EQ(model.input(1).ZoneType, ZonePerimeter);
    EXPECT_EQ(model.input(2).ZoneType, ZoneEntryExit);
    EXPECT_EQ(model.input(3).ZoneType, ZonePerimeter);
    EXPECT_EQ(model.input(4).ZoneType, Zone24Hour);
    EXPECT_EQ(model.EntryTime, 1);
    EXPECT_EQ(model.ExitTime, 1);
}

TEST_F(DecoderTest, TestEventCodeIsRebuiltFromTheAccount) {
    set(10, 8, {0x98, 0x7A});
    ConfigurationModel before = StartupModel();
    before.TestEventCode = "123456789012";
    model = before;
    DecodeImage(image, model);
    EXPECT_EQ(model.TestEventCode, "987A60200000");
    EXPECT_EQ(model.AccountNumber, "987A");
    EXPECT_EQ(model.arm().EventCode, "987A40100000");
}

TEST_F(DecoderTest, ArmingRecordBytes) {
    set(1, 4, {11});
    set(1, 11, {12});
    set(2, 4, {13});
    set(3, 4, {0x8E});
    set(3, 11, {0x8F});
    set(4, 4, {16});
    set(4, 11, {17});
    set(31, 0, {18, 19, 20, 21});
    const InputRecord& arm = decode().arm();
    EXPECT_EQ(arm.ReportMethods, MethodAlarm | MethodSms | MethodClip | MethodData);
    EXPECT_EQ(arm.ClipPhone1, 11);
    EXPECT_EQ(arm.ClipPhone3, 12);
    EXPECT_EQ(arm.Clip2Enabled, 1);
    EXPECT_EQ(arm.ClipPhone2, 13);
    EXPECT_EQ(arm.ClipPhone2Used, 1);
    EXPECT_EQ(arm.ClipPhone4Used, 0);
    EXPECT_EQ(arm.DataIsDtmf, 1);
    EXPECT_EQ(arm.DataPhone1, 14);
    EXPECT_EQ(arm.DataPhone2, 15);
    EXPECT_EQ(arm.AlarmPhones, (std::array<PhoneRef, 3>{16, 17, 18}));
    EXPECT_EQ(arm.SmsPhones, (std::array<PhoneRef, 3>{19, 20, 21}));
}

TEST_F(DecoderTest, ArmingFieldsWithZeroBytesKeepTheirValues) {
    ConfigurationModel before = StartupModel();
    before.arm().ClipPhone1 = 5;
    before.arm().ClipPhone3 = 6;
    before.arm().Clip2Enabled = 1;
    before.arm().ClipPhone2 = 7;
    before.arm().ClipPhone2Used = 1;
    before.arm().AlarmPhones = {8, 9, 10};
    before.arm().SmsPhones = {11, 12, 13};
    before.arm().DataPhone1 = 14;
    model = before;
    DecodeImage(image, model);
    EXPECT_EQ(model.arm().ClipPhone1, 5);
    EXPECT_EQ(model.arm().ClipPhone3, 6);
    EXPECT_EQ(model.arm().ClipPhone2, 7);
    EXPECT_EQ(model.arm().ClipPhone2Used, 1);
    EXPECT_EQ(model.arm().AlarmPhones, (std::array<PhoneRef, 3>{8, 9, 0}));
    EXPECT_EQ(model.arm().SmsPhones, (std::array<PhoneRef, 3>{11, 0, 0}));
    EXPECT_EQ(model.arm().DataPhone1, 0); // input 3's byte is always read
    EXPECT_EQ(model.arm().ReportMethods, 0);
}

TEST_F(DecoderTest, ModeAndOutputs) {
    set(1, 0, {0x87});      // enabled, panel mode, input 1 link, Confirm
    set(2, 0, {0x04});      // input 2 link
    set(5, 0, {0x80, 0, 9}); // output 1 on after power-up, type bits 00
    set(6, 0, {0x60, 1, 30});
    set(7, 0, {0x20, 0, 5});
    decode();
    EXPECT_EQ(model.OperatingMode, ControlPanelMode);
    EXPECT_EQ(model.input(1).OutputLink, 1);
    EXPECT_EQ(model.arm().OutputLink, 1);
    EXPECT_EQ(model.input(2).OutputLink, 1);
    EXPECT_EQ(model.OutputLinkedInput, 0);
    EXPECT_EQ(model.output(1).StartState, 0);
    EXPECT_EQ(model.output(1).OutputType, OutputSystem);
    EXPECT_EQ(model.output(2).OutputType, OutputSystem);
    EXPECT_EQ(model.output(3).OutputType, OutputMonostable);
    EXPECT_EQ(model.SirenTimeEnabled, 1);
    EXPECT_EQ(model.SirenMinutes, 1);
    EXPECT_EQ(model.SirenSeconds, 30);
    EXPECT_EQ(model.output(3).PulseTime, 5);

    set(1, 0, {0x00});
    set(3, 0, {0x04});
    decode();
    EXPECT_EQ(model.OperatingMode, StandaloneMode);
    EXPECT_EQ(model.OutputLinkedInput, 3);
    EXPECT_EQ(model.output(1).OutputType, OutputBistable);
    EXPECT_EQ(model.output(2).OutputType, OutputSystem);
}

TEST(DecodeImage, FieldsOutsideTheImageKeepTheirValues) {
    ConfigurationModel before = skarvion::testing::FullyConfiguredModel();
    before.phone(9).Name = "Guard";
    before.TestClipPhone2 = 3;
    before.TestClipPhone2Used = 1;
    before.TestClipPhone4 = 4;
    before.TestClipPhone4Used = 1;
    before.TestDataPhone3 = 5;
    before.TestCondition = 0;
    before.TestPriorities = {9, 8, 7};
    before.AcEventCode = "309";
    before.DcEventCode = "555530200000";
    before.VoltSmsPhone3 = 6;
    before.GsmBlocked = {1, 0, 1};
    before.GsmSmsPhone3 = 7;
    before.GsmDataPhones = {1, 2, 3};
    before.GsmDataIsDtmf = 1;
    before.GsmEventCode = "555560500000";
    before.GsmSmsText = "LOW";
    before.GsmRestoreText = "NORMAL";
    before.GsmPriorities = {4, 5, 6};
    before.GsmValue2 = -7;
    before.input(2).Priorities = {4, 3, 2, 1};
    before.input(2).Blocked = {1, 1, 0};
    before.input(2).DataCondition = 0;
    before.output(1).SmsControlPhone = 8;
    before.output(1).AnswerPhone = 9;
    before.output(1).Word8 = 100;
    before.output(1).Word10 = -100;
    before.CrowDataEnabled = 0;
    before.CrowSmsEnabled = 1;
    before.CrowByte = 77;
    before.arm().Enabled = 0;
    before.arm().ZoneType = 3;
    before.PrintInfo.PowerSupplyKind = 2;

    std::mt19937 random(7);
    for (int round = 0; round < 50; ++round) {
        ConfigurationModel m = before;
        DecodeImage(skarvion::testing::RandomImage(random), m);
        EXPECT_EQ(m.phone(9).Name, "Guard");
        EXPECT_EQ(m.TestClipPhone2, 3);
        EXPECT_EQ(m.TestClipPhone2Used, 1);
        EXPECT_EQ(m.TestClipPhone4, 4);
        EXPECT_EQ(m.TestClipPhone4Used, 1);
        EXPECT_EQ(m.TestDataPhone3, 5);
        EXPECT_EQ(m.TestCondition, 0);
        EXPECT_EQ(m.TestPriorities, before.TestPriorities);
        EXPECT_EQ(m.AcEventCode, "309");
        EXPECT_EQ(m.DcEventCode, before.DcEventCode);
        EXPECT_EQ(m.VoltSmsPhone3, 6);
        EXPECT_EQ(m.GsmBlocked, before.GsmBlocked);
        EXPECT_EQ(m.GsmSmsPhone3, 7);
        EXPECT_EQ(m.GsmDataPhones, before.GsmDataPhones);
        EXPECT_EQ(m.GsmDataIsDtmf, 1);
        EXPECT_EQ(m.GsmEventCode, before.GsmEventCode);
        EXPECT_EQ(m.GsmSmsText, "LOW");
        EXPECT_EQ(m.GsmRestoreText, "NORMAL");
        EXPECT_EQ(m.GsmPriorities, before.GsmPriorities);
        EXPECT_EQ(m.GsmValue2, -7);
        EXPECT_EQ(m.input(2).Priorities, before.input(2).Priorities);
        EXPECT_EQ(m.input(2).Blocked, before.input(2).Blocked);
        EXPECT_EQ(m.input(2).DataCondition, 0);
        EXPECT_EQ(m.output(1).SmsControlPhone, 8);
        EXPECT_EQ(m.output(1).AnswerPhone, 9);
        EXPECT_EQ(m.output(1).Word8, 100);
        EXPECT_EQ(m.output(1).Word10, -100);
        EXPECT_EQ(m.CrowDataEnabled, 0);
        EXPECT_EQ(m.CrowSmsEnabled, 1);
        EXPECT_EQ(m.CrowByte, 77);
        EXPECT_EQ(m.arm().Enabled, 0);
        EXPECT_EQ(m.arm().ZoneType, 3);
        EXPECT_EQ(m.PrintInfo, before.PrintInfo);
    }
}
