#include "editor/sms_text_rules.h"

#include "model_fixtures.h"

#include <gtest/gtest.h>

using namespace skarvion;
using skarvion::testing::cp1251;

namespace {

QStringList one(const char* utf8) {
    return {QString::fromUtf8(utf8)};
}

} // namespace

TEST(SmsTextRules, KeysAreRefusedOnceFullAndDigitsCannotStartACommand) {
    struct Case {
        SmsTextKind kind;
        QStringList lines;
        QChar key;
        bool accepted;
    };
    const QStringList full10{"ABCDE", "FGHIJ"};
    const Case cases[] = {
        {SmsTextKind::Command, {""}, u'1', false},
        {SmsTextKind::Command, {""}, u'A', true},
        {SmsTextKind::Command, {"A"}, u'1', true},
        {SmsTextKind::Command, full10, u'K', false},
        {SmsTextKind::Command, full10, BackspaceKey, true},
        {SmsTextKind::Command, full10, EnterKey, true},
        {SmsTextKind::Plain, {""}, u'1', true},
        {SmsTextKind::Plain, full10, u'K', true},
        {SmsTextKind::Plain, {"ABCDEFGHIJKLMNOPQRST"}, u'U', false},
        {SmsTextKind::Gsm, {"ABCDEFGHIJKLMNOPQRST"}, u'U', true}, // GSM memos cut on change
    };
    for (const Case& c : cases)
        EXPECT_EQ(SmsTextKeyAccepted(c.kind, c.lines, c.key), c.accepted)
            << c.lines.join('|').toStdString();
}

TEST(SmsTextRules, ChangeJoinsLinesAndCutsOverAllOfThem) {
    const SmsTextChange pasted = ApplySmsTextChange(SmsTextKind::Command, one("ABCDEFGHIJKLMNO"));
    EXPECT_EQ(pasted.stored, "ABCDEFGHIJ");
    EXPECT_EQ(pasted.lines, one("ABCDEFGHIJ"));
    EXPECT_TRUE(pasted.linesChanged);

    const SmsTextChange twoLines =
        ApplySmsTextChange(SmsTextKind::Command, {"abcdefgh", "12345", "xy"});
    EXPECT_EQ(twoLines.stored, "abcdefgh12");
    EXPECT_EQ(twoLines.lines, (QStringList{"abcdefgh", "12", ""}));

    const SmsTextChange fits =
        ApplySmsTextChange(SmsTextKind::Plain, {QString::fromUtf8("Тревога"), "1"});
    EXPECT_EQ(fits.stored, cp1251("Тревога1"));
    EXPECT_FALSE(fits.linesChanged);
}

TEST(SmsTextRules, CommandTextsNeverStartWithADigit) {
    EXPECT_EQ(ApplySmsTextChange(SmsTextKind::Command, one("123on")).stored, "on");
    EXPECT_EQ(ApplySmsTextChange(SmsTextKind::Command, {"", "7A1"}).stored, "A1");
    EXPECT_EQ(ApplySmsTextChange(SmsTextKind::Plain, one("123on")).stored, "123on");
}

TEST(SmsTextRules, GsmTextsKeepOnlyTheGsmAlphabet) {
    const SmsTextChange typed = ApplySmsTextChange(SmsTextKind::Gsm, one("Тест {ok} @$ [x]~"));
    EXPECT_EQ(typed.stored, " {ok @$ x");
    EXPECT_TRUE(typed.linesChanged);
    for (char16_t c : {u'@', u'$', u'{', u' ', u'!', u'?', u'0', u'A', u'z'})
        EXPECT_TRUE(InGsmAlphabet(QChar(c)));
    for (char16_t c : {u'}', u'[', u'`', u'~', u'\t', u'\x7f', u'Ж', u'é'})
        EXPECT_FALSE(InGsmAlphabet(QChar(c)));
    EXPECT_EQ(ApplySmsTextChange(SmsTextKind::Gsm, one("ABCDEFGHIJKLMNOPQRSTUVW")).stored.size(),
              20u);
}

TEST(SmsTextRules, CharactersOutsideTheCodePageAreDropped) {
    const SmsTextChange change = ApplySmsTextChange(SmsTextKind::Plain, one("A😀B中"));
    EXPECT_EQ(change.stored, "AB");
    EXPECT_EQ(change.lines, one("AB"));
}
