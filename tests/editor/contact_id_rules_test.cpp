#include "editor/contact_id_rules.h"

#include <gtest/gtest.h>

using namespace skarvion;

TEST(ContactIdRules, AFieldStoresItsCharacterUpperCasedAndEmptyAsZero) {
    Text code = "111113000100";
    SetEventCodeCharacter(code, 4, "a");
    EXPECT_EQ(code, "1111A3000100");
    SetEventCodeCharacter(code, 11, "");
    EXPECT_EQ(code, "1111A3000100");
    SetEventCodeCharacter(code, 10, "#");
    EXPECT_EQ(code, "1111A30001#0");
    SetEventCodeCharacter(code, 12, "5"); // past the code
    SetEventCodeCharacter(code, -1, "5");
    EXPECT_EQ(code, "1111A30001#0");
}

TEST(ContactIdRules, AShortCodeIsFilledUpWithZeros) {
    Text code = "12";
    EXPECT_EQ(EventCodeCharacter(code, 1), '2');
    EXPECT_EQ(EventCodeCharacter(code, 7), '0');
    SetEventCodeCharacter(code, 7, "9");
    EXPECT_EQ(code, "120000090000");
}
