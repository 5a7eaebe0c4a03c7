#include "editor/edit_command_rules.h"

namespace skarvion {

namespace {

const char* const editTargetNames[] = {
    "EditReactinTime1", "EditReturnTime1",  "EditLockoutTime1", // whole seconds
    "EditReactinTime2", "EditReturnTime2",  "EditLockoutTime2", // half-second digits
    "EditOutTime2",     "VirtualDrawTree4",
};

const QString zeroDigit = QStringLiteral("0");

} // namespace

bool IsEditTargetName(const QString& objectName) {
    for (const char* name : editTargetNames)
        if (objectName == QLatin1String(name)) return true;
    return false;
}

EditCommandStates EditCommandStatesFor(EditTargetKind kind, bool focused, bool hasSelection,
                                       bool clipboardHasText) {
    if (kind == EditTargetKind::None || !focused) return {};
    if (kind == EditTargetKind::PhoneList) return {true, true, clipboardHasText, true, true};
    return {hasSelection, hasSelection, clipboardHasText, hasSelection, true};
}

FieldEdit CutFieldText(EditTargetKind kind, const EditState& raw) {
    if (kind == EditTargetKind::CharField) return {zeroDigit, 1};
    const EditState state = clampedEditState(raw);
    QString text = state.text;
    text.remove(state.start, state.length);
    return {text, state.start};
}

FieldEdit DeleteFieldText(EditTargetKind kind) {
    if (kind == EditTargetKind::CharField) return {zeroDigit, 1};
    return {QString(), 0};
}

FieldEdit PasteFieldText(const EditState& raw, const QString& clipboard) {
    const EditState state = clampedEditState(raw);
    QString text = state.text;
    text.replace(state.start, state.length, clipboard);
    return {text, state.start};
}

} // namespace skarvion
