#include "summary/summary_generators.h"
#include "summary/summary_parts.h"
#include "summary/summary_tables.h"

namespace skarvion {

namespace {

Text startStateText(const SummaryContext& context, int state) {
    if (state == 0) return context.text("REP_OUTENVAL1");
    if (state == 1) return context.text("REP_OUTENVAL2");
    return Text();
}

Text outputTypeText(const SummaryContext& context, int output, int type, bool withSystemNote) {
    if (type < 0 || type > 3) return Text();
    Text text = context.text("REP_OUTTYPEVAL" + std::to_string(type + 1));
    if (withSystemNote && type == OutputSystem && output == 1)
        text += " (" + context.text("CP_DOPPARAM_WMVAL16") + ")";
    if (withSystemNote && type == OutputSystem && output == 2)
        text += " (" + context.text("CP_DOPPARAM_WMVAL9") + ")";
    return text;
}

Text phoneIndexOrNone(const SummaryContext& context, int reference, bool shown) {
    return shown && reference != 0 ? std::to_string(reference) : context.text("PRINF_Z_PHONENUM");
}

} // namespace

MarkupLines OutputStateLines(const SummaryContext& context, int output, bool withSystemNote) {
    const OutputRecord& out = context.model.output(output);
    return {
        "/sb  " + context.text("REP_CAPOUTENPAGE") + ":/sn " +
            startStateText(context, out.StartState),
        "/d7",
        "/sb  " + context.text("REP_CAPOUTTYPE") + ":/sn " +
            outputTypeText(context, output, out.OutputType, withSystemNote),
        "/d7",
        "/sb  " + context.text("REP_CAPOUTTIME") + "/sn: " + DelayText(out.PulseTime) + " " +
            context.text("LIST_TIME_VAL4"),
        "/d8",
    };
}

MarkupLines OutputTableLines(const SummaryContext& context, int output) {
    const OutputRecord& out = context.model.output(output);
    const Text control = phoneIndexOrNone(context, out.SmsControlPhone, true);
    const Text answer = phoneIndexOrNone(context, out.AnswerPhone, out.SmsControlPhone != 0);
    return {
        "/sb  " + context.text("REP_CAPOUTCPHON"),
        WideTableTop,
        "/i2/n4/p0/ic/i0/n2/p0/ie/pr/ix/i-/ix/i+/pr/ae" + context.text("REP_BASET_PHON1") +
            " /pr/i4/n1/p0/ix/i+/pr" + context.text("REP_BASET_PHON3") + "/ix/i-/pr",
        "/i2/n4/p0/ic/i0/n2/p0/ie/pk/pr/i+/pr/ae" + control + "/pr/i4/n1/p0/ix/pr/ae" +
            context.text("REP_BASET_PHON3_V1") + "/ix/i-/pr",
        "/i2/n4/p0/ic/i0/n2/p0/ie/pk/pa/i+/pa/ae" + answer + "/pa/i4/n1/p0/ix/pa/ae" +
            context.text("REP_BASET_PHON3_V2") + "/ix/i-/pa",
        WideTableBottom,
        "/sb  " + context.text("REP_CAPOUTSMSCN"),
        "/d9/i4/n0/p9/ic/i0/n2/p0/ie/pb",
        "/i2/n1/p0/ic/i0/n2/p0/ie/pr/i+/pr/ae" + context.text("REP_OUTSMSCNVAL1") +
            "/i4/n1/p0/ix/i-/pr" + context.text("REP_OUTSMSCNVAL2") + "/ix/i-/pr",
        "/i2/n1/p0/ic/i0/n2/p0/ie/pd/i+/pd/al " + out.OnText + "/i4/n1/p0/ix/pd " + out.OffText +
            "/ix/i-/pd",
        "/i2/n1/p0/ic/i0/n2/p0/ie/pa/i+/pk/al  /i4/n1/p0/ix/pa/sb /ix/i-/pa",
        "/d9/i4/n0/p9/ic/i0/n1/p9/ie/pt",
        "/sb  " + context.text("REP_CAPOUTSMSAN"),
        "/d9/i4/n0/p9/ic/i0/n2/p0/ie/pb",
        "/i2/n1/p5/ic/i0/n2/p0/ie/pr/i+/pr/ae" + context.text("REP_OUTSMSANVAL1") +
            "/i4/n1/p0/ix/pr" + context.text("REP_OUTSMSANVAL2") + "/ix/i-/pr",
        "/i2/n1/p5/ic/i0/n2/p0/ie/pd/i+/pd/al " + out.OnAnswerText + "/i4/n1/p0/ix/pd " +
            out.OffAnswerText + "/ix/i-/pd",
        "/i2/n1/p5/ic/i0/n2/p0/ie/pa/i+/pk/al  /i4/n1/p0/ix/pa  /ix/i-/pa",
        "/d9/i4/n1/p0/ic/i0/n1/p9/ie/pt",
    };
}

MarkupLines OutputSummary(ConfigurationModel& model, const LanguageTexts& texts, int output) {
    if (output < 1 || output > OutputCount) return {};
    const SummaryContext context{model, texts};
    MarkupLines lines{"/ac/sb/z4/cn/ct  " + context.text("TREEOUTPUT") + std::to_string(output),
                      "/d5"};
    AppendLines(lines, OutputStateLines(context, output, true));
    AppendLines(lines, OutputTableLines(context, output));
    return lines;
}

} // namespace skarvion
