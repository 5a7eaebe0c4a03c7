#pragma once

// The summaries by name, as the command line asks for them, and their text
// for a terminal.

#include "summary/summary_context.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace skarvion {

// info, input1..input4, output1..output3, tests, gsm, periodic, voltage, printinfo.
const std::vector<std::string>& SummarySectionNames();

// The error text for a name that is not a section; nothing for a good one.
std::optional<std::string> CheckSummarySection(std::string_view name);

// The markup lines of one summary, built from a copy of the model so that the
// cleaning a summary does leaves the caller's model alone. Empty for an
// unknown name.
std::optional<MarkupLines> SummarySectionLines(std::string_view name,
                                               const ConfigurationModel& model,
                                               const LanguageTexts& texts);

struct SummaryTextResult {
    bool ok = false;
    std::string error;              // what went wrong, when not ok
    std::vector<std::string> lines; // UTF-8
};

// The text of the `summary` command: one summary (`section`) or all of them
// in tree order, each introduced by "[name]". With `markup` the lines are
// given exactly as the formatted list receives them, otherwise as plain text.
SummaryTextResult SummaryText(const ConfigurationModel& model, const LanguageTexts& texts,
                              std::optional<std::string_view> section, bool markup);

} // namespace skarvion
