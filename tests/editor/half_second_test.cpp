#include "editor/half_second.h"

#include <gtest/gtest.h>

using namespace skarvion;

TEST(HalfSecond, ShownAsWholeSecondsAndTenths) {
    EXPECT_EQ(SplitHalfSeconds(5), (HalfSecondDigits{2, 5}));
    EXPECT_EQ(SplitHalfSeconds(0), (HalfSecondDigits{0, 0}));
    EXPECT_EQ(SplitHalfSeconds(255), (HalfSecondDigits{127, 5}));
    EXPECT_EQ(SplitHalfSeconds(600), (HalfSecondDigits{127, 5})); // beyond a byte
}

TEST(HalfSecond, EditsKeepTheOtherPartAndNeverGiveZero) {
    struct Case {
        const char* what;
        int result;
        int expected;
    };
    const Case cases[] = {
        {"whole keeps the half", WithWholeSeconds(5, 3), 7},
        {"whole on an even value", WithWholeSeconds(4, 10), 20},
        {"whole 0 on 0 becomes 0.5 s", WithWholeSeconds(0, 0), 1},
        {"whole 0 keeps an existing half", WithWholeSeconds(3, 0), 1},
        {"whole limited to 127", WithWholeSeconds(4, 500), 254},
        {"half set", WithHalfSecond(4, true), 5},
        {"half cleared", WithHalfSecond(5, false), 4},
        {"half cleared on 0.5 s stays 0.5 s", WithHalfSecond(1, false), 1},
        {"half cleared on 0 becomes 0.5 s", WithHalfSecond(0, false), 1},
        {"half set at the top", WithHalfSecond(254, true), 255},
        {"up", StepHalfSeconds(4, 1), 5},
        {"up at 127.5 s", StepHalfSeconds(255, 1), 255},
        {"down", StepHalfSeconds(4, -1), 3},
        {"down at 0.5 s", StepHalfSeconds(1, -1), 1},
        {"down from 0", StepHalfSeconds(0, -1), 1},
        {"up from 0", StepHalfSeconds(0, 1), 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.result, c.expected) << c.what;
}
