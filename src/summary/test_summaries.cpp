#include "summary/summary_generators.h"
#include "summary/summary_parts.h"
#include "summary/summary_tables.h"

#include <string_view>

namespace skarvion {

namespace {

// Rows of the three-column report table (Report | Method | Phone 170..410).
struct ThreeColumnPatterns {
    std::string_view none, single, first, firstOfThree, middle, last, lastOfThree;
};

#define OPEN_PR "/i1/n0/p0/ic/i0/n2/p0/ie/pk/pr/i+/pr/ae{R}/i1/n7/p1/ix/pr/al "
#define OPEN_PD "/i1/n0/p0/ic/i0/n2/p0/ie/pk/pd/i+/pd/ae{R}/i1/n7/p1/ix/pd/al "
#define OPEN_PK "/i1/n0/p0/ic/i0/n2/p0/ie/pk/pk/i+/pk/ae /i1/n7/p1/ix/pk/al  "
#define OPEN_PA "/i1/n0/p0/ic/i0/n2/p0/ie/pk/pa/i+/pa/ae /i1/n7/p1/ix/pa/al  "

constexpr ThreeColumnPatterns DataRows{
    OPEN_PR "DATA /pr/i4/n1/p0/ix/pr/ae {P}/ix/i-/pr",
    OPEN_PR "DATA /pr/i4/n1/p0/ix/pr/ae{P}/ix/i-/pr",
    OPEN_PD "DATA /i4/n1/p0/ix/pd{P}/ix/i-/pd",
    OPEN_PD "DATA  /i4/n1/p0/ix/pd{P} /ix/i-/pd",
    OPEN_PK " /i4/n1/p0/ix/pd{P} /ix/i-/pk",
    OPEN_PA "/i4/n1/p0/ix/pr{P}/ix/i-/pa",
    OPEN_PA " /i4/n1/p0/ix/pr{P} /ix/i-/pa",
};

constexpr ThreeColumnPatterns ClipRows{
    OPEN_PD "CLIP /pd/i4/n1/p0/ix/pd/ae {P} /ix/i-/pd",
    OPEN_PR "CLIP /pr/i4/n1/p0/ix/pr/al {P}/ix/i-/pr",
    OPEN_PD "CLIP /pd/i4/n1/p0/ix/pd/al {P} /ix/i-/pd",
    OPEN_PD "CLIP /pd/i4/n1/p0/ix/pd/al {P} /ix/i-/pd",
    OPEN_PK "/pk/i4/n1/p0/ix/pd/al {P} /ix/i-/pk",
    OPEN_PA "/pa/i4/n1/p0/ix/pr/al {P} /ix/i-/pa",
    OPEN_PA "/pa/i4/n1/p0/ix/pr/al {P} /ix/i-/pa",
};

constexpr ThreeColumnPatterns SmsRows{
    OPEN_PR "SMS /pr/i4/n1/p0/ix/pr/al {P} /ix/i-/pr",
    OPEN_PR "SMS /i4/n1/p0/ix/pr{P} /ix/i-/pr",
    OPEN_PD "SMS /i4/n1/p0/ix/pd{P} /ix/i-/pd",
    OPEN_PD "SMS /i4/n1/p0/ix/pd{P} /ix/i-/pd",
    OPEN_PK "/i4/n1/p0/ix/pd{P} /ix/i-/pk",
    OPEN_PA "/i4/n1/p0/ix/pr{P} /ix/i-/pa",
    OPEN_PA "/i4/n1/p0/ix/pr{P} /ix/i-/pa",
};

#undef OPEN_PR
#undef OPEN_PD
#undef OPEN_PK
#undef OPEN_PA

std::string_view threeColumnPattern(const ThreeColumnPatterns& p, RowPlace place, bool ofThree) {
    switch (place) {
    case RowPlace::None:
        return p.none;
    case RowPlace::Single:
        return p.single;
    case RowPlace::First:
        return ofThree ? p.firstOfThree : p.first;
    case RowPlace::Middle:
        return p.middle;
    case RowPlace::Last:
        return ofThree ? p.lastOfThree : p.last;
    }
    return p.single;
}

void addThreeColumnGroup(std::vector<GsmLine>& lines, const SummaryContext& context, int& number,
                         const ThreeColumnPatterns& patterns, const PlannedRows& rows) {
    const Text report = ReportName(context, ++number);
    const bool ofThree = rows.size() >= 3;
    for (const PlannedRow& row : rows)
        lines.push_back(
            {GsmLineRole::Other,
             FillRow(threeColumnPattern(patterns, row.place, ofThree), report, Text(), row.phone)});
}

Text signalLevelText(const SummaryContext& context, int level) {
    return context.text("REP_GSMSIGNVAL" + std::to_string(level >= 1 && level <= 4 ? level : 1));
}

} // namespace

ReportSources PeriodicReportSources(ConfigurationModel& m) {
    ReportSources sources;
    sources.methods = m.TestMethods;
    sources.data = {&m.TestDataPhone1, &m.TestDataPhone2, &m.TestDataPhone3};
    sources.clip = {&m.TestClipPhone1,  &m.TestClipPhone2, &m.TestClipPhone2Used,
                    &m.TestClipPhone3,  &m.TestClipPhone4, &m.TestClipPhone4Used,
                    &m.TestClip2Enabled};
    sources.sms = {&m.TestSmsPhones[0], &m.TestSmsPhones[1], &m.TestSmsPhones[2]};
    return sources;
}

std::vector<GsmLine> GsmTestLines(SummaryContext& context) {
    ConfigurationModel& m = context.model;
    std::vector<GsmLine> lines{
        {GsmLineRole::Title, "/ac/sb/z4/cn/ct  " + context.text("REP_TESTTABVAL3")},
        {GsmLineRole::FirstSpacer, "/d5"},
        {GsmLineRole::Other, "/sb  " + context.text("REP_CAPTGSMMEN") + " : /sn" +
                                 OnOffText(context, m.GsmTestEnabled)},
        {GsmLineRole::MonitorSpacer, "/d5"},
        {GsmLineRole::Other, "/sb  " + context.text("REP_CAPTGSMSIGN") + ": /sn" +
                                 signalLevelText(context, m.GsmSignalLevel)},
        {GsmLineRole::SignalSpacer, "/d9"},
        {GsmLineRole::Other, "/sb  " + context.text("REP_TIME")},
        {GsmLineRole::Other,
         DelayLine(context.text("REP_TRESPONCE"), std::to_string(m.GsmLowTime * 10))},
        {GsmLineRole::Other,
         LockoutLine(context.text("REP_TLOCKOUT"), std::to_string(m.GsmNormalTime * 10))},
        {GsmLineRole::Other, "/d9"},
        {GsmLineRole::Other, "/sb  " + context.text("REP_CAPOFREPTAB")},
        {GsmLineRole::Other, WideTableTop},
        {GsmLineRole::Other, "/i1/n0/p0/ic/i0/n2/p0/ie/pr/ix/i-/ix/i+/pr/ae" +
                                 context.text("REP_REPTAB1") + "/i1/n7/p0/ix/i+/pr" +
                                 context.text("REP_REPTAB2") + "/ix/i-/ix/pr/i4/n1/p0/ix/i+/pr" +
                                 context.text("REP_REPTAB3") + "/ix/i-/pr"},
    };
    int number = 0;
    if (m.GsmMethods & MethodData) {
        const PhoneTriple refs{&m.GsmDataPhones[0], &m.GsmDataPhones[1], &m.GsmDataPhones[2]};
        addThreeColumnGroup(lines, context, number, DataRows, PlanPhoneRows(context, refs));
    }
    if (m.GsmMethods & MethodClip) {
        const ClipReferences refs{&m.GsmClipPhone1,  &m.GsmClipPhone2, &m.GsmClipPhone2Used,
                                  &m.GsmClipPhone3,  &m.GsmClipPhone4, &m.GsmClipPhone4Used,
                                  &m.GsmClip2Enabled};
        addThreeColumnGroup(lines, context, number, ClipRows, PlanClipRows(context, refs));
    }
    if (m.GsmMethods & MethodSms) {
        const PhoneTriple refs{&m.GsmSmsPhone1, &m.GsmSmsPhone2, &m.GsmSmsPhone3};
        addThreeColumnGroup(lines, context, number, SmsRows, PlanPhoneRows(context, refs));
    }
    lines.push_back({GsmLineRole::ReportBottom, WideTableBottom});
    if (m.GsmMethods & MethodData)
        for (const TaggedLine& line : DataParameterTable(context, m.GsmEventCode))
            lines.push_back({GsmLineRole::Other, line.text});
    if (m.GsmMethods & MethodSms) {
        for (const TaggedLine& line : SingleSmsTextTable(context, m.GsmSmsText)) {
            const bool border = line.role == LineRole::TopBorder ||
                                line.role == LineRole::BottomBorder ||
                                line.role == LineRole::ClosingRow;
            lines.push_back({border ? GsmLineRole::SmsBorder : GsmLineRole::Other, line.text});
        }
    }
    return lines;
}

MarkupLines GsmTestSummary(ConfigurationModel& model, const LanguageTexts& texts) {
    SummaryContext context{model, texts};
    MarkupLines lines;
    for (const GsmLine& line : GsmTestLines(context))
        lines.push_back(line.text);
    return lines;
}

MarkupLines PeriodicTestSummary(ConfigurationModel& model, const LanguageTexts& texts) {
    SummaryContext context{model, texts};
    MarkupLines lines{
        "/ac/sb/z4  " + context.text("TREEPERTEST"),
        "/d5",
        "/sb  " + PeriodicTimeCaption(context) + ": /sn" + PeriodText(context),
        "/d5/cn/ct",
    };
    AppendLines(lines, ReportTable(context, PeriodicReportSources(model)));
    if (model.TestMethods & MethodData)
        AppendLines(lines, DataParameterTable(context, model.TestEventCode));
    if (model.TestMethods & MethodSms)
        AppendLines(lines, SingleSmsTextTable(context, model.TestSmsText));
    return lines;
}

std::optional<MarkupLines> TestInformationSummary(ConfigurationModel& model,
                                                  const LanguageTexts& texts, int currentInput,
                                                  int currentOutput) {
    if (currentInput != currentOutput) return std::nullopt;
    if (currentOutput == 1) return GsmTestSummary(model, texts);
    if (currentOutput == 2) return PeriodicTestSummary(model, texts);
    return MarkupLines{};
}

} // namespace skarvion
