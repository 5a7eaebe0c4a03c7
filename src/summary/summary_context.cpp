#include "summary/summary_context.h"

namespace skarvion {

void AppendLines(MarkupLines& lines, const TaggedLines& tagged) {
    for (const TaggedLine& line : tagged)
        lines.push_back(line.text);
}

void AppendLines(MarkupLines& lines, const MarkupLines& more) {
    lines.insert(lines.end(), more.begin(), more.end());
}

Text DelayText(int halfSeconds) {
    return std::to_string(halfSeconds / 2) + "," + (halfSeconds % 2 != 0 ? "5" : "0");
}

Text FillFormat(const Text& format, const Text& value) {
    const std::size_t at = format.find("%s");
    if (at == Text::npos) return format;
    return format.substr(0, at) + value + format.substr(at + 2);
}

Text DelayLine(const Text& format, const Text& value) {
    return "  /sb  " + FillFormat(format, "/sn" + value) + "/sn";
}

Text LockoutLine(const Text& format, const Text& value) {
    return "  /sb  " + FillFormat(format, "/sn " + value) + " /sn";
}

const PhoneEntry* PhoneOf(const ConfigurationModel& model, int reference) {
    if (reference < 1 || reference > PhoneBookSize) return nullptr;
    return &model.phone(reference);
}

void CleanPhoneReference(const ConfigurationModel& model, PhoneRef& reference) {
    const PhoneEntry* entry = PhoneOf(model, reference);
    if (entry == nullptr || entry->Empty) reference = 0;
}

Text PhoneNumberText(const SummaryContext& context, int reference) {
    const PhoneEntry* entry = PhoneOf(context.model, reference);
    return entry ? entry->Number : context.text("PRINF_Z_PHONENUM");
}

Text UsablePhoneNumberText(const SummaryContext& context, int reference) {
    const PhoneEntry* entry = PhoneOf(context.model, reference);
    return entry && !entry->Empty ? entry->Number : context.text("PRINF_Z_PHONENUM");
}

const Text& OnOffText(const SummaryContext& context, bool on) {
    return context.text(on ? "REP_BASEIN_VAL1" : "REP_BASEIN_VAL2");
}

Text PeriodText(SummaryContext& context) {
    ConfigurationModel& m = context.model;
    if (m.TestDays == 0 && m.TestHours == 0 && m.TestMinutes == 0) {
        m.TestMinutes = 1;
        return "10 " + context.text("REP_PRTSMIN");
    }
    const int days = m.TestDays;
    const int hours = m.TestHours;
    const Text day =
        context.text("REP_PRTSDAY" + std::to_string(days >= 1 && days <= 30 ? days : 0));
    const Text hour = hours <= 23 ? context.text("REP_PRTSHOUR" + std::to_string(hours)) : Text();
    const Text minutes = std::to_string(m.TestMinutes) + "0 " + context.text("REP_PRTSMIN");

    // The parts present, blank-separated; days and hours without minutes keep a trailing blank.
    Text period;
    bool first = true;
    auto add = [&](const Text& part) {
        period += (first ? "" : " ") + part;
        first = false;
    };
    if (days != 0) add(day);
    if (hours != 0) add(hour);
    if (m.TestMinutes != 0) add(minutes);
    if (days != 0 && hours != 0 && m.TestMinutes == 0) period += " ";
    return period;
}

Text PeriodicTimeCaption(const SummaryContext& context) {
    return FillFormat(context.text("TREETIME"), context.text("CAPTIONPAGESMSTEXTEx2"));
}

} // namespace skarvion
