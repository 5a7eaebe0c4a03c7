#include "summary/summary_generators.h"
#include "summary/summary_parts.h"
#include "summary/summary_tables.h"

namespace skarvion {

namespace {

// Colour prefix of a section whose test may be off: normal or grey.
const char* shadeOf(bool on) {
    return on ? "/cn" : "/cd";
}

void appendHeading(MarkupLines& lines, const SummaryContext& context) {
    lines.push_back("/nx/pm/ac/cb/z6/sb" + context.text("REP_ALL_CAP"));
    lines.push_back("/d3");
    lines.push_back("  /sb/z4 " + context.text("TREEPIN") + ": /cr" + context.model.PinCode);
    lines.push_back("/d3");
}

void appendWorkMode(MarkupLines& lines, const SummaryContext& context) {
    const ConfigurationModel& m = context.model;
    const Text caption = "  /sb/z4 " + context.text("TREEWORK_MODE") + ": /cg";
    if (m.OperatingMode == StandaloneMode) {
        lines.push_back(caption + context.text("CP_DOPPARAM_WMVAL1"));
        return;
    }
    auto timeLine = [&](const char* key, int tensOfSeconds) {
        return "/al/sb  " + context.text(key) + ":/sn " + std::to_string(tensOfSeconds) + "0 " +
               context.text("LIST_TIME_VAL4");
    };
    const Text siren = m.SirenTimeEnabled ? context.text("CP_DOPPARAM_WMVAL17") + "  -  /sb" +
                                                context.text("CP_DOPPARAM_WMVAL7") + "/sn " +
                                                std::to_string(m.SirenMinutes) + "  /sb" +
                                                context.text("CP_DOPPARAM_WMVAL8") + "/sn " +
                                                std::to_string(m.SirenSeconds)
                                          : context.text("CP_DOPPARAM_WMVAL18");
    lines.push_back(caption + context.text("CP_DOPPARAM_WMVAL2"));
    lines.push_back("/d9/i3/n6/p0/ic/i0/n1/p9/ie/pt");
    lines.push_back("/al/sb/z2/ch   " + context.text("CP_DOPPARAM_CAPT2"));
    lines.push_back("/d3");
    lines.push_back(timeLine("CP_DOPPARAM_WMVAL3", m.EntryTime));
    lines.push_back(timeLine("CP_DOPPARAM_WMVAL4", m.ExitTime));
    lines.push_back("/al/sb  " + context.text("CP_DOPPARAM_WMVAL9") + ":/sn " + siren);
}

void appendOutputs(MarkupLines& lines, const SummaryContext& context) {
    for (int output = 1; output <= OutputCount; ++output) {
        lines.push_back("/al/sb/z4/cm  " + context.text("TREEOUTPUT") + std::to_string(output));
        lines.push_back("/d5");
        AppendLines(lines, OutputStateLines(context, output, false));
    }
    // The phone and SMS tables are shown once, with the values of output 3.
    MarkupLines tables = OutputTableLines(context, OutputCount);
    constexpr std::size_t AnswerCaption = 12; // line 21 of the output summary
    constexpr std::size_t LastBorder = 17;    // line 26
    tables[AnswerCaption] += "/cn/ct";
    tables[LastBorder] += "/cn/ct";
    AppendLines(lines, tables);
}

void appendTestTable(MarkupLines& lines, const SummaryContext& context) {
    lines.push_back("/al/sb/z3/cn/ct/ch  " + context.text("REP_CAPTTESTBLCK"));
    lines.push_back("/d5");
    lines.push_back("/sb/z2  " + context.text("REP_CAPTESTTAB"));
    lines.push_back(WideTableTop);
    lines.push_back(TestTableHeader(context));
    lines.push_back(TestStateRow(context, "REP_TESTTABVAL3", context.model.GsmTestEnabled));
    lines.push_back(PeriodicStateRow(context));
    lines.push_back(WideTableBottom);
    lines.push_back("/d5");
}

void appendGsmTest(MarkupLines& lines, SummaryContext& context) {
    const Text shade = shadeOf(context.model.GsmTestEnabled);
    for (const GsmLine& line : GsmTestLines(context)) {
        switch (line.role) {
        case GsmLineRole::Title:
            lines.push_back("/al/sb/z2/cq  " + context.text("REP_TESTTABVAL3"));
            break;
        case GsmLineRole::MonitorSpacer:
            lines.push_back(line.text);
            break;
        case GsmLineRole::FirstSpacer:
        case GsmLineRole::SignalSpacer:
        case GsmLineRole::ReportBottom:
        case GsmLineRole::SmsBorder:
            lines.push_back(shade + "/ct" + line.text);
            break;
        case GsmLineRole::Other:
            lines.push_back(shade + line.text);
            break;
        }
    }
}

void appendPeriodicTest(MarkupLines& lines, SummaryContext& context) {
    ConfigurationModel& m = context.model;
    const bool on = m.TestEnabled != 0;
    const Text shade = shadeOf(on);
    const Text bold = on ? "/sb/cn  " : "/sb/cd  ";
    lines.push_back("/d5");
    lines.push_back("/al/sb/z2/cq  " + context.text("TREEPERTEST"));
    lines.push_back("/d5");
    lines.push_back(bold + context.text("REP_CAPPERTSTEN") + " : /sn" + OnOffText(context, on));
    lines.push_back("/d8");
    lines.push_back(bold + PeriodicTimeCaption(context) + ": /sn" + PeriodText(context) +
                    (on ? "/cn/ct" : ""));
    lines.push_back("/d7");
    lines.push_back(on ? "/d5/cn/ct" : "/d5");
    lines.push_back((on ? "/sb  " : "/cd/sb  ") + context.text("REP_CAPOFREPTAB"));
    for (const TaggedLine& line : ReportTable(context, PeriodicReportSources(m))) {
        if (line.role == LineRole::Row)
            lines.push_back(shade + line.text);
        else if (line.role != LineRole::Caption)
            lines.push_back(line.text);
    }
    if (m.TestMethods & MethodData) {
        for (const TaggedLine& line : DataParameterTable(context, m.TestEventCode))
            lines.push_back(line.role == LineRole::Caption
                                ? shade + "/ck/sb " + context.text("REP_CAPOFCIDTAB")
                                : shade + line.text);
    }
    if (m.TestMethods & MethodSms) {
        for (const TaggedLine& line : SingleSmsTextTable(context, m.TestSmsText))
            lines.push_back(line.role == LineRole::Caption
                                ? shade + "/ck/sb  " + context.text("REP_CAPINSMSTEXT")
                                : shade + line.text);
    }
}

// The panel's phones are shown as stored, without cleaning.
Text panelPhone(const SummaryContext& context, int reference, bool used) {
    return used ? PhoneNumberText(context, reference) : context.text("PRINF_Z_PHONENUM");
}

void appendExternalPanel(MarkupLines& lines, const SummaryContext& context) {
    const ConfigurationModel& m = context.model;
    const Text phoneLabel = "/sb  " + context.text("SMS_REP_PHON");
    lines.push_back("/d5");
    lines.push_back(WideTableBottom);
    lines.push_back("/al/sb/z2/cg  " + context.text("TREEREPCROWAD"));
    lines.push_back("/d5/cn/ct");
    lines.push_back(phoneLabel + " #1 : /sn" + panelPhone(context, m.CrowPhone1, true));
    lines.push_back("/d5");
    lines.push_back(phoneLabel + " #2 : /sn" + panelPhone(context, m.CrowPhone2, m.CrowPhone2Used));
    lines.push_back("/d5");
    lines.push_back(phoneLabel + " #3 : /sn" + panelPhone(context, m.CrowPhone3, m.CrowPhone3Used));
    if (m.CrowPhone2Used || m.CrowPhone3Used) {
        lines.push_back("/d5");
        lines.push_back("/sb  " + context.text("LblCondition") + context.text("LblCondition2") +
                        " : " + context.text(m.CrowCondition ? "LblOr" : "LblAnd"));
    }
    for (const TaggedLine& line :
         DataParameterTable(context, m.CrowAccount, "* * *", "* * *", "* *")) {
        if (line.role == LineRole::Row)
            lines.push_back("/cn" + line.text);
        else if (line.role != LineRole::Caption)
            lines.push_back(line.text);
    }
}

} // namespace

MarkupLines ProjectOverview(ConfigurationModel& model, const LanguageTexts& texts) {
    SummaryContext context{model, texts};
    MarkupLines lines;
    appendHeading(lines, context);
    appendWorkMode(lines, context);
    lines.push_back("/d3");
    lines.push_back("/d9/i3/n6/p0/ic/i0/n1/p9/ie/pt");
    for (int input = 1; input <= 4; ++input)
        AppendLines(lines, InputSummaryLines(context, input, SummaryForm::Overview));
    AppendLines(lines, MarkupLines{" ", "/d9/i3/n6/p0/ix/i0/n1/p9/ie/pb", " "});
    appendOutputs(lines, context);
    AppendLines(lines, MarkupLines{"/cn/ct ", "/d9/i3/n6/p0/ix/i0/n1/p9/ie/pb", "/cn/ct "});
    appendTestTable(lines, context);
    appendGsmTest(lines, context);
    appendPeriodicTest(lines, context);
    appendExternalPanel(lines, context);
    return lines;
}

} // namespace skarvion
