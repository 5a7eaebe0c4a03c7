#pragma once

// What the input page's two boxes mean for the model: switching an input on
// and off, and the box that links an input to output 2 (delivery
// confirmation in standalone mode, the siren in control-panel mode).

#include "model/configuration_model.h"

#include <string_view>

namespace skarvion {

struct LinkBoxState {
    bool enabled = false;
    bool checked = false;
    std::string_view captionKey; // language key of the box's caption

    bool operator==(const LinkBoxState&) const = default;
};

// The box for input 1..4.
LinkBoxState InputLinkBoxState(const ConfigurationModel& model, int input);

// Switching an input off also drops its report channels.
void SetInputEnabled(ConfigurationModel& model, int input, bool enabled);

// The box was ticked or cleared: in control-panel mode the input's own link;
// in standalone mode the input whose reports output 2 confirms, which makes
// output 2 a system output.
void SetInputLinkBox(ConfigurationModel& model, int input, bool checked);

} // namespace skarvion
