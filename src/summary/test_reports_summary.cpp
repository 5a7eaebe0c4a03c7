#include "summary/summary_generators.h"
#include "summary/summary_parts.h"
#include "summary/summary_tables.h"

namespace skarvion {

namespace {

// Line styles of a section whose test may be switched off (grey).
struct Shade {
    bool on;

    const char* bold() const { return on ? "/sb/cn  " : "/sb/cd  "; }
    const char* plain() const { return on ? "/cn  " : "/cd  "; }
    const char* row() const { return on ? "" : "/cd"; }
    const char* colour() const { return on ? "/cn" : "/cd"; }
};

// A delay line of the GSM network test without its two leading blanks.
Text withoutIndent(const Text& line) {
    return line.substr(2);
}

void appendTestTable(MarkupLines& lines, const SummaryContext& context) {
    const ConfigurationModel& m = context.model;
    lines.push_back("/ac/sb/z4/cn/ct  " + context.text("REP_CAPTTESTBLCK"));
    lines.push_back("/d5");
    lines.push_back("/sb/z2  " + context.text("REP_CAPTESTTAB"));
    lines.push_back(WideTableTop);
    lines.push_back(TestTableHeader(context));
    lines.push_back(TestStateRow(context, "TREEVOLTAGETST", m.DcTestEnabled));
    lines.push_back(TestStateRow(context, "REP_TESTTABVAL3", m.GsmTestEnabled));
    lines.push_back(PeriodicStateRow(context));
    lines.push_back(WideTableBottom);
}

void appendGsmSection(MarkupLines& lines, const SummaryContext& context) {
    const ConfigurationModel& m = context.model;
    const Shade shade{m.GsmTestEnabled != 0};
    const Text row = shade.row();
    const int level = m.GsmSignalLevel >= 1 && m.GsmSignalLevel <= 4 ? m.GsmSignalLevel : 1;
    lines.push_back("/d5");
    lines.push_back("/al/sb/z2/ch  " + context.text("REP_TESTTABVAL3"));
    lines.push_back("/d5");
    lines.push_back(shade.bold() + context.text("REP_CAPTGSMMEN") + " : /sn" +
                    OnOffText(context, shade.on));
    lines.push_back("/d5");
    lines.push_back(shade.bold() + context.text("REP_CAPTGSMSIGN") + ": /sn" +
                    context.text("REP_GSMSIGNVAL" + std::to_string(level)));
    lines.push_back("/d9");
    lines.push_back(shade.bold() + context.text("REP_TIME"));
    lines.push_back(shade.plain() + withoutIndent(DelayLine(context.text("REP_TRESPONCE"),
                                                            std::to_string(m.GsmLowTime * 10))));
    lines.push_back(shade.plain() +
                    withoutIndent(LockoutLine(context.text("REP_TLOCKOUT"),
                                              std::to_string(m.GsmNormalTime * 10))));
    lines.push_back("/d9");
    lines.push_back(shade.bold() + context.text("REP_CAPTSMSPHON") + " /sn" +
                    UsablePhoneNumberText(context, m.GsmSmsPhone1));
    lines.push_back("/d9");
    lines.push_back(shade.bold() + context.text("REP_CAPINSMSTEXT") + (shade.on ? "" : "/ck/ct/"));
    lines.push_back(row + WideTableTop);
    lines.push_back(row + "/i2/n1/p5/ic/i0/n2/p0/ie/pr/i+/pr/ae" + context.text("SMS_REP_EVEN") +
                    "/i4/n1/p0/ix/i-/pr" + context.text("SMS_REP_REST") + "/ix/i-/pr");
    lines.push_back(row + "/i2/n1/p5/ic/i0/n2/p0/ie/pd/i+/pd/al " + m.GsmSmsText +
                    "/i4/n1/p0/ix/pd " + m.GsmRestoreText + "/ix/i-/pd");
    lines.push_back(row + "/i2/n1/p5/ic/i0/n2/p0/ie/pa/i+/pa/al  /i4/n1/p0/ix/pa /ix/i-/pa");
    lines.push_back(row + "/d9/i4/n1/p0/ic/i0/n1/p9/ie/pt");
    lines.push_back(shade.bold() + context.text("REP_CAPRESSMSUSE") + " /sn" +
                    context.text(m.GsmNoRestore ? "REP_RESSMSUSE_V1" : "REP_RESSMSUSE_V2"));
}

// One channel row of the periodic test: its first phone only.
Text periodicRow(const Shade& shade, const char* cells, const Text& phone) {
    return shade.row() + Text(cells) + phone + " /pa/i4/n1/p0/ix/pa/ae /ix/i-/pa";
}

void appendPeriodicSection(MarkupLines& lines, SummaryContext& context) {
    ConfigurationModel& m = context.model;
    const Shade shade{m.TestEnabled != 0};
    const Text row = shade.row();
    lines.push_back("/d5");
    lines.push_back("/al/sb/z2/ch  " + context.text("TREEPERTEST"));
    lines.push_back("/d5");
    lines.push_back(shade.bold() + context.text("REP_CAPPERTSTEN") + " : /sn" +
                    OnOffText(context, shade.on));
    lines.push_back("/d8");
    lines.push_back(shade.bold() + PeriodicTimeCaption(context) + ": /sn" + PeriodText(context) +
                    (shade.on ? "/cn/ct" : ""));
    lines.push_back("/d7");
    lines.push_back(shade.bold() + context.text("REP_CAPOFREPTAB") + (shade.on ? "" : "/ck/ct/"));
    lines.push_back(WideTableTop);
    lines.push_back(Text(shade.colour()) + "/i1/n4/p0/ic/i0/n2/p0/ie/pd/pa/i+/pa/ae" +
                    context.text("REP_REPTAB2") + "/i4/n1/p0/ix/pd" + context.text("REP_REPTAB3") +
                    "/pa/i4/n1/p0/ix/pa/ae /ix/i-/pa");
    if (m.TestMethods & MethodClip) {
        const char* cells =
            shade.on ? "/i1/n4/p0/ic/i0/n2/p0/ie/pk/pk/i+/pk/aeCLIP/i4/n1/p0/ix/pa    EVENT = "
                     : "/i1/n4/p0/ic/i0/n2/p0/ie/pk/pa/i+/pa/aeCLIP/i4/n1/p0/ix/pa    EVENT = ";
        lines.push_back(
            periodicRow(shade, cells, UsablePhoneNumberText(context, m.TestClipPhone1)));
        lines.push_back(WideTableBottom);
    }
    if (m.TestMethods & MethodData) {
        lines.push_back(periodicRow(shade,
                                    "/i1/n4/p0/ic/i0/n2/p0/ie/pk/pa/i+/pa/ae DATA /i4/n1/p0/ix/pa",
                                    UsablePhoneNumberText(context, m.TestDataPhone1)));
        lines.push_back(WideTableBottom);
        for (const TaggedLine& line : DataParameterTable(context, m.TestEventCode)) {
            if (line.role == LineRole::Caption)
                lines.push_back(row + "/sb " + context.text("REP_CAPOFCIDTAB"));
            else
                lines.push_back(line.role == LineRole::Row ? row + line.text : line.text);
        }
    }
    if (m.TestMethods & MethodSms) {
        lines.push_back(periodicRow(shade,
                                    "/i1/n4/p0/ic/i0/n2/p0/ie/pk/pa/i+/pa/ae SMS /i4/n1/p0/ix/pa",
                                    UsablePhoneNumberText(context, m.TestSmsPhones[0])));
        lines.push_back(WideTableBottom);
        lines.push_back((shade.on ? "/sb  " : "/sb/cd  ") + context.text("REP_CAPINSMSTEXT"));
        lines.push_back(WideTableTop);
        lines.push_back(row + "/i4/n1/p0/ic/i0/n2/p0/ie/pr/i+/pr/ae" +
                        context.text("SMS_REP_EVEN") + "/ix/i-/pr");
        lines.push_back(row + "/i4/n1/p0/ic/i0/n2/p0/ie/pd/i+/pd/al " + m.TestSmsText +
                        "/ix/i-/pd");
        lines.push_back(row + "/i4/n1/p0/ic/i0/n2/p0/ie/pa/i+/pa/al   /ix/i-/pa");
        lines.push_back("/d9/i4/n1/p0/ic/i0/n1/p9/ie/pt");
    }
}

} // namespace

Text TestTableHeader(const SummaryContext& context) {
    return "/i2/n4/p0/ic/i0/n2/p0/ie/pr/i+/ix/ix/pr/ae" + context.text("REP_TESTTABVAL1") +
           "/i4/n1/p0/pr" + context.text("REP_TESTTABVAL2") + "/i-/pr";
}

Text TestStateRow(const SummaryContext& context, const char* captionKey, bool on) {
    return "/i2/n4/p0/ic/i0/n2/p0/ie/pk/pr/i+/pr/al     " + context.text(captionKey) +
           "/pr/i4/n1/p0/ix/pr/ae/sn" + OnOffText(context, on) + "/ix/i-/pr";
}

Text PeriodicStateRow(const SummaryContext& context) {
    return "/i2/n4/p0/ic/i0/n2/p0/ie/pk/pa/i+/pa/al     " + context.text("TREEPERTEST") +
           "/pa/i4/n1/p0/ix/pa/ae/sn" + OnOffText(context, context.model.TestEnabled) + "/ix/i-/pa";
}

MarkupLines TestReportsSummary(ConfigurationModel& model, const LanguageTexts& texts) {
    SummaryContext context{model, texts};
    MarkupLines lines;
    appendTestTable(lines, context);
    appendGsmSection(lines, context);
    appendPeriodicSection(lines, context);
    return lines;
}

} // namespace skarvion
