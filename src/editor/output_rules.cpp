#include "editor/output_rules.h"

namespace skarvion {

OutputModeView OutputModeButtons(const ConfigurationModel& model, int output) {
    OutputModeView view;
    if (output < 1 || output > OutputCount) return view;
    const Byte type = model.output(output).OutputType;
    const bool hasSystemMode = output != 3;
    view.systemCaptionKey = output == 1     ? "LIST_MODEOUT_VAL4"
                            : hasSystemMode ? "LIST_MODEOUT_VAL5"
                                            : "";
    if (type == OutputSystem && hasSystemMode) {
        view.visible = {false, false, false, true};
        view.checked = 3;
        return view;
    }
    view.visible = {true, true, true, false};
    // Output 3 has no system mode: a stored 3 shows no choice, so any click fixes it.
    view.checked = type == OutputSystem ? -1 : type < OutputSystem ? type : 0;
    return view;
}

} // namespace skarvion
