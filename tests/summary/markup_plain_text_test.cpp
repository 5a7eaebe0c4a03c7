#include "summary/markup_plain_text.h"

#include <gtest/gtest.h>

using namespace skarvion;

using Lines = std::vector<std::string>;

TEST(MarkupToPlainText, TextLinesLoseTheirCodesAndKeepTheirBlanks) {
    EXPECT_EQ(MarkupToPlainText({"/sb  Label : /snvalue/sn", "a//b/nxc", "trailing   "}),
              (Lines{"  Label : value", "a/bc", "trailing"}));
}

TEST(MarkupToPlainText, CentredTitlesAreCentredAndRightAlignedOnesPushedRight) {
    const Lines out = MarkupToPlainText({"/ac/sb/z4Title", "/arEnd", "x/acnot centred"});
    ASSERT_EQ(out.size(), 3u);
    EXPECT_EQ(out[0], std::string(33, ' ') + "Title");
    EXPECT_EQ(out[1], std::string(69, ' ') + "End");
    EXPECT_EQ(out[2], "xnot centred");
}

TEST(MarkupToPlainText, ShrunkSpacersVanishAndFullBlankRowsCollapseToOne) {
    EXPECT_EQ(MarkupToPlainText({"a", "/d5", "/d9", "b", "", " ", "/cn/ct ", "c", ""}),
              (Lines{"a", "b", "", "c"}));
}

TEST(MarkupToPlainText, TableCellsLineUpInColumnsWideEnoughForEveryCell) {
    // A report table as the summaries write it: a title row with double
    // borders, a group of two rows and a single row, between thin borders.
    const Lines table = {
        "/d9/i4/n1/p0/ic/i0/n2/p0/ie/pb",
        "/i1/n0/p0/ic/i0/n2/p0/ie/pr/ix/i-/ix/i+/pr/aeName/i1/n7/p0/ix/i+/prKind "
        "/i3/n6/p5/ix/i+/prPhone/ix/i-/ix/pr/i4/n1/p0/ix/i+/prCond/ix/i-/pr",
        "/i1/n0/p0/ic/i0/n2/p0/ie/pk/pd/i+/pd/aeReport 1/i1/n7/p1/ix/pd/al DATA "
        "/i3/n6/p5/ix/pd+79001110001/pd/i4/n1/p0/ix/pd/ae /ix/i-/pd",
        "/i1/n0/p0/ic/i0/n2/p0/ie/pk/pa/i+/pa/ae /i1/n7/p1/ix/pa/al  "
        "/i3/n6/p5/ix/pa2/pr/i4/n1/p0/ix/pa/ae /ix/i-/pa",
        "/i1/n0/p0/ic/i0/n2/p0/ie/pk/pr/i+/pr/aeR2/i1/n7/p1/ix/pr/al SMS "
        "/i3/n6/p5/ix/pr+7/pr/i4/n1/p0/ix/pr/ae /ix/i-/pr",
        "/d9/i4/n1/p0/ic/i0/n2/p0/ie/pt",
    };
    EXPECT_EQ(MarkupToPlainText(table), (Lines{
                                            "  +----------+------+--------------+------+",
                                            "  |   Name   | Kind |    Phone     | Cond |",
                                            "  +----------+------+--------------+------+",
                                            "  | Report 1 | DATA | +79001110001 |      |",
                                            "  |          |      | 2            |      |",
                                            "  +----------+------+--------------+------+",
                                            "  |    R2    | SMS  | +7           |      |",
                                            "  +----------+------+--------------+------+",
                                        }));
}

TEST(MarkupToPlainText, ACellOverSeveralColumnsWidensTheLastOfThem) {
    // The second row's cell spans both columns of the first.
    const Lines out = MarkupToPlainText({
        "/i1/n0/p0/ic/i0/n2/p0/ie/pr/alab/i1/n5/p0/ix/prcd",
        "/i1/n5/p0/ic/i0/n2/p0/ie/pr/alwide cell text",
    });
    EXPECT_EQ(out, (Lines{
                       "  +----+-----------+",
                       "  | ab | cd        |",
                       "  +----+-----------+",
                       "  | wide cell text |",
                       "  +----+-----------+",
                   }));
}

TEST(MarkupToPlainText, ARuleOutsideATableIsALineOfDashes) {
    EXPECT_EQ(MarkupToPlainText({"a", "/d9/i3/n6/p0/ic/i0/n1/p9/ie/pt", "b"}),
              (Lines{"a", "   " + std::string(57, '-'), "b"}));
}
