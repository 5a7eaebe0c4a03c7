#pragma once

// What the output mode page offers: a system output (output 1's indicator
// lamp, output 2's siren or delivery confirmation) is set elsewhere and
// cannot be changed on the page; output 3 has no system mode.

#include "model/configuration_model.h"

#include <array>
#include <string_view>

namespace skarvion {

struct OutputModeView {
    std::array<bool, 4> visible{};     // RButtonType1..RButtonType4
    int checked = -1;                  // index of the checked button, -1 for none
    std::string_view systemCaptionKey; // caption of RButtonType4

    bool operator==(const OutputModeView&) const = default;
};

OutputModeView OutputModeButtons(const ConfigurationModel& model, int output);

} // namespace skarvion
