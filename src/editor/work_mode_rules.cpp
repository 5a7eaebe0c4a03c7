#include "editor/work_mode_rules.h"

#include "dialogs/edit_key.h"
#include "model/model_operations.h"

#include <algorithm>

namespace skarvion {

namespace {

Byte bounded(int value, int lowest, int highest) {
    return static_cast<Byte>(std::clamp(value, lowest, highest));
}

void keepSirenSounding(ConfigurationModel& model) {
    if (model.SirenMinutes == 0 && model.SirenSeconds == 0) model.SirenSeconds = 1;
}

} // namespace

bool SetOperatingMode(ConfigurationModel& model, Byte mode) {
    if (mode != StandaloneMode && mode != ControlPanelMode) return false;
    if (model.OperatingMode == mode) return false;
    model.OperatingMode = mode;
    if (mode == ControlPanelMode)
        EnterControlPanelMode(model);
    else
        EnterStandaloneMode(model);
    return true;
}

void SetEntryTime(ConfigurationModel& model, int tensOfSeconds) {
    model.EntryTime = bounded(tensOfSeconds, 0, MaxEntryTime);
}

void SetExitTime(ConfigurationModel& model, int tensOfSeconds) {
    model.ExitTime = bounded(tensOfSeconds, MinExitTime, MaxExitTime);
}

bool EntryTimeApplies(const ConfigurationModel& model) {
    return model.input(2).ZoneType != ZoneWalkThrough;
}

int ShownEntryTime(const ConfigurationModel& model) {
    return EntryTimeApplies(model) ? model.EntryTime : 0;
}

void SetSirenMinutes(ConfigurationModel& model, int minutes) {
    model.SirenMinutes = bounded(minutes, 0, MaxSirenMinutes);
    keepSirenSounding(model);
}

void SetSirenSeconds(ConfigurationModel& model, int seconds) {
    model.SirenSeconds = bounded(seconds, 0, MaxSirenSeconds);
    keepSirenSounding(model);
}

void SetArmingByInput1(ConfigurationModel& model, bool byInput1) {
    if (byInput1)
        SelectArmingByInput1(model);
    else
        SelectArmingOther(model);
}

bool ArmingByInput1(const ConfigurationModel& model) {
    return model.arm().SignalType == 0;
}

bool AccountKeyAccepted(QChar key) {
    return key == BackspaceKey || (key >= u'0' && key <= u'9');
}

} // namespace skarvion
