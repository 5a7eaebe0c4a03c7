#include "summary/report_layout.h"

#include "model/windows1251.h"

#include <span>
#include <string_view>

namespace skarvion {

namespace {

// A text object of the template. Objects whose width the template leaves open
// reach the next object on their line or the tables' right edge (708).
struct TemplateField {
    double x, y, width, height;
    const char* text; // UTF-8, with bracketed variables
    ReportStyle style;
};

struct TemplateRule {
    double x, y, length; // horizontal
};

// How many times a band is printed: once, or once per record of a data set.
enum class BandRecords { Once, Inputs, Phones };

struct TemplateBand {
    double y, height;
    BandRecords records;
    std::span<const TemplateField> fields;
    std::span<const TemplateRule> rules = {};
};

using A = ReportAlign;

constexpr ReportStyle plain{};
constexpr ReportStyle bold{.bold = true};
constexpr ReportStyle cell{.verticallyCentred = true, .framed = true};
constexpr ReportStyle head{.align = A::Center, .verticallyCentred = true, .framed = true};

// Page 1: the title page.
const TemplateField TitleFields[] = {
    {132,
     300,
     488,
     138,
     "[BCAPTION]",
     {.pointSize = 28, .bold = true, .align = A::Center, .verticallyCentred = true, .wrap = true}},
    {452,
     36,
     264,
     50,
     "_______________________________________\n[DSP_VAR]",
     {.pointSize = 8, .align = A::Center, .verticallyCentred = true, .framed = true}},
    {140, 452, 472, 26, "[SERIAL]", {.verticallyCentred = true}},
    {140, 492, 472, 22, "[FVERSION]", plain},
    {140, 530, 472, 22, "[PSUPPLY]", {.verticallyCentred = true}},
    {136, 568, 476, 22, "[COMMENT]", {.pointSize = 12, .bold = true, .verticallyCentred = true}},
    {140, 600, 472, 372, "[BASECOM]", {.pointSize = 12, .wrap = true}},
};

const TemplateBand TitleBands[] = {
    {0, ReportPageHeight, BandRecords::Once, TitleFields},
};

// Page 2: the settings page.
const TemplateField PageHeaderFields[] = {
    {106,
     72,
     544,
     30,
     "[SKRMODEL]",
     {.pointSize = 14, .bold = true, .align = A::Center, .verticallyCentred = true}},
    {668, 72, 48, 26, "[LISTNUM]", {.pointSize = 10, .align = A::Right, .verticallyCentred = true}},
};
const TemplateRule PageHeaderRules[] = {{100, 110, 590}};

const TemplateField SimFields[] = {
    {120, 184, 588, 18, "[SIMPHONECAP] : ", bold},
    {204, 216, 504, 18, "[SIMPHONEVAR]", plain},
    {124, 276, 584, 18, "[SIMREGNCAP] : ", bold},
    {208, 308, 504, 18, "[SIMREGNVAL]", plain},
    {120, 348, 184, 18, "[BASECAPPIN]", {.pointSize = 12, .bold = true}},
    {304, 344, 104, 26, "[PINCODE]", {.pointSize = 14, .bold = true, .red = true}},
    {120, 420, 184, 18, "[SMSCENCAPPH] : ", bold},
    {304, 420, 396, 18, "[SMSCENTPH]", plain},
    {120, 504, 588, 18, "[BASECAPINP]", bold},
    {104, 542, 368, 18, "[BASEINTAB1]", head},
    {472, 542, 236, 18, "[BASEINTAB2]", head},
};

const TemplateField InputRowFields[] = {
    {104, 592, 368, 18, "  [INNUMBER]", cell},
    {472, 592, 236, 18, "  [INCON]", cell},
};

const TemplateField PhoneHeaderFields[] = {
    {120, 804, 588, 18, "[BASECAPPHON]", bold},
    {104, 836, 32, 18, " №", head},
    {136, 836, 288, 18, "[BASEPHONTAB1]", head},
    {424, 836, 284, 18, "[BASEPHONTAB2]", head},
};

const TemplateField PhoneRowFields[] = {
    {104, 868, 32, 18, "[PHLINE]", {.align = A::Right, .verticallyCentred = true, .framed = true}},
    {136, 868, 288, 18, " [PHONE]", cell},
    {424, 868, 284, 18, " [PHSTATUS]", cell},
};

const TemplateBand SettingsBands[] = {
    {64, 52, BandRecords::Once, PageHeaderFields, PageHeaderRules},
    {176, 384, BandRecords::Once, SimFields},
    {592, 18, BandRecords::Inputs, InputRowFields},
    {788, 66, BandRecords::Once, PhoneHeaderFields},
    {868, 18, BandRecords::Phones, PhoneRowFields},
};

const std::span<const TemplateBand> Pages[] = {TitleBands, SettingsBands};

int recordCount(BandRecords records) {
    switch (records) {
    case BandRecords::Inputs:
        return ReportInputRows;
    case BandRecords::Phones:
        return ReportPhoneRows;
    case BandRecords::Once:
        break;
    }
    return 1;
}

QString lines(const Text& value) {
    QString text = FromWindows1251(value);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace('\r', '\n');
    return text;
}

// The first band stands at its place in the template; every other band, and
// every repeated record, follows right below the one before, so that a table's
// rows close up under its column heads.
ReportPage layOutPage(std::span<const TemplateBand> bands, const ReportSource& source) {
    ReportPage page;
    double bottom = bands.empty() ? 0 : bands.front().y;
    for (const TemplateBand& band : bands) {
        const double top = bottom;
        const int records = recordCount(band.records);
        for (int r = 0; r < records; ++r) {
            const double shift = top + r * band.height - band.y;
            for (const TemplateField& field : band.fields)
                page.texts.push_back({QRectF(field.x, field.y + shift, field.width, field.height),
                                      FillReportText(field.text, source, r), field.style});
            for (const TemplateRule& rule : band.rules)
                page.rules.emplace_back(rule.x, rule.y + shift, rule.x + rule.length,
                                        rule.y + shift);
        }
        bottom = top + records * band.height;
    }
    return page;
}

} // namespace

QString FillReportText(const char* pattern, const ReportSource& source, int record) {
    const std::string_view text(pattern);
    QString filled;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t open = text.find('[', at);
        const std::size_t close = open == std::string_view::npos ? open : text.find(']', open);
        if (close == std::string_view::npos) {
            filled += QString::fromUtf8(text.substr(at));
            break;
        }
        filled += QString::fromUtf8(text.substr(at, open - at));
        filled += lines(ReportVariable(source, text.substr(open + 1, close - open - 1), record));
        at = close + 1;
    }
    return filled;
}

ReportPages LayOutReport(const ReportSource& source) {
    ReportPages pages;
    for (const auto& bands : Pages)
        pages.push_back(layOutPage(bands, source));
    return pages;
}

} // namespace skarvion
