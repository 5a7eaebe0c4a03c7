#include "dialogs/number_edit_rules.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace skarvion {
namespace {

bool isDecimalDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// The value of a string of decimal digits, saturating instead of overflowing.
std::uint64_t digitsValue(const QString& digits) {
    constexpr std::uint64_t limit = std::numeric_limits<std::uint32_t>::max();
    std::uint64_t value = 0;
    for (const QChar c : digits) {
        if (!isDecimalDigit(c)) continue;
        value = value * 10 + (c.unicode() - u'0');
        if (value > limit) return limit;
    }
    return value;
}

std::uint64_t clampToBounds(std::uint64_t value, const NumberEditRules& rules) {
    if (value < rules.minNumber) value = rules.minNumber;
    if (value > rules.maxNumber) value = rules.maxNumber;
    return value;
}

// Where the digit goes: inserted while the field has room, scrolled in at
// the end of a full field, overwriting the digit at the caret otherwise.
KeyResult placeDigit(const EditState& state, QChar digit, int numberCount) {
    KeyResult result{KeyAction::Apply, state.text, state.start + 1};
    QString& text = result.text;
    const int size = static_cast<int>(text.size());
    if (size < numberCount - 1) {
        int at = state.start;
        if (text == u"0") {
            text.clear();
            at = 0;
        } else {
            text.remove(state.start, state.length);
        }
        text.insert(at, digit);
        result.caret = at + 1;
    } else if (state.start == numberCount) {
        text.remove(0, 1);
        text.append(digit);
        result.caret = state.start;
    } else if (state.length > 0) {
        text.replace(state.start, state.length, digit);
    } else if (state.start < size) {
        text[state.start] = digit;
    } else {
        text.append(digit);
    }
    return result;
}

} // namespace

int numberCountFor(int requested) {
    const int count = std::abs(requested);
    return count == 0 ? 1 : count;
}

KeyResult numberEditKey(const EditState& rawState, QChar key, const NumberEditRules& rules) {
    const EditState state = clampedEditState(rawState);
    if (key == EnterKey) return {KeyAction::PressEnter, state.text, state.start};
    if (key == BackspaceKey) return backspaceResult(state);
    if (key < u' ') return {KeyAction::PassToEdit, state.text, state.start};
    if (!isDecimalDigit(key)) return {KeyAction::Swallow, state.text, state.start};

    KeyResult result = placeDigit(state, key, numberCountFor(rules.numberCount));
    if (rules.minMaxEnable) {
        const std::uint64_t value = digitsValue(result.text);
        const std::uint64_t clamped = clampToBounds(value, rules);
        if (clamped != value) {
            result.text = QString::number(clamped);
            result.caret = state.start;
        }
    }
    return result;
}

NormalisedNumber normaliseNumberText(const QString& text, const NumberEditRules& rules) {
    QString digits;
    const int count = numberCountFor(rules.numberCount);
    for (const QChar c : text) {
        if (digits.size() >= count) break;
        if (isDecimalDigit(c)) digits.append(c);
    }
    const std::uint64_t value = digits.isEmpty() ? rules.minNumber : digitsValue(digits);
    const std::uint64_t clamped = clampToBounds(value, rules);
    const int number = static_cast<int>(std::min<std::uint64_t>(
        clamped, static_cast<std::uint64_t>(std::numeric_limits<int>::max())));
    return {QString::number(number), number};
}

} // namespace skarvion
