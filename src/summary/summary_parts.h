#pragma once

// Pieces of the single-page summaries that the project overview reuses with
// small changes.

#include "summary/summary_context.h"
#include "summary/summary_tables.h"

namespace skarvion {

enum class SummaryForm { Page, Overview };

// The input summary; in the overview form with its left-aligned title, the
// arming line for input 1 in control-panel mode and a closing spacer.
MarkupLines InputSummaryLines(SummaryContext& context, int input, SummaryForm form);

// Lines 3..8 of the output summary (state, type, time with their spacers).
MarkupLines OutputStateLines(const SummaryContext& context, int output, bool withSystemNote);
// Lines 9..26 of the output summary (phones, control SMS, answer SMS).
MarkupLines OutputTableLines(const SummaryContext& context, int output);

// Roles of the GSM network test summary lines the overview restyles.
enum class GsmLineRole {
    Title,
    FirstSpacer,
    MonitorSpacer,
    SignalSpacer,
    ReportBottom,
    SmsBorder, // the SMS table's borders and closing row
    Other,
};

struct GsmLine {
    GsmLineRole role = GsmLineRole::Other;
    Text text;
};

std::vector<GsmLine> GsmTestLines(SummaryContext& context);

// The table of test states: its header, a test's row, and the periodic test's
// closing row.
Text TestTableHeader(const SummaryContext& context);
Text TestStateRow(const SummaryContext& context, const char* captionKey, bool on);
Text PeriodicStateRow(const SummaryContext& context);

// The channels of the periodic test's report table.
ReportSources PeriodicReportSources(ConfigurationModel& model);

} // namespace skarvion
