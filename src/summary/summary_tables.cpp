#include "summary/summary_tables.h"

namespace skarvion {

namespace {

PlannedRows planRows(const std::vector<Text>& phones, const Text& none) {
    switch (phones.size()) {
    case 0:
        return {{RowPlace::None, none}};
    case 1:
        return {{RowPlace::Single, phones[0]}};
    default: {
        PlannedRows rows{{RowPlace::First, phones.front()}};
        for (std::size_t i = 1; i + 1 < phones.size(); ++i)
            rows.push_back({RowPlace::Middle, phones[i]});
        rows.push_back({RowPlace::Last, phones.back()});
        return rows;
    }
    }
}

// Rows of the four-column report table (Report | Method | Phone | Condition).
constexpr std::string_view SingleRow =
    "/i1/n0/p0/ic/i0/n2/p0/ie/pk/pr/i+/pr/ae{R}/i1/n7/p1/ix/pr/al {C} "
    "/i3/n6/p5/ix/pr{P}/pr/i4/n1/p0/ix/pr/ae /ix/i-/pr";
constexpr std::string_view FirstRow =
    "/i1/n0/p0/ic/i0/n2/p0/ie/pk/pd/i+/pd/ae{R}/i1/n7/p1/ix/pd/al {C} "
    "/i3/n6/p5/ix/pd{P}/pd/i4/n1/p0/ix/pd/ae /ix/i-/pd";
constexpr std::string_view MiddleRow =
    "/i1/n0/p0/ic/i0/n2/p0/ie/pk/pk/i+/pk/ae /i1/n7/p1/ix/pk/al  "
    "/i3/n6/p5/ix/pd{P}/pd/i4/n1/p0/ix/pk/ae /ix/i-/pk";
constexpr std::string_view LastRow = "/i1/n0/p0/ic/i0/n2/p0/ie/pk/pa/i+/pa/ae /i1/n7/p1/ix/pa/al  "
                                     "/i3/n6/p5/ix/pa{P}/pr/i4/n1/p0/ix/pa/ae /ix/i-/pa";

std::string_view rowPattern(RowPlace place, bool isClip) {
    switch (place) {
    case RowPlace::None:
        return isClip ? FirstRow : SingleRow;
    case RowPlace::Single:
        return SingleRow;
    case RowPlace::First:
        return FirstRow;
    case RowPlace::Middle:
        return MiddleRow;
    case RowPlace::Last:
        return LastRow;
    }
    return SingleRow;
}

void addGroup(SummaryContext& context, TaggedLines& lines, int& number, const Text& channel,
              const PlannedRows& rows) {
    const Text report = ReportName(context, ++number);
    const bool isClip = channel == "CLIP";
    for (const PlannedRow& row : rows)
        lines.push_back(
            {LineRole::Row, FillRow(rowPattern(row.place, isClip), report, channel, row.phone)});
}

Text codePart(const Text& code, std::size_t from, std::size_t length) {
    return from < code.size() ? code.substr(from, length) : Text();
}

} // namespace

Text FillRow(std::string_view pattern, const Text& report, const Text& channel, const Text& phone) {
    Text line;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '{' && i + 2 < pattern.size() && pattern[i + 2] == '}') {
            const char slot = pattern[i + 1];
            if (slot == 'R' || slot == 'C' || slot == 'P') {
                line += slot == 'R' ? report : slot == 'C' ? channel : phone;
                i += 2;
                continue;
            }
        }
        line += pattern[i];
    }
    return line;
}

PlannedRows PlanPhoneRows(SummaryContext& context, const PhoneTriple& references) {
    std::vector<Text> phones;
    for (PhoneRef* reference : references) {
        CleanPhoneReference(context.model, *reference);
        if (*reference != 0) phones.push_back(PhoneNumberText(context, *reference));
    }
    return planRows(phones, context.text("PRINF_Z_PHONENUM"));
}

PlannedRows PlanClipRows(SummaryContext& context, const ClipReferences& r) {
    for (PhoneRef* reference : {r.event1, r.restore1, r.event2, r.restore2})
        CleanPhoneReference(context.model, *reference);
    if (!*r.restore1Used) *r.restore1 = 0;
    if (!*r.restore2Used) *r.restore2 = 0;
    if (!*r.pair2Enabled) {
        *r.event2 = 0;
        *r.restore2 = 0;
        *r.restore2Used = 0;
    }
    const int count = (*r.event1 != 0) + (*r.restore1 != 0) + (*r.event2 != 0) + (*r.restore2 != 0);
    auto labelled = [&](const char* label, PhoneRef reference) {
        return label + PhoneNumberText(context, reference);
    };
    const bool hasRestore1 = *r.restore1 != 0;
    const bool hasEvent2 = *r.event2 != 0;
    switch (count) {
    case 0:
        return {{RowPlace::None, context.text("PRINF_Z_PHONENUM")}};
    case 1:
        return {{RowPlace::Single, labelled("Event=", *r.event1)}};
    case 2:
        return {{RowPlace::First, labelled("Event =", *r.event1)},
                {RowPlace::Last, hasRestore1 ? labelled("Restore=", *r.restore1)
                                             : labelled("Event2 =", *r.event2)}};
    case 3:
        return {{RowPlace::First, labelled("Event =", *r.event1)},
                {RowPlace::Middle,
                 hasRestore1 ? labelled("Restore =", *r.restore1) : labelled("Event2=", *r.event2)},
                {RowPlace::Last, hasRestore1 && hasEvent2 ? labelled("Event2=", *r.event2)
                                                          : labelled("Restore2=", *r.restore2)}};
    default:
        return {{RowPlace::First, labelled("Event =", *r.event1)},
                {RowPlace::Middle, labelled("Restore =", *r.restore1)},
                {RowPlace::Middle, labelled("Event2=", *r.event2)},
                {RowPlace::Last, labelled("Restore2=", *r.restore2)}};
    }
}

