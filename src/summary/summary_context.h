#pragma once

// What every summary generator works with: the model it reads (and cleans),
// the language texts, and the small rules all summaries share.

#include "locale/language_texts.h"
#include "model/configuration_model.h"

#include <string>
#include <string_view>
#include <vector>

namespace skarvion {

using MarkupLines = std::vector<Text>;

struct SummaryContext {
    ConfigurationModel& model;
    const LanguageTexts& texts;

    const Text& text(std::string_view key) const { return texts.text(key); }
};

// The role a line plays in a block, so that a summary which embeds the block
// can prefix or recolour some of its lines.
enum class LineRole {
    Plain,
    Caption,
    TopBorder,
    BottomBorder,
    Row,        // a header or data row of a table
    ClosingRow, // the empty row that closes an SMS text table
};

struct TaggedLine {
    LineRole role = LineRole::Plain;
    Text text;
};

using TaggedLines = std::vector<TaggedLine>;

void AppendLines(MarkupLines& lines, const TaggedLines& tagged);
void AppendLines(MarkupLines& lines, const MarkupLines& more);

// A half-second count as seconds with one decimal: 25 gives "12,5".
Text DelayText(int halfSeconds);

// `format` with its first "%s" replaced by `value`.
Text FillFormat(const Text& format, const Text& value);

// "  /sb  " + label + "/sn" + value + rest + "/sn": the label of `format` up to
// its "%s" bold, the value and the rest normal.
Text DelayLine(const Text& format, const Text& value);
// The lockout form of the GSM network test: "  /sb  " + label + "/sn " + value + rest + " /sn".
Text LockoutLine(const Text& format, const Text& value);

// The entry a phone reference points at, or null for 0 and anything past 40.
const PhoneEntry* PhoneOf(const ConfigurationModel& model, int reference);

// Sets a reference that points at no usable entry (empty, or outside the book) to 0.
void CleanPhoneReference(const ConfigurationModel& model, PhoneRef& reference);

// A phone by its number; the none text for a missing reference.
Text PhoneNumberText(const SummaryContext& context, int reference);

// As PhoneNumberText, but an empty entry also shows the none text.
Text UsablePhoneNumberText(const SummaryContext& context, int reference);

// "включен" or "выключен".
const Text& OnOffText(const SummaryContext& context, bool on);

// The period of the periodic test (days, hours, tens of minutes). A period of
// zero becomes ten minutes, in the model too.
Text PeriodText(SummaryContext& context);

// The `TREETIME` caption of the periodic test.
Text PeriodicTimeCaption(const SummaryContext& context);

} // namespace skarvion
