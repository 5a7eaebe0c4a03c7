#include "editor/input_rules.h"

namespace skarvion {

namespace {

constexpr int ConfirmingOutput = 2;
constexpr int LastLinkableInput = 3;

bool physicalInput(int input) {
    return input >= 1 && input <= 4;
}

} // namespace

LinkBoxState InputLinkBoxState(const ConfigurationModel& model, int input) {
    if (!physicalInput(input)) return {};
    if (model.OperatingMode == ControlPanelMode)
        return {true, model.input(input).OutputLink != 0, "CP_DOPPARAM_WMVAL9"};

    LinkBoxState state{false, false, "LIST_CAPT_ENPOSTAN"};
    if (input > LastLinkableInput) return state;
    const int linked = model.OutputLinkedInput;
    // A link to no input that can hold it counts as none, so the box stays usable.
    const bool anyLinked = linked >= 1 && linked <= LastLinkableInput;
    state.enabled = !anyLinked || linked == input;
    state.checked = anyLinked && linked == input;
    return state;
}

void SetInputEnabled(ConfigurationModel& model, int input, bool enabled) {
    if (!physicalInput(input)) return;
    InputRecord& record = model.input(input);
    record.Enabled = enabled ? 1 : 0;
    if (!enabled) record.ReportMethods = 0;
}

void SetInputLinkBox(ConfigurationModel& model, int input, bool checked) {
    if (!physicalInput(input)) return;
    if (model.OperatingMode == ControlPanelMode) {
        model.input(input).OutputLink = checked ? 1 : 0;
        return;
    }
    model.OutputLinkedInput = checked ? static_cast<Byte>(input) : 0;
    model.output(ConfirmingOutput).OutputType = checked ? OutputSystem : OutputMonostable;
}

} // namespace skarvion