Text ReportName(const SummaryContext& context, int number) {
    return context.text("RER_REPVAL1") + " " + std::to_string(number);
}

TaggedLines ReportTable(SummaryContext& context, const ReportSources& sources) {
    TaggedLines lines{
        {LineRole::Caption, "/sb  " + context.text("REP_CAPOFREPTAB")},
        {LineRole::TopBorder, WideTableTop},
        {LineRole::Row, "/i1/n0/p0/ic/i0/n2/p0/ie/pr/ix/i-/ix/i+/pr/ae" +
                            context.text("REP_REPTAB1") + "/i1/n7/p0/ix/i+/pr" +
                            context.text("REP_REPTAB2") + " /i3/n6/p5/ix/i+/pr" +
                            context.text("REP_REPTAB3") + "/ix/i-/ix/pr/i4/n1/p0/ix/i+/pr" +
                            context.text("REP_REPTAB4") + "/ix/i-/pr"},
    };
    int number = 0;
    if (sources.methods & MethodData)
        addGroup(context, lines, number, "DATA", PlanPhoneRows(context, sources.data));
    if (sources.methods & MethodClip)
        addGroup(context, lines, number, "CLIP", PlanClipRows(context, sources.clip));
    if (sources.hasAlarm && (sources.methods & MethodAlarm))
        addGroup(context, lines, number, "ALARM", PlanPhoneRows(context, sources.alarm));
    if (sources.methods & MethodSms)
        addGroup(context, lines, number, "SMS", PlanPhoneRows(context, sources.sms));
    lines.push_back({LineRole::BottomBorder, WideTableBottom});
    return lines;
}

TaggedLines DataParameterTable(const SummaryContext& context, const Text& eventCode) {
    return DataParameterTable(context, codePart(eventCode, 0, 4), codePart(eventCode, 4, 3),
                              codePart(eventCode, 7, 3), codePart(eventCode, 10, 2));
}

TaggedLines DataParameterTable(const SummaryContext& context, const Text& objectNumber,
                               const Text& event, const Text& zone, const Text& partition) {
    auto valueRow = [&](const char* key, const Text& value) {
        return TaggedLine{LineRole::Row, "/i1/n5/p0/ic/i0/n2/p0/ie/pa/i+/pk/al  " +
                                             context.text(key) + "/i3/n6/p0/ix/pa/sb  " + value +
                                             "/ix/i-/pa"};
    };
    return {
        {LineRole::Caption, "/sb " + context.text("REP_CAPOFCIDTAB")},
        {LineRole::TopBorder, "/d9/i3/n5/p9/ic/i0/n2/p0/ie/pb"},
        {LineRole::Row, "/i1/n5/p0/ic/i0/n2/p0/ie/pr/i+/pr/ae" + context.text("REP_CIDTAB1") +
                            "/i3/n6/p0/ix/i-/pr" + context.text("REP_CIDTAB2") + "/ix/i-/pr"},
        {LineRole::Row, "/i1/n5/p0/ic/i0/n2/p0/ie/pr/i+/pr/al  " + context.text("REP_CIDVAL1") +
                            "/i3/n6/p0/ix/pr/sb  " + objectNumber + "/ix/i-/pr"},
        valueRow("REP_CIDVAL2", event),
        valueRow("REP_CIDVAL3", zone),
        valueRow("REP_CIDVAL4", partition),
        {LineRole::BottomBorder, "/d9/i3/n6/p0/ic/i0/n1/p9/ie/pt"},
    };
}

namespace {

TaggedLines smsTable(const SummaryContext& context, const Text& restoreCaption,
                     const Text& eventText, const Text& restoreText) {
    return {
        {LineRole::Caption, "/sb  " + context.text("REP_CAPINSMSTEXT")},
        {LineRole::TopBorder, WideTableTop},
        {LineRole::Row, "/i2/n0/p5/ic/i0/n2/p0/ie/pr/i+/pr/ae" + context.text("SMS_REP_EVEN") +
                            "/i4/n1/p0/ix/i-/pr" + restoreCaption + "/ix/i-/pr"},
        {LineRole::Row, "/i2/n0/p5/ic/i0/n2/p0/ie/pd/i+/pd/al " + eventText + "/i4/n1/p0/ix/pd " +
                            restoreText + "/ix/i-/pd"},
        {LineRole::ClosingRow, "/i2/n0/p5/ic/i0/n2/p0/ie/pa/i+/pa/al  /i4/n1/p0/ix/pa /ix/i-/pa"},
        {LineRole::BottomBorder, "/d9/i4/n1/p0/ic/i0/n1/p9/ie/pt"},
    };
}

} // namespace

TaggedLines SmsTextTable(const SummaryContext& context, const Text& eventText,
                         const Text& restoreText) {
    return smsTable(context, context.text("SMS_REP_REST"), eventText, restoreText);
}

TaggedLines SingleSmsTextTable(const SummaryContext& context, const Text& text) {
    return smsTable(context, Text(), text, Text());
}

} // namespace skarvion
