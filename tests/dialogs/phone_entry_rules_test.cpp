#include "dialogs/phone_entry_rules.h"

#include <gtest/gtest.h>

using namespace skarvion;

namespace {

TEST(StrictPhoneAcceptable, NeedsTwoCharactersNotPlusAndOneDigit) {
    const struct {
        const char* number;
        bool acceptable;
    } cases[] = {
        {"", false},  {"5", false},  {"+", false},  {"+5", false},          {"5+", false},
        {"55", true}, {"+55", true}, {"++", false}, {"+79121234567", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(strictPhoneAcceptable(QString(c.number)), c.acceptable) << c.number;
}

TEST(PhoneDialogButtons, StrictCancelOnlyForEntryThatHeldANumber) {
    const PhoneDialogButtons emptyEntry = phoneDialogButtons(true, "", "+5");
    EXPECT_FALSE(emptyEntry.ok);
    EXPECT_FALSE(emptyEntry.cancel);

    const PhoneDialogButtons heldNumber = phoneDialogButtons(true, "123", "1234");
    EXPECT_TRUE(heldNumber.ok);
    EXPECT_TRUE(heldNumber.cancel);
}

TEST(PhoneDialogButtons, OutsideStrictModeBothAlwaysEnabled) {
    const PhoneDialogButtons buttons = phoneDialogButtons(false, "", "");
    EXPECT_TRUE(buttons.ok);
    EXPECT_TRUE(buttons.cancel);
}

} // namespace
