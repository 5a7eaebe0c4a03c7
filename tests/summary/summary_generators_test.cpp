#include "summary/summary_generators.h"
#include "summary/summary_sections.h"

#include "locale/language_texts.h"
#include "summary_fixtures.h"

#include <gtest/gtest.h>

using namespace skarvion;
using skarvion::testing::cp1251;
namespace fixtures = skarvion::testing;

namespace {

const LanguageTexts& builtInTexts() {
    static const LanguageTexts texts;
    return texts;
}

// Compares whole line lists, naming the first line that differs.
void expectSameLines(const MarkupLines& actual, const MarkupLines& expected,
                     const std::string& what) {
    const std::size_t common = std::min(actual.size(), expected.size());
    for (std::size_t i = 0; i < common; ++i)
        ASSERT_EQ(actual[i], expected[i]) << what << ", line " << i + 1;
    EXPECT_EQ(actual.size(), expected.size()) << what << ": number of lines";
}

struct ModelCase {
    const char* file;
    ConfigurationModel (*make)();
};

const ModelCase ModelCases[] = {
    {"fresh.txt", fixtures::FreshModel},
    {"full.txt", fixtures::FullModel},
    {"panel.txt", fixtures::PanelModel},
};

} // namespace

TEST(SummaryGenerators, EverySummaryOfEveryFixtureModelGivesItsExpectedLines) {
    for (const ModelCase& c : ModelCases) {
        const auto sections = fixtures::ReadExpectedSections(c.file);
        ASSERT_EQ(sections.size(), SummarySectionNames().size()) << c.file;
        for (const auto& section : sections) {
            const auto lines = SummarySectionLines(section.name, c.make(), builtInTexts());
            ASSERT_TRUE(lines) << section.name;
            expectSameLines(*lines, section.lines, std::string(c.file) + " [" + section.name + "]");
        }
    }
}

TEST(SummaryGenerators, ShowingASummaryCleansPhoneReferencesInTheModel) {
    ConfigurationModel m = fixtures::FullModel();
    InputSummary(m, builtInTexts(), 1);
    EXPECT_EQ(m.input(1).AlarmPhones, (std::array<PhoneRef, 3>{4, 0, 5})); // entry 7 is empty

    InputSummary(m, builtInTexts(), 2);
    EXPECT_EQ(m.input(2).ClipPhone2, 0); // restore switched off
    EXPECT_EQ(m.input(2).ClipPhone3, 0); // second pair disabled
    EXPECT_EQ(m.input(2).ClipPhone4Used, 0);

    InputSummary(m, builtInTexts(), 3);
    EXPECT_EQ(m.input(3).DataPhone1, 0); // empty entry
    EXPECT_EQ(m.input(3).DataPhone2, 0); // outside the phone book

    // A channel that is not shown is left alone.
    m.input(4).DataPhone1 = 7;
    InputSummary(m, builtInTexts(), 4);
    EXPECT_EQ(m.input(4).DataPhone1, 7);
}

TEST(SummaryGenerators, AZeroTestPeriodBecomesTenMinutes) {
    for (auto summary : {PeriodicTestSummary, TestReportsSummary, ProjectOverview}) {
        ConfigurationModel m = fixtures::FreshModel();
        m.TestMinutes = 0;
        const MarkupLines lines = summary(m, builtInTexts());
        EXPECT_EQ(m.TestMinutes, 1);
        const std::string tenMinutes = ": /sn10 " + cp1251("Мин");
        EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
            return line.find(tenMinutes) != std::string::npos;
        }));
    }
}

TEST(SummaryGenerators, PeriodTextJoinsDaysHoursAndMinutes) {
    struct Case {
        int days, hours, minutes;
        const char* text;
    };
    const Case cases[] = {
        {2, 0, 3, "2 дня 30 Мин"}, {1, 0, 0, "1 день "},  {21, 5, 2, "21 день 5 часа 20 Мин"},
        {3, 1, 0, "3 дня 1 час "}, {0, 22, 0, "22 часа"}, {0, 0, 5, "50 Мин"},
        {31, 0, 0, "0 дней"},  // beyond 30 days: the zero-day text
        {0, 24, 1, " 10 Мин"}, // beyond 23 hours: no hour text, the blank stays
    };
    for (const Case& c : cases) {
        ConfigurationModel m = fixtures::FreshModel();
        m.TestDays = static_cast<Byte>(c.days);
        m.TestHours = static_cast<Byte>(c.hours);
        m.TestMinutes = static_cast<Byte>(c.minutes);
        SummaryContext context{m, builtInTexts()};
        EXPECT_EQ(PeriodText(context), cp1251(c.text))
            << c.days << " " << c.hours << " " << c.minutes;
    }
}

