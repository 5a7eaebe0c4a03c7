#include "summary/markup_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace skarvion;

namespace {

// Half the point size per character, one more when bold; height size + 6.
class FakeMetrics final : public MarkupMetrics {
  public:
    int textWidth(std::string_view text, const MarkupFont& font) const override {
        return static_cast<int>(text.size()) * (font.size / 2 + (font.bold ? 1 : 0));
    }
    int textHeight(const MarkupFont& font) const override { return font.size + 6; }
};

const MarkupBase Base{MarkupFont{false, false, false, 10}, MarkupColour{0, 0, 0}};
constexpr MarkupColour Red{255, 0, 0};
constexpr MarkupColour Black{0, 0, 0};
constexpr MarkupRect Item{0, 100, 500, 117};

struct Drawn {
    std::vector<MarkupTextRun> texts;
    std::vector<MarkupLine> lines;
    MarkupLineLayout layout;
};

Drawn draw(std::string_view line, MarkupColour& pen, MarkupRect rect = Item) {
    FakeMetrics metrics;
    Drawn d;
    d.layout = LayoutMarkupLine(line, rect, Base, pen, metrics);
    for (const MarkupDrawOp& op : d.layout.operations) {
        if (const auto* t = std::get_if<MarkupTextRun>(&op))
            d.texts.push_back(*t);
        else
            d.lines.push_back(std::get<MarkupLine>(op));
    }
    return d;
}

Drawn draw(std::string_view line) {
    MarkupColour pen;
    return draw(line, pen);
}

std::vector<std::pair<std::string, int>> textsAndX(const Drawn& d) {
    std::vector<std::pair<std::string, int>> result;
    for (const MarkupTextRun& t : d.texts)
        result.emplace_back(t.text, t.x);
    return result;
}

using Runs = std::vector<std::pair<std::string, int>>;

} // namespace

