#pragma once

// The summaries of the settings tree: each turns the configuration model into
// the markup lines of one formatted list, with the visible words taken from
// the language texts. Lines are Windows-1251.
//
// Generators clean the model as they read it: phone references to empty
// phone-book entries become 0 (and CLIP restore references whose switch is
// off), and a zero periodic-test period becomes ten minutes. The window's
// page-update guard is the caller's business.

#include "summary/summary_context.h"

#include <optional>

namespace skarvion {

// Input 1..4; any other number gives no lines.
MarkupLines InputSummary(ConfigurationModel& model, const LanguageTexts& texts, int input);

// Output 1..3; any other number gives no lines.
MarkupLines OutputSummary(ConfigurationModel& model, const LanguageTexts& texts, int output);

MarkupLines GsmTestSummary(ConfigurationModel& model, const LanguageTexts& texts);
MarkupLines PeriodicTestSummary(ConfigurationModel& model, const LanguageTexts& texts);
MarkupLines TestReportsSummary(ConfigurationModel& model, const LanguageTexts& texts);
// The shared page of the GSM network test node (node numbers 1 and 1) and the
// periodic test node (2 and 2): nothing when the two numbers differ (the list
// stays as it is), the node's summary otherwise, and no lines for other nodes.
std::optional<MarkupLines> TestInformationSummary(ConfigurationModel& model,
                                                  const LanguageTexts& texts, int currentInput,
                                                  int currentOutput);

MarkupLines VoltageTestSummary(const ConfigurationModel& model, const LanguageTexts& texts);
MarkupLines PrintInfoSummary(const ConfigurationModel& model, const LanguageTexts& texts);

// The overview of the whole project shown on the settings root.
MarkupLines ProjectOverview(ConfigurationModel& model, const LanguageTexts& texts);

} // namespace skarvion