TEST(SummaryGenerators, DelayTextsAndLines) {
    EXPECT_EQ(DelayText(25), "12,5");
    EXPECT_EQ(DelayText(20), "10,0");
    EXPECT_EQ(DelayText(1), "0,5");
    EXPECT_EQ(DelayText(0), "0,0");
    EXPECT_EQ(DelayLine("Label : %s sec", "1,5"), "  /sb  Label : /sn1,5 sec/sn");
    EXPECT_EQ(LockoutLine("Label : %s sec", "60"), "  /sb  Label : /sn 60 sec /sn");
    EXPECT_EQ(DelayLine("No value", "1,5"), "  /sb  No value/sn"); // a format without %s
}

TEST(SummaryGenerators, NumbersOutsideTheirRangeGiveNoLines) {
    ConfigurationModel m = fixtures::FreshModel();
    EXPECT_TRUE(InputSummary(m, builtInTexts(), 0).empty());
    EXPECT_TRUE(InputSummary(m, builtInTexts(), 5).empty());
    EXPECT_TRUE(OutputSummary(m, builtInTexts(), 4).empty());
}

TEST(SummaryGenerators, PrintInfoCommentShowsOnlyLinesEndedByAReturn) {
    struct Case {
        std::string comment;
        std::vector<std::string> shown;
    };
    const Case cases[] = {
        {"", {}},
        {"no return", {}},
        {"a\rb\r", {"    a", "    b"}},
        {"a\r\nb\r\nc", {"    a", "    b"}}, // a line feed after the return belongs to the break
        {"\r", {"    "}},
    };
    for (const Case& c : cases) {
        ConfigurationModel m = fixtures::FreshModel();
        m.PrintInfo.ReportComment = c.comment;
        const MarkupLines lines = PrintInfoSummary(m, builtInTexts());
        // Caption, spacer, four fields of four lines, comment caption, spacer; then the comment and
        // "/d5".
        const MarkupLines comment(lines.begin() + 20, lines.end() - 1);
        EXPECT_EQ(comment, c.shown) << c.comment;
        EXPECT_EQ(lines.back(), "/d5");
    }
}

TEST(SummarySections, TextOfOneOrAllSections) {
    const ConfigurationModel m = fixtures::FullModel();
    const ConfigurationModel before = m;

    const auto one = SummaryText(m, builtInTexts(), "voltage", true);
    ASSERT_TRUE(one.ok);
    EXPECT_EQ(one.lines.front(), "/ac/sb/cn/z4  Тест напряжения питания"); // UTF-8 out

    const auto all = SummaryText(m, builtInTexts(), std::nullopt, false);
    ASSERT_TRUE(all.ok);
    std::vector<std::string> headers;
    for (const std::string& line : all.lines)
        if (!line.empty() && line.front() == '[')
            headers.push_back(line.substr(1, line.size() - 2));
    EXPECT_EQ(headers, SummarySectionNames());
    EXPECT_EQ(m, before); // the caller's model is not cleaned

    const auto bad = SummaryText(m, builtInTexts(), "input5", false);
    EXPECT_FALSE(bad.ok);
    EXPECT_NE(bad.error.find("input5"), std::string::npos);
    EXPECT_TRUE(CheckSummarySection("input5").has_value());
    EXPECT_FALSE(CheckSummarySection("printinfo").has_value());
}

TEST(SummarySections, ADelayChangeShowsAsOneChangedLineOfItsSummary) {
    ConfigurationModel a = fixtures::FullModel();
    ConfigurationModel b = a;
    b.input(2).RestoreTime = 7;
    for (bool markup : {true, false}) {
        const auto left = SummaryText(a, builtInTexts(), "input2", markup).lines;
        const auto right = SummaryText(b, builtInTexts(), "input2", markup).lines;
        ASSERT_EQ(left.size(), right.size());
        int changed = 0;
        for (std::size_t i = 0; i < left.size(); ++i)
            changed += left[i] != right[i];
        EXPECT_EQ(changed, 1) << (markup ? "markup" : "plain");
    }
}

TEST(SummaryGenerators, TheTestInformationPageFollowsTheNodeNumbers) {
    ConfigurationModel m = fixtures::FullModel();
    EXPECT_FALSE(TestInformationSummary(m, builtInTexts(), 1, 2).has_value());
    EXPECT_EQ(TestInformationSummary(m, builtInTexts(), 1, 1), GsmTestSummary(m, builtInTexts()));
    EXPECT_EQ(TestInformationSummary(m, builtInTexts(), 2, 2),
              PeriodicTestSummary(m, builtInTexts()));
    EXPECT_EQ(TestInformationSummary(m, builtInTexts(), 3, 3), MarkupLines{});
}
