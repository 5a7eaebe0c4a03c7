#include "dialogs/char_edit_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using namespace skarvion;

namespace {

CharEditRules rules(const QString& characters, int count, bool notSpace = false) {
    return {characters, count, notSpace};
}

const CharEditRules DefaultRules{};
const CharEditRules PinRules = rules("1234567890", 4);
const QString BS = QString(BackspaceKey);

// Types keys the way the widget does: each applied result is normalised
// before the next key.
EditState typeKeys(EditState state, const QString& keys, const CharEditRules& rules) {
    for (const QChar key : keys) {
        const KeyResult result = charEditKey(state, key, rules);
        if (result.action != KeyAction::Apply) continue;
        const QString text = normaliseCharText(result.text, rules);
        state = {text, std::min(result.caret, static_cast<int>(text.size())), 0};
    }
    return state;
}

struct TypingCase {
    std::string name;
    EditState start;
    QString keys;
    CharEditRules rules;
    QString text;
    int caret;
};

class CharTyping : public ::testing::TestWithParam<TypingCase> {};

TEST_P(CharTyping, LeavesTextAndCaret) {
    const TypingCase& c = GetParam();
    const EditState end = typeKeys(c.start, c.keys, c.rules);
    EXPECT_EQ(end.text.toStdString(), c.text.toStdString());
    EXPECT_EQ(end.start, c.caret);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, CharTyping,
    ::testing::Values(
        TypingCase{"LowerCaseLetterEntersUpperCase", {"", 0, 0}, "b", DefaultRules, "B", 1},
        TypingCase{"RefusedCharacterChangesNothing", {"1", 1, 0}, "Ee!", DefaultRules, "1", 1},
        TypingCase{"HalfSecondDigitScrolls", {"0", 1, 0}, "5", rules("05", 1), "5", 1},
        TypingCase{"HalfSecondDigitOverwrites", {"0", 0, 0}, "5", rules("05", 1), "5", 1},
        TypingCase{"InsertsWhileShort", {"13", 1, 0}, "2", PinRules, "123", 2},
        TypingCase{"ReplacesSelectionWhileShort", {"12", 0, 1}, "9", PinRules, "92", 1},
        TypingCase{"FullFieldScrollsAtEnd", {"1234", 4, 0}, "56", PinRules, "3456", 4},
        TypingCase{"FullFieldOverwritesInside", {"1234", 1, 0}, "98", PinRules, "1984", 3},
        TypingCase{"BackspaceRemovesCharacterBefore", {"1234", 2, 0}, BS, PinRules, "134", 1},
        TypingCase{"BackspaceRemovesSelection", {"1234", 1, 2}, BS, PinRules, "14", 1},
        TypingCase{"BackspaceMayEmpty", {"5", 1, 0}, BS, rules("05", 1), "", 0},
        TypingCase{"BackspaceNeverEmptiesNotSpace", {"5", 1, 0}, BS, rules("05", 1, true), "0", 1},
        TypingCase{"PhoneTakesPlus", {"", 0, 0}, "+79", rules("1234567890+", 31), "+79", 3}),
    [](const auto& info) { return info.param.name; });

TEST(CharEditKey, RefusedKeyIsReportedWithUnchangedText) {
    const KeyResult result = charEditKey({"12", 1, 0}, QChar(u'E'), DefaultRules);
    EXPECT_EQ(result.action, KeyAction::Reject);
    EXPECT_EQ(result.text, QString("12"));
    EXPECT_EQ(charEditKey({"12", 1, 0}, EnterKey, DefaultRules).action, KeyAction::PressEnter);
    EXPECT_EQ(charEditKey({"12", 1, 0}, QChar(u'\t'), DefaultRules).action, KeyAction::PassToEdit);
}

TEST(NormaliseCharText, KeepsAllowedCharactersUpToCount) {
    EXPECT_EQ(normaliseCharText("+7 (912) 555-01", rules("1234567890+", 31)),
              QString("+791255501"));
    EXPECT_EQ(normaliseCharText("123456", PinRules), QString("1234"));
    // Pasted text is filtered, not upper-cased.
    EXPECT_EQ(normaliseCharText("a1b", DefaultRules), QString("1"));
    EXPECT_EQ(normaliseCharText("", rules("05", 1, true)), QString("0"));
    EXPECT_EQ(normaliseCharText("", rules("", 1, true)), QString());
    EXPECT_EQ(normaliseCharText("123", rules("123", -2)), QString());
}

} // namespace