TEST(MarkupLayout, SegmentsFlowLeftToRightThroughCodesAndSlashes) {
    struct Case {
        const char* line;
        Runs runs;
    };
    const Case cases[] = {
        {"", {}},
        {"ab/nxcd", {{"ab", 0}, {"cd", 10}}}, // unknown pair: consumed, draws nothing
        {"ab/NXcd", {{"ab", 0}, {"cd", 10}}}, // codes ignore case
        {"ab//cd", {{"ab", 0}, {"/", 10}, {"cd", 15}}},
        {"ab//", {{"ab", 0}, {"/", 10}}},             // escaped slash at the very end
        {"ab/", {{"ab", 0}}},                         // a lone last slash is dropped
        {"ab/s", {{"ab", 0}}},                        // a cut-off code does nothing
        {"a///sbc", {{"a", 0}, {"/", 5}, {"c", 10}}}, // "//" then "/sb"
        {"/SBab", {{"ab", 0}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(textsAndX(draw(c.line)), c.runs) << c.line;
}

TEST(MarkupLayout, PositionCodesBuildThePointerDigitByDigit) {
    // "/pl" draws the side at the pointer, so its x shows the pointer.
    struct Case {
        const char* codes;
        int pointer;
    };
    const Case cases[] = {
        {"/i4/n1/p0", 410}, {"/i0/n2/p0", 20},     {"/i1/n7/p1", 171},
        {"/i-", -1},        {"/i3/i+/i+", 302},    {"/i2/n5/p5/ir", 0},
        {"/n9/i1/p3", 193}, {"/i1/ic/i2/ix", 100}, // exchange with the mark
        {"/i1/n5/i-", 149}, {"/i-/i-/n3", 28},     // div and mod truncate toward zero: -2 -> 28
    };
    for (const Case& c : cases) {
        const Drawn d = draw(std::string(c.codes) + "/pl");
        ASSERT_EQ(d.lines.size(), 1u) << c.codes;
        EXPECT_EQ(d.lines[0].x1, c.pointer) << c.codes;
    }
}

TEST(MarkupLayout, BorderCodesDrawTheirEdgesBetweenPointerAndMark) {
    // Pointer 20, mark 100, rows 100 (top) .. 116 (last).
    const std::string cell = "/i1/n0/p0/ic/i0/n2/p0";
    const MarkupLine top{20, 100, 100, 100, Black};
    const MarkupLine bottom{20, 116, 100, 116, Black};
    const MarkupLine sideA{20, 100, 20, 116, Black};
    const MarkupLine sideB{100, 100, 100, 116, Black};
    struct Case {
        const char* code;
        std::vector<MarkupLine> lines;
    };
    const Case cases[] = {
        {"/pa", {bottom, sideA, sideB}},
        {"/pb", {bottom}},
        {"/pc", {top, bottom, sideB}},
        {"/pd", {top, sideA, sideB}},
        {"/pe", {top, bottom, sideA}},
        {"/pf", {bottom, sideB}},
        {"/pg", {top, sideA}},
        {"/ph", {top, sideB}},
        {"/pi", {top, sideA}},
        {"/pj", {top, bottom}},
        {"/pk", {sideA, sideB}},
        {"/pl", {sideA}},
        {"/pm", {}},
        {"/pp", {sideB}},
        {"/pr", {top, bottom, sideA, sideB}},
        {"/pt", {top}},
        {"/p5", {}}, // a digit code moves the pointer only
    };
    for (const Case& c : cases)
        EXPECT_EQ(draw(cell + c.code).lines, c.lines) << c.code;
}

TEST(MarkupLayout, CellAlignmentPlacesEachPieceInsideTheOpenCell) {
    // Cell 20..100; "abcd" is 20 pixels wide at the base size.
    const std::string cell = "/i1/n0/p0/ic/i0/n2/p0/ie";
    struct Case {
        std::string line;
        Runs runs;
    };
    const Case cases[] = {
        {cell + "abcd", {{"abcd", 22}}}, // opening a cell moves x to its left + 2
        {cell + "/alabcd", {{"abcd", 22}}},
        {cell + "/aeabcd", {{"abcd", 50}}},       // 20 + (80 - 20) / 2
        {cell + "/aiabcd", {{"abcd", 78}}},       // 100 - 20 - 2
        {"xy/aiabcd", {{"xy", 0}, {"abcd", 10}}}, // no cell open: alignment ignored
        {cell + "/id/aiabcd", {{"abcd", 22}}},    // closed again: ignored
        {cell + "/aeab/i2/n0/p0/ixcd", {{"ab", 55}, {"cd", 145}}}, // next cell 100..200
        // wider than the cell: the centred text starts left of it and is not clipped
        {cell + "/ae" + std::string(30, 'w'), {{std::string(30, 'w'), -15}}},
        // placement measures at the base size even under a size code
        {cell + "/ae/z4abcd", {{"abcd", 50}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(textsAndX(draw(c.line)), c.runs) << c.line;
}

TEST(MarkupLayout, LineAlignmentActsOnlyBeforeTheFirstText) {
    // Item 0..500; "/sb" texts are 6 pixels a character.
    struct Case {
        const char* line;
        Runs runs;
    };
    const Case cases[] = {
        {"/acabcd", {{"abcd", 239}}},          // (500 - 20) / 2 - 1
        {"/sb/acabcd", {{"abcd", 237}}},       // W measured in bold: (500 - 24) / 2 - 1
        {"/arabcd", {{"abcd", 479}}},          // 500 - 20 - 1
        {"x/acabcd", {{"x", 0}, {"abcd", 5}}}, // after text: nothing
        {"/ac/z4ab", {{"ab", 242}}},           // W with the size codes: (500 - 2 * 7) / 2 - 1
    };
    for (const Case& c : cases)
        EXPECT_EQ(textsAndX(draw(c.line)), c.runs) << c.line;
}

TEST(MarkupLayout, FontAndColourCodesChangeTheRunsThatFollow) {
    const Drawn d = draw("a/sb/sib/ss/svc/z4/d3d/zne/cr/d2f/cn/nsg/sug/slh");
    ASSERT_EQ(d.texts.size(), 9u);
    const MarkupFont plain{false, false, false, 10};
    EXPECT_EQ(d.texts[0].font, plain);
    EXPECT_EQ(d.texts[1].font, (MarkupFont{true, true, false, 10}));
    EXPECT_EQ(d.texts[2].font, plain);
    EXPECT_EQ(d.texts[3].font.size, 11); // "/z4" then "/d3"
    EXPECT_EQ(d.texts[4].font.size, 10);
    EXPECT_EQ(d.texts[5].colour, Red);
    EXPECT_EQ(d.texts[5].font.size, 8);
    EXPECT_EQ(d.texts[6].colour, Black);
    EXPECT_FALSE(d.texts[6].font.underline);
    EXPECT_TRUE(d.texts[7].font.underline);
    EXPECT_FALSE(d.texts[8].font.underline);
}

TEST(MarkupLayout, TextsSitOnTheItemBottomAndOnePixelHigherOnBorderedLines) {
    EXPECT_EQ(draw("abc").texts.at(0).y, 117 - 16);
    EXPECT_EQ(draw("/z2abc").texts.at(0).y, 117 - 18);
    EXPECT_EQ(draw("abc/pm").texts.at(0).y, 117 - 17); // any "/p" code raises the line
    EXPECT_EQ(draw("abc/p0").texts.at(0).y, 117 - 17);
    EXPECT_FALSE(draw("abc").layout.raised);
}

TEST(MarkupLayout, PenColourSetByCtCarriesIntoLaterLines) {
    MarkupColour pen;
    const std::string border = "/i1/n0/p0/ic/i0/n2/p0/pb";
    EXPECT_EQ(draw(border, pen).lines.at(0).colour, Black);
    draw("/cr/ct", pen);
    EXPECT_EQ(pen, Red);
    EXPECT_EQ(draw(border, pen).lines.at(0).colour, Red);
    EXPECT_EQ(draw("/cnabc" + border, pen).lines.at(0).colour, Red); // text colour alone: no change
    draw("/cb/cn/ct", pen);
    EXPECT_EQ(draw(border, pen).lines.at(0).colour, Black);

    EXPECT_EQ(MarkupPenAfter("/cr/ct/cb", Black, Black), Red);
    EXPECT_EQ(MarkupPenAfter("plain", Black, Red), Red);
}

TEST(MarkupItemHeight, FollowsSizeCodesBeforeTheTextAndBorders) {
    struct Case {
        const char* line;
        int height;
    };
    const Case cases[] = {
        {"", 16},
        {"/d9", 7},
        {"/d5", 11},
        {"/ac/sb/z4Title", 20},
        {"/d9/i4/n1/p0/ic/i0/n2/p0/ie/pb", 9},
        {"/pm", 18},        // counts as bordered
        {"/p5/i1", 16},     // digit codes do not
        {"text/z4", 20},    // a size after the text still raises the height
        {"/z4text/d9", 20}, // a size drop after text keeps the height
        {"/z4/d9", 11},     // before any text it lowers it
        {"/z4/zntext", 16},
        {"/z4text/zn", 20},
        {"/z3/nz/d2", 17}, // "/nz" resets only the running size
        {"/z0/z+/z-/z-", 15},
        {"//", 16},
        {"/Z4", 20},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MarkupItemHeight(c.line, 16), c.height) << c.line;
}
