#include "editor/device_code_rules.h"

#include <gtest/gtest.h>

using namespace skarvion;

TEST(DeviceCodeRules, PinIsPaddedWithZerosOnTheRight) {
    EXPECT_EQ(PinCodeFromField("12"), "1200");
    EXPECT_EQ(PinCodeFromField(""), "0000");
    EXPECT_EQ(PinCodeFromField("4711"), "4711");
    EXPECT_EQ(PinCodeFromField("123456"), "1234");
}

TEST(DeviceCodeRules, SmsCentreKeepsItsFirstCharacterAndTheDigits) {
    const std::pair<const char*, const char*> cases[] = {
        {"", ""}, {"+", "+"}, {"7", "7"}, {"+7+916", "+7916"}, {"89+1", "891"}, {"++", "+"},
    };
    for (const auto& [typed, stored] : cases)
        EXPECT_EQ(SmsCentreFromField(typed), stored) << typed;
}
