#include "sim/paced_output.h"

#include <gtest/gtest.h>

using namespace skarvion::sim;

TEST(PacedOutput, ReleasesBytesAtNineThousandSixHundredBaud) {
    PacedOutput out;
    out.schedule("abc", 1000);
    EXPECT_EQ(out.due(999), "");
    EXPECT_EQ(out.due(1000), "a");
    EXPECT_EQ(out.due(1000 + 1040), "a") << "a byte takes 10 bits, 1041.7 us";
    EXPECT_EQ(out.due(1000 + 1041), "ab");
    EXPECT_EQ(out.nextDueUs(), 1000);
    out.consume(2);
    EXPECT_EQ(out.nextDueUs(), 1000 + 2083);
    EXPECT_EQ(out.due(1'000'000), "c");
}

TEST(PacedOutput, AnswersQueueBehindEachOther) {
    PacedOutput out;
    out.schedule(std::string(960, 'x'), 0);
    out.schedule("OK", 0); // cannot start before the line is free
    EXPECT_EQ(out.due(999'999), std::string(960, 'x'));
    EXPECT_EQ(out.due(1'000'000), std::string(960, 'x') + "O");
    out.clear();
    EXPECT_TRUE(out.empty());
    out.schedule("z", 5);
    EXPECT_EQ(out.due(5), "z") << "a cleared line is free at once";
}
