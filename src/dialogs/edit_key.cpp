#include "dialogs/edit_key.h"

#include <algorithm>

namespace skarvion {

EditState clampedEditState(const EditState& state) {
    EditState clamped = state;
    const int size = static_cast<int>(state.text.size());
    clamped.start = std::clamp(state.start, 0, size);
    clamped.length = std::clamp(state.length, 0, size - clamped.start);
    return clamped;
}

KeyResult backspaceResult(const EditState& state) {
    KeyResult result{KeyAction::Apply, state.text, state.start};
    if (state.length > 0) {
        result.text.remove(state.start, state.length);
    } else if (state.start > 0) {
        result.text.remove(state.start - 1, 1);
        result.caret = state.start - 1;
    }
    return result;
}

} // namespace skarvion
