#include "dialogs/char_edit_rules.h"

#include <algorithm>

namespace skarvion {
namespace {

// What a field that may not become empty shows instead of nothing.
QString fillEmpty(const QString& text, const CharEditRules& rules) {
    if (rules.notSpace && text.isEmpty() && !rules.charString.isEmpty())
        return rules.charString.left(1);
    return text;
}

KeyResult placeCharacter(const EditState& state, QChar key, int charCount) {
    KeyResult result{KeyAction::Apply, state.text, state.start + 1};
    QString& text = result.text;
    const int size = static_cast<int>(text.size());
    if (size < charCount) {
        text.replace(state.start, state.length, key);
    } else if (state.start == charCount) {
        text.remove(0, 1);
        text.append(key);
        result.caret = state.start;
    } else if (state.start < size) {
        text[state.start] = key;
    } else {
        text.append(key);
    }
    return result;
}

} // namespace

KeyResult charEditKey(const EditState& rawState, QChar key, const CharEditRules& rules) {
    const EditState state = clampedEditState(rawState);
    if (key == EnterKey) return {KeyAction::PressEnter, state.text, state.start};
    if (key == BackspaceKey) {
        KeyResult result = backspaceResult(state);
        if (result.text.isEmpty()) {
            result.text = fillEmpty(result.text, rules);
            result.caret = static_cast<int>(result.text.size());
        }
        return result;
    }
    if (key < u' ') return {KeyAction::PassToEdit, state.text, state.start};

    const QChar upper = key.toUpper();
    if (!rules.charString.contains(upper)) return {KeyAction::Reject, state.text, state.start};
    return placeCharacter(state, upper, std::max(rules.charCount, 0));
}

QString normaliseCharText(const QString& text, const CharEditRules& rules) {
    QString kept;
    const int count = std::max(rules.charCount, 0);
    for (const QChar c : text) {
        if (kept.size() >= count) break;
        if (rules.charString.contains(c)) kept.append(c);
    }
    return fillEmpty(kept, rules);
}

} // namespace skarvion
