#pragma once

// The tables summaries share: the report table with its channel rows, the
// DATA parameter table and the SMS text table.

#include "summary/summary_context.h"

#include <array>
#include <string_view>

namespace skarvion {

// Where a row stands in its channel's group; None is the single row of a
// channel without a phone.
enum class RowPlace { None, Single, First, Middle, Last };

struct PlannedRow {
    RowPlace place = RowPlace::None;
    Text phone; // the phone cell: a number, a labelled CLIP number or the none text
};

using PlannedRows = std::vector<PlannedRow>;

// A channel with three phone references, in order.
using PhoneTriple = std::array<PhoneRef*, 3>;

// The four references of a CLIP channel with their switches.
struct ClipReferences {
    PhoneRef* event1;
    PhoneRef* restore1;
    Flag* restore1Used;
    PhoneRef* event2;
    PhoneRef* restore2;
    Flag* restore2Used;
    Flag* pair2Enabled;
};

// Cleans the references and lays out one row per phone set.
PlannedRows PlanPhoneRows(SummaryContext& context, const PhoneTriple& references);
PlannedRows PlanClipRows(SummaryContext& context, const ClipReferences& references);

// Where a report table takes its channels from. `alarm` is absent for tests.
struct ReportSources {
    Byte methods = 0;
    PhoneTriple data{};
    ClipReferences clip{};
    bool hasAlarm = false;
    PhoneTriple alarm{};
    PhoneTriple sms{};
};

// "Отчет" + " " + the group number.
Text ReportName(const SummaryContext& context, int number);

// Caption, borders, header and the channel groups DATA, CLIP, ALARM, SMS.
TaggedLines ReportTable(SummaryContext& context, const ReportSources& sources);

// Caption, borders and the rows of the four Contact ID parameters.
TaggedLines DataParameterTable(const SummaryContext& context, const Text& eventCode);
TaggedLines DataParameterTable(const SummaryContext& context, const Text& objectNumber,
                               const Text& event, const Text& zone, const Text& partition);

// The SMS text table with the event and restore texts.
TaggedLines SmsTextTable(const SummaryContext& context, const Text& eventText,
                         const Text& restoreText);
// The single-text form used by the tests.
TaggedLines SingleSmsTextTable(const SummaryContext& context, const Text& text);

// Fills "{R}", "{C}" and "{P}" of a row pattern; the values are not scanned.
Text FillRow(std::string_view pattern, const Text& report, const Text& channel, const Text& phone);

// Borders of the tables that span 20..410.
inline constexpr const char* WideTableTop = "/d9/i4/n1/p0/ic/i0/n2/p0/ie/pb";
inline constexpr const char* WideTableBottom = "/d9/i4/n1/p0/ic/i0/n2/p0/ie/pt";

} // namespace skarvion
