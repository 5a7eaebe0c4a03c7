#pragma once

// What every harness shares: a way to measure markup text without a screen,
// the check that a fuzz finding is a real fault (an abort the fuzzer keeps),
// and the walk over everything a loaded configuration feeds.

#include "model/configuration_model.h"
#include "summary/markup_layout.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace skarvion::fuzz {

// Half the point size per character (at least one pixel), height size + 6;
// sizes are clamped as the real font metrics clamp them.
class FuzzMetrics final : public MarkupMetrics {
  public:
    int textWidth(std::string_view text, const MarkupFont& font) const override;
    int textHeight(const MarkupFont& font) const override;
};

// Stops the run with `what` on standard error when `condition` is false.
void Require(bool condition, const char* what);

// The model as a device write and read would leave it: encoded, then decoded
// over the startup model.
ConfigurationModel ThroughImage(const ConfigurationModel& model);

// Stops the run when the models differ, naming the fields that do.
void RequireSameModel(const ConfigurationModel& a, const ConfigurationModel& b, const char* what);

// Lays out markup lines one after the other, as the formatted list paints
// them, and checks the drawing stays sane.
void LayoutLines(const std::vector<std::string>& lines);

// Everything that reads a configuration once it is loaded: the encoder, the
// JSON export, the field list,
// every summary as markup and as plain text. A model read
// from a device may hold values the JSON import refuses; when the import
// takes the export, it must give the same model.
void ExerciseModel(const ConfigurationModel& model);

// The fuzz input as a string view.
inline std::string_view Bytes(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

} // namespace skarvion::fuzz
