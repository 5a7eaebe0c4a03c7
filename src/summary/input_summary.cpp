#include "summary/summary_generators.h"
#include "summary/summary_parts.h"
#include "summary/summary_tables.h"

#include "summary/markup_text.h"

namespace skarvion {

namespace {

Text signalLine(const SummaryContext& context, int signalType) {
    if (signalType < 0 || signalType > 4)
        return "  " + context.text("REP_SIGNAL") + context.text("REP_SIGNAL1");
    return "/sb  " + context.text("REP_SIGNAL") + " /sn" +
           context.text("REP_SIGNAL" + std::to_string(signalType + 1));
}

ReportSources inputReportSources(InputRecord& in) {
    ReportSources sources;
    sources.methods = in.ReportMethods;
    sources.data = {&in.DataPhone1, &in.DataPhone2, &in.DataPhone3};
    sources.clip = {&in.ClipPhone1, &in.ClipPhone2,     &in.ClipPhone2Used, &in.ClipPhone3,
                    &in.ClipPhone4, &in.ClipPhone4Used, &in.Clip2Enabled};
    sources.hasAlarm = true;
    sources.alarm = {&in.AlarmPhones[0], &in.AlarmPhones[1], &in.AlarmPhones[2]};
    sources.sms = {&in.SmsPhones[0], &in.SmsPhones[1], &in.SmsPhones[2]};
    return sources;
}

const char* const ZoneTypeKeys[] = {"CP_DOPPARAM_WMVAL10", "CP_DOPPARAM_WMVAL11",
                                    "CP_DOPPARAM_WMVAL12", "CP_DOPPARAM_WMVAL13"};

Text zoneTypeLine(const SummaryContext& context, const Text& zoneText) {
    return "/al/sb      " + context.text("CP_DOPPARAM_WMVAL6") + ":/sn  " +
           EscapeMarkupText(zoneText);
}

void appendAdditionalParameters(MarkupLines& lines, const SummaryContext& context, int input,
                                SummaryForm form) {
    const InputRecord& in = context.model.input(input);
    lines.push_back("/d9");
    lines.push_back("/al/sb   " + context.text("CP_DOPPARAM_CAPT"));
    if (form == SummaryForm::Overview && input == 1) {
        lines.push_back(zoneTypeLine(context, context.text("CP_DOPPARAM_WMVAL14")));
        return;
    }
    const Text zone = in.ZoneType <= 3 ? context.text(ZoneTypeKeys[in.ZoneType]) : Text();
    lines.push_back(zoneTypeLine(context, zone));
    lines.push_back("/al/sb      " + context.text("CP_DOPPARAM_WMVAL15") + "/sn  " +
                    std::to_string(in.SwingerCount));
}

} // namespace

MarkupLines InputSummaryLines(SummaryContext& context, int input, SummaryForm form) {
    if (input < 1 || input > 4) return {};
    InputRecord& in = context.model.input(input);
    const Text title = context.text("TREEINPUT") + std::to_string(input);
    MarkupLines lines;
    if (form == SummaryForm::Page) {
        lines.push_back("/ac/sb/z4/cn/ct" + title);
        lines.push_back("/d5");
    } else {
        lines.push_back("/al/sb/ch/z4  " + title);
        lines.push_back("/d5/cn/ct");
    }
    lines.push_back(signalLine(context, in.SignalType));
    lines.push_back("/d9");
    lines.push_back("/sb  " + context.text("REP_TIME"));
    lines.push_back(DelayLine(context.text("REP_TRESPONCE"), DelayText(in.ReactionTime)));
    lines.push_back(DelayLine(context.text("REP_TRESTORE"), DelayText(in.RestoreTime)));
    lines.push_back(DelayLine(context.text("REP_TLOCKOUT"), DelayText(in.LockoutTime)));
    lines.push_back("/d8");
    AppendLines(lines, ReportTable(context, inputReportSources(in)));
    if (in.ReportMethods & MethodData)
        AppendLines(lines, DataParameterTable(context, in.EventCode));
    if (in.ReportMethods & MethodSms)
        AppendLines(lines, SmsTextTable(context, in.AlarmText, in.RestoreText));
    if (context.model.OperatingMode == ControlPanelMode)
        appendAdditionalParameters(lines, context, input, form);
    if (form == SummaryForm::Overview) lines.push_back("/d9");
    return lines;
}

MarkupLines InputSummary(ConfigurationModel& model, const LanguageTexts& texts, int input) {
    SummaryContext context{model, texts};
    return InputSummaryLines(context, input, SummaryForm::Page);
}

} // namespace skarvion
