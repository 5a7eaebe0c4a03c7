#include "dialogs/number_edit_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using namespace skarvion;

namespace {

NumberEditRules rules(int digits, unsigned minimum, unsigned maximum, bool minMax = false) {
    return {digits, minimum, maximum, minMax};
}

// Types keys into a field the way the widget does: each applied result is
// normalised before the next key.
EditState typeKeys(EditState state, const QString& keys, const NumberEditRules& rules) {
    for (const QChar key : keys) {
        const KeyResult result = numberEditKey(state, key, rules);
        if (result.action != KeyAction::Apply) continue;
        const QString text = normaliseNumberText(result.text, rules).text;
        state = {text, std::min(result.caret, static_cast<int>(text.size())), 0};
    }
    return state;
}

struct TypingCase {
    std::string name;
    EditState start;
    QString keys;
    NumberEditRules rules;
    QString text;
    int caret;
};

class NumberTyping : public ::testing::TestWithParam<TypingCase> {};

TEST_P(NumberTyping, LeavesTextAndCaret) {
    const TypingCase& c = GetParam();
    const EditState end = typeKeys(c.start, c.keys, c.rules);
    EXPECT_EQ(end.text.toStdString(), c.text.toStdString());
    EXPECT_EQ(end.start, c.caret);
}

const QString BS = QString(BackspaceKey);

INSTANTIATE_TEST_SUITE_P(
    Keys, NumberTyping,
    ::testing::Values(
        TypingCase{"DigitReplacesLoneZero", {"0", 1, 0}, "7", rules(3, 0, 127), "7", 1},
        TypingCase{"DigitsFillTheField", {"0", 1, 0}, "123", rules(3, 0, 999), "123", 3},
        TypingCase{
            "DigitAtEndOfFullFieldScrollsLeft", {"123", 3, 0}, "4", rules(3, 0, 999), "234", 3},
        TypingCase{
            "DigitInsideFullFieldOverwrites", {"123", 0, 0}, "9", rules(3, 0, 999), "923", 1},
        TypingCase{
            "DigitOverwritesOnceOneShortOfFull", {"12", 0, 0}, "5", rules(3, 0, 999), "52", 1},
        TypingCase{"DigitReplacesSelection", {"123", 0, 3}, "5", rules(3, 0, 999), "5", 1},
        TypingCase{"SingleDigitFieldAtEnd", {"0", 1, 0}, "3", rules(1, 0, 4), "3", 1},
        TypingCase{"SingleDigitFieldAtStart", {"2", 0, 0}, "3", rules(1, 0, 4), "3", 1},
        TypingCase{"TypingTwelveIntoOneToTen", {"5", 0, 1}, "12", rules(2, 1, 10), "10", 2},
        TypingCase{"OverMaximumClampedAfterward", {"12", 2, 0}, "9", rules(3, 0, 127), "127", 3},
        TypingCase{"OverMaximumClampedWhileTypingKeepsCaret",
                   {"12", 2, 0},
                   "9",
                   rules(3, 0, 127, true),
                   "127",
                   2},
        TypingCase{"LettersAreIgnored", {"12", 2, 0}, "a-", rules(3, 0, 127), "12", 2},
        TypingCase{"BackspaceAtEnd", {"123", 3, 0}, BS, rules(3, 0, 999), "12", 2},
        TypingCase{"BackspaceAfterFirstDigit", {"123", 1, 0}, BS, rules(3, 0, 999), "23", 0},
        TypingCase{
            "BackspaceAfterFirstDigitWithSelection", {"123", 1, 2}, BS, rules(3, 0, 999), "1", 1},
        TypingCase{"BackspaceAtStartDoesNothing", {"123", 0, 0}, BS, rules(3, 0, 999), "123", 0},
        TypingCase{"BackspaceLeavingLeadingZero", {"105", 1, 0}, BS, rules(3, 0, 999), "5", 0},
        TypingCase{"BackspaceOverAllLeavesZero", {"123", 0, 3}, BS, rules(3, 0, 127), "0", 0},
        TypingCase{"BackspaceOverAllLeavesMinimum", {"7", 0, 1}, BS, rules(2, 1, 10), "1", 0},
        TypingCase{"CaretOutsideTextIsBroughtIn", {"12", 9, 4}, "3", rules(3, 0, 999), "123", 3}),
    [](const auto& info) { return info.param.name; });

TEST(NumberEditKey, EditingKeysOtherThanDigits) {
    const EditState state{"12", 1, 0};
    const NumberEditRules r = rules(3, 0, 127);
    EXPECT_EQ(numberEditKey(state, EnterKey, r).action, KeyAction::PressEnter);
    EXPECT_EQ(numberEditKey(state, QChar(u'\t'), r).action, KeyAction::PassToEdit);
    EXPECT_EQ(numberEditKey(state, QChar(0x16), r).action, KeyAction::PassToEdit);
    EXPECT_EQ(numberEditKey(state, QChar(u'x'), r).action, KeyAction::Swallow);
    EXPECT_EQ(numberEditKey(state, QChar(u' '), r).action, KeyAction::Swallow);
}

struct NormaliseCase {
    QString text;
    NumberEditRules rules;
    QString shown;
    int value;
};

TEST(NormaliseNumberText, KeepsDigitsCutsAndClamps) {
    const NormaliseCase cases[] = {
        {"500", rules(3, 0, 127), "127", 127},
        {"", rules(3, 0, 127), "0", 0},
        {"", rules(2, 1, 10), "1", 1},
        {"0", rules(2, 1, 10), "1", 1},
        {"a1 b2", rules(3, 0, 127), "12", 12},
        {"007", rules(3, 0, 127), "7", 7},
        {"98765", rules(3, 0, 999), "987", 987},
        {"12345", rules(2, 0, 100), "12", 12},
        {"99999999999999999999", rules(20, 0, 4000000000u), "2147483647", 2147483647},
        {"\u0663", rules(2, 0, 9), "0", 0}, // a digit of another script is no digit
        {"5", rules(2, 10, 3), "3", 3},     // contradictory bounds settle on the maximum
    };
    for (const NormaliseCase& c : cases) {
        const NormalisedNumber n = normaliseNumberText(c.text, c.rules);
        EXPECT_EQ(n.text.toStdString(), c.shown.toStdString()) << c.text.toStdString();
        EXPECT_EQ(n.value, c.value) << c.text.toStdString();
    }
}

TEST(NormaliseNumberText, ItsOwnFormIsStable) {
    // A minimum wider than the digit count must not make the form flip-flop.
    const NumberEditRules wide = rules(2, 150, 300);
    for (const QString& text : {QString(), QString("7"), QString("150"), QString("99")}) {
        const QString once = normaliseNumberText(text, wide).text;
        EXPECT_EQ(normaliseNumberText(once, wide).text, once);
    }
}

TEST(NumberCountFor, TakesAbsoluteValueAndNeverZero) {
    EXPECT_EQ(numberCountFor(3), 3);
    EXPECT_EQ(numberCountFor(-4), 4);
    EXPECT_EQ(numberCountFor(0), 1);
}

} // namespace
