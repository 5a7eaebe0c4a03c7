#include "summary/report_layout.h"

#include "model/model_operations.h"
#include "model_fixtures.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace skarvion;

namespace {

const LanguageTexts& builtInTexts() {
    static const LanguageTexts texts;
    return texts;
}

// The texts of a page whose box starts at column x, top to bottom.
std::vector<ReportText> column(const ReportPage& page, double x) {
    std::vector<ReportText> texts;
    for (const ReportText& text : page.texts)
        if (text.box.x() == x) texts.push_back(text);
    std::sort(texts.begin(), texts.end(),
              [](const ReportText& a, const ReportText& b) { return a.box.y() < b.box.y(); });
    return texts;
}

const ReportText* findText(const ReportPage& page, const QString& text) {
    for (const ReportText& t : page.texts)
        if (t.text == text) return &t;
    return nullptr;
}

} // namespace

TEST(ReportLayout, TheReportHasATitlePageAndASettingsPageWithinA4) {
    const ConfigurationModel m = skarvion::testing::FullyConfiguredModel();
    const ReportPages pages = LayOutReport({m, builtInTexts(), {}});
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].texts.size(), 7u);
    const QRectF a4(0, 0, ReportPageWidth, ReportPageHeight);
    for (const ReportPage& page : pages)
        for (const ReportText& text : page.texts)
            EXPECT_TRUE(a4.contains(text.box)) << text.text.toStdString();

    const ReportText* caption = findText(pages[0], QString::fromUtf8("Настройки\nSkarvion 2050"));
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->box, QRectF(132, 300, 488, 138));
    EXPECT_EQ(caption->style.pointSize, 28);

    const ReportText* official = findText(pages[0], QString(39, '_') + "\nFor official use");
    ASSERT_NE(official, nullptr);
    EXPECT_TRUE(official->style.framed);
}

TEST(ReportLayout, TablesRepeatTheirRowsAsFramedCellsRightBelowTheirHeads) {
    ConfigurationModel m = StartupModel();
    m.input(3).Enabled = 1;
    const ReportPages pages = LayOutReport({m, builtInTexts(), {}});
    ASSERT_EQ(pages.size(), 2u);

    // Column at 104: the input head, four input rows, the phone head, nine phone rows.
    const auto left = column(pages[1], 104);
    ASSERT_EQ(left.size(), 1u + ReportInputRows + 1u + ReportPhoneRows);
    EXPECT_EQ(left[0].text, QString::fromUtf8("Номер входа"));
    double top = left[0].box.bottom();
    for (int r = 0; r < ReportInputRows; ++r) {
        const ReportText& row = left[1 + r];
        EXPECT_EQ(row.box, QRectF(104, top, 368, 18)) << "input row " << r;
        EXPECT_EQ(row.text, QString::fromUtf8("  Вход %1").arg(r + 1));
        EXPECT_TRUE(row.style.framed);
        top = row.box.bottom();
    }
    // The phone table's caption and head follow, as far below as in the template.
    EXPECT_EQ(left[5].text, QString::fromUtf8(" №"));
    EXPECT_EQ(left[5].box.top(), top + (836 - 788));
    top = left[5].box.bottom();
    for (int r = 0; r < ReportPhoneRows; ++r) {
        const ReportText& row = left[6 + r];
        EXPECT_EQ(row.box, QRectF(104, top, 32, 18)) << "phone row " << r;
        EXPECT_EQ(row.text, QString::number(r + 1));
        EXPECT_EQ(row.style.align, ReportAlign::Right);
        EXPECT_TRUE(row.style.framed);
        top = row.box.bottom();
    }

    const auto states = column(pages[1], 472);
    ASSERT_EQ(states.size(), 1u + ReportInputRows);
    EXPECT_EQ(states[3].text, QString::fromUtf8("  включен"));
    EXPECT_EQ(states[4].text, QString::fromUtf8("  выключен"));

    const auto phones = column(pages[1], 136);
    ASSERT_EQ(phones.size(), 1u + ReportPhoneRows);
    EXPECT_EQ(phones[1].text, QString::fromUtf8(" нет"));
    const auto status = column(pages[1], 424);
    ASSERT_EQ(status.size(), 1u + ReportPhoneRows);
    EXPECT_EQ(status[9].text, " Free");
}

TEST(ReportLayout, TheSettingsPageHeaderCarriesTheModelPageNumberAndRule) {
    const ConfigurationModel m = skarvion::testing::FullyConfiguredModel();
    const ReportPage page = LayOutReport({m, builtInTexts(), {}})[1];
    const ReportText* number = findText(page, "2/6");
    ASSERT_NE(number, nullptr);
    EXPECT_EQ(number->box, QRectF(668, 72, 48, 26));
    EXPECT_EQ(number->style.align, ReportAlign::Right);
    ASSERT_NE(findText(page, QString::fromUtf8("Общие настройки устройства SKARVION 2050")),
              nullptr);
    ASSERT_EQ(page.rules.size(), 1u);
    EXPECT_EQ(page.rules[0], QLineF(100, 110, 690, 110));

    const ReportText* pin = findText(page, "4711");
    ASSERT_NE(pin, nullptr);
    EXPECT_TRUE(pin->style.red);
    EXPECT_TRUE(pin->style.bold);
    EXPECT_EQ(pin->style.pointSize, 14);
}

TEST(ReportLayout, FillingReplacesEachBracketedVariable) {
    ConfigurationModel m = StartupModel();
    m.PrintInfo.ReportComment = skarvion::testing::cp1251("строка 1\r\nстрока 2\rстрока 3");
    const ReportSource source{m, builtInTexts(), {}};
    const std::tuple<const char*, int, const char*> cases[] = {
        {"  [INNUMBER]", 2, "  Вход 3"},
        {"[PHLINE]/[phline]", 8, "9/9"},
        {"[BASECOM]", 0, "строка 1\nстрока 2\nстрока 3"},
        {"[NOSUCHNAME]!", 0, "!"},
        {"a [b", 0, "a [b"},
        {"x] [", 0, "x] ["},
        {"[]", 0, ""},
        {" №", 0, " №"},
    };
    for (const auto& [pattern, record, expected] : cases)
        EXPECT_EQ(FillReportText(pattern, source, record), QString::fromUtf8(expected)) << pattern;
}
