#include "editor/channel_rules.h"

#include "model/model_operations.h"
#include "model_fixtures.h"

#include <gtest/gtest.h>

using namespace skarvion;
using namespace skarvion::testing;

TEST(ChannelRules, HeadingsNameTheInputOrTheArmingReport) {
    const LanguageTexts texts;
    EXPECT_EQ(ChannelPageHeading(texts, "CAPTIONPAGECLIPSET", 3, ArmingClipHeading),
              cp1251("CLIP настройки Вход 3"));
    EXPECT_EQ(ChannelPageHeading(texts, "CAPTIONPAGEDATASET", 5, ArmingDataHeading),
              cp1251("DATA о постановке/снятии"));
    EXPECT_EQ(ArmingSmsHeading, cp1251("Текст SMS о постановке/снятии"));
    EXPECT_EQ(ArmingAlarmHeading, cp1251("ALARM о постановке"));
}

TEST(ChannelRules, ArmingTextsFollowTheLanguageBox) {
    ConfigurationModel m = StartupModel();
    SetArmingTextsRussian(m, false);
    EXPECT_EQ(m.arm().RussianTexts, 0);
    EXPECT_EQ(m.arm().AlarmText, "ARMED");
    EXPECT_EQ(m.arm().RestoreText, "DISARMED");
    SetArmingTextsRussian(m, true);
    EXPECT_EQ(m.arm().RussianTexts, 1);
    EXPECT_EQ(m.arm().AlarmText, cp1251("Постановка"));
    EXPECT_EQ(m.arm().RestoreText, cp1251("Снятие"));
}

TEST(ChannelRules, AlarmConditionNeedsASecondOrThirdPhone) {
    InputRecord in;
    in.AlarmPhones = {4, 0, 0};
    EXPECT_FALSE(AlarmConditionApplies(in));
    in.AlarmPhones = {4, 0, 2};
    EXPECT_TRUE(AlarmConditionApplies(in));
}
