#pragma once

// The values of the printed report's bracketed variables: each a plain
// function of the model, the language texts and the current record of the
// band being printed.

#include "locale/language_texts.h"
#include "model/configuration_model.h"

#include <string_view>

namespace skarvion {

// What the report reads.
struct ReportSource {
    const ConfigurationModel& model;
    const LanguageTexts& texts;
    // The type text of the device model selected in the preferences
    // (Windows-1251); the caption names the product itself when it is empty.
    Text deviceType;
};

// Rows of the report's repeated tables.
inline constexpr int ReportInputRows = 4;
inline constexpr int ReportPhoneRows = 9;

// The value of variable `name` (letter case ignored) for the 0-based record
// `record` of its band; empty for a name the report does not know. Texts are
// Windows-1251; a carriage return separates lines.
Text ReportVariable(const ReportSource& source, std::string_view name, int record = 0);

} // namespace skarvion
