#include "editor/phone_list_scroll.h"

#include <gtest/gtest.h>

using namespace skarvion;

TEST(PhoneListScroll, BarFollowsTheTopRow) {
    EXPECT_EQ(PhoneListBarPosition(0, 40), 30);
    EXPECT_EQ(PhoneListBarPosition(1, 40), 29);  // 30 - 2 * 30 / 32
    EXPECT_EQ(PhoneListBarPosition(15, 40), 15); // 30 - 16 * 30 / 32
    EXPECT_EQ(PhoneListBarPosition(31, 40), 0);
    EXPECT_EQ(PhoneListBarPosition(0, 4), 23); // the four-row input table: 30 - 30 / 4
    EXPECT_EQ(PhoneListBarPosition(0, 8), 30); // a list that never scrolls
}

TEST(PhoneListScroll, ButtonsStopAtTheEnds) {
    EXPECT_EQ(ScrolledTopRow(0, -2, 40), 0);
    EXPECT_EQ(ScrolledTopRow(1, -2, 40), 0);
    EXPECT_EQ(ScrolledTopRow(5, 2, 40), 7);
    EXPECT_EQ(ScrolledTopRow(31, 1, 40), 32);
    EXPECT_EQ(ScrolledTopRow(32, 2, 40), 32);
    EXPECT_EQ(ScrolledTopRow(0, 1, 4), 0);
}
