#include "editor/phone_book_rules.h"

#include "model_fixtures.h"
#include "phone_test_support.h"

#include <gtest/gtest.h>

#include <deque>

using namespace skarvion;
using namespace skarvion::testing;

namespace {

// Answers the phone dialog from a script and remembers what it was asked.
struct ScriptedAsker {
    std::deque<std::optional<Text>> answers;
    std::vector<PhoneQuestion> questions;

    PhoneAsker asker() {
        return [this](const PhoneQuestion& q) {
            questions.push_back(q);
            std::optional<Text> answer = answers.empty() ? std::nullopt : answers.front();
            if (!answers.empty()) answers.pop_front();
            return answer;
        };
    }
};

const LanguageTexts& texts() {
    static const LanguageTexts builtIn;
    return builtIn;
}

} // namespace

TEST(PhoneBookRules, FilterKeepsALeadingPlusAndTheDigits) {
    const std::pair<const char*, const char*> cases[] = {
        {"+7 (912) 345-67-89", "+79123456789"},
        {"8 912 345", "8912345"},
        {"(+7) 912", "7912"}, // a plus that is not first is dropped
        {"12+34", "1234"},
        {"abc", ""},
        {"", ""},
        {"  +7 912", "+7912"}, // blanks before a pasted number
    };
    for (const auto& [typed, kept] : cases)
        EXPECT_EQ(FilterPhoneNumber(typed), kept) << typed;
}

TEST(PhoneBookRules, EmptySlotTextAndListText) {
    ConfigurationModel m = ModelWithPhones({2});
    EXPECT_EQ(EmptyPhoneText(texts(), 5), cp1251("Телефон 5 - нет"));
    EXPECT_EQ(PhoneListText(m, texts(), 2), "+79000002");
    EXPECT_EQ(PhoneListText(m, texts(), 3), cp1251("Телефон 3 - нет"));
    m.phone(2).Number.clear(); // used but without a number still reads as empty
    EXPECT_EQ(PhoneListText(m, texts(), 2), cp1251("Телефон 2 - нет"));
}

TEST(PhoneBookRules, UsageCountsFirstPhonesOfChannelsInUse) {
    ConfigurationModel m = ModelWithPhones({1, 2, 3, 4});
    InputRecord& in = m.input(2);
    in.ReportMethods = MethodAlarm | MethodClip;
    in.AlarmPhones = {1, 2, 0};
    in.ClipPhone1 = 3;
    in.ClipPhone2 = 1;
    in.SmsPhones[0] = 4; // SMS is off: no use
    m.TestMethods = MethodData;
    m.TestDataPhone1 = 4;
    m.GsmMethods = MethodSms;
    m.GsmSmsPhone1 = 1;

    EXPECT_EQ(PhoneUsageOf(m, 1), (PhoneUsage{true, true, true, false}));
    EXPECT_EQ(PhoneUsageOf(m, 2), (PhoneUsage{})); // a second ALARM phone is not shown
    EXPECT_EQ(PhoneUsageOf(m, 3), (PhoneUsage{false, false, true, false}));
    EXPECT_EQ(PhoneUsageOf(m, 4), (PhoneUsage{false, false, false, true}));
}

TEST(PhoneBookEdit, TheLastPhoneCannotBeRemoved) {
    ConfigurationModel m = ModelWithPhones({4});
    ScriptedAsker dialog;
    dialog.answers = {Text{}};
    EXPECT_TRUE(EditPhoneBookEntry(m, 4, dialog.asker()));
    ASSERT_EQ(dialog.questions.size(), 1u);
    EXPECT_TRUE(dialog.questions[0].required);
    EXPECT_EQ(dialog.questions[0].number, "+79000004");
    EXPECT_TRUE(PhoneUsed(m, 4));
    EXPECT_EQ(m.phone(4).Number, "+79000004");
}

TEST(PhoneBookEdit, FirstNumberIsRequiredAndBecomesEveryDefault) {
    ConfigurationModel m = ModelWithPhones({});
    ScriptedAsker dialog;
    dialog.answers = {Text{"+7 912 555"}};
    EXPECT_TRUE(EditPhoneBookEntry(m, 5, dialog.asker()));
    EXPECT_TRUE(dialog.questions.at(0).required);
    EXPECT_EQ(dialog.questions.at(0).number, "");
    EXPECT_EQ(m.phone(5).Number, "+7912555");
    EXPECT_EQ(m.phone(5).Name, "NAME5");
    for (int n = 1; n <= 4; ++n) {
        EXPECT_EQ(m.input(n).ClipPhone1, 5);
        EXPECT_EQ(m.input(n).ClipPhone2, 0);
        EXPECT_FALSE(m.input(n).ClipPhone2Used);
    }
}

TEST(PhoneBookEdit, RequiredOnlyForTheOnlyOrTheFirstPhone) {
    struct Case {
        std::initializer_list<int> used;
        int slot;
        bool required;
    };
    const Case cases[] = {{{}, 1, true}, {{3}, 3, true}, {{3}, 4, false}, {{3, 4}, 3, false}};
    for (const Case& c : cases) {
        ConfigurationModel m = ModelWithPhones(c.used);
        ScriptedAsker dialog; // cancels
        EXPECT_FALSE(EditPhoneBookEntry(m, c.slot, dialog.asker()));
        EXPECT_EQ(dialog.questions.at(0).required, c.required) << "slot " << c.slot;
        EXPECT_EQ(m, ModelWithPhones(c.used)) << "Cancel changes nothing";
    }
}

TEST(PhoneBookEdit, ClearingOneOfSeveralNumbersEmptiesTheEntryAndRepairs) {
    ConfigurationModel m = ModelWithPhones({2, 6});
    m.input(1).SmsPhones = {6, 2, 6};
    ScriptedAsker dialog;
    dialog.answers = {Text{}};
    EXPECT_TRUE(EditPhoneBookEntry(m, 6, dialog.asker()));
    EXPECT_FALSE(PhoneUsed(m, 6));
    EXPECT_EQ(m.phone(6).Number, "");
    EXPECT_EQ(m.input(1).SmsPhones, (std::array<PhoneRef, 3>{2, 2, 0}));
}

TEST(PhoneBookDelete, EmptiesAUsedEntryWithThePlaceholderAndRepairs) {
    ConfigurationModel m = ModelWithPhones({1, 5});
    m.phone(5).Name = "Guard";
    m.input(3).AlarmPhones[0] = 5;
    EXPECT_TRUE(DeletePhoneBookEntry(m, 5, texts()));
    EXPECT_TRUE(m.phone(5).Empty);
    EXPECT_EQ(m.phone(5).Number, cp1251("Телефон 5 - нет"));
    EXPECT_EQ(m.phone(5).Name, "NAME5");
    EXPECT_EQ(m.input(3).AlarmPhones[0], 1);
    EXPECT_EQ(CopyPhoneBookEntry(m, 5), "");

    const ConfigurationModel before = m;
    EXPECT_FALSE(DeletePhoneBookEntry(m, 7, texts())); // an empty entry stays as it is
    EXPECT_EQ(m, before);
}

TEST(PhoneBookPaste, KeepsThePlusAndDigitsAndMarksTheEntryUsed) {
    ConfigurationModel m = ModelWithPhones({});
    PastePhoneBookEntry(m, 3, " +7 (912) 000-11 ", texts());
    EXPECT_TRUE(PhoneUsed(m, 3));
    EXPECT_EQ(m.phone(3).Number, "+791200011");
    EXPECT_EQ(CopyPhoneBookEntry(m, 3), "+791200011");
}

TEST(PhoneBookPaste, TextWithoutDigitsEmptiesTheEntryAndRepairsReferences) {
    ConfigurationModel m = ModelWithPhones({2, 3});
    m.input(1).DataPhone1 = 3;
    m.output(1).AnswerPhone = 3;
    PastePhoneBookEntry(m, 3, "call me", texts());
    EXPECT_FALSE(PhoneUsed(m, 3));
    EXPECT_EQ(m.phone(3).Number, cp1251("Телефон 3 - нет"));
    EXPECT_EQ(m.input(1).DataPhone1, 2);
    EXPECT_EQ(m.output(1).AnswerPhone, 2);
}

TEST(EnterPhone, StoresTheNumberAndFillsUnsetInputAndOutputPhones) {
    ConfigurationModel m = ModelWithPhones({});
    ScriptedAsker dialog;
    dialog.answers = {Text{"89161234567"}};
    EXPECT_TRUE(EnterPhone(m, 1, true, dialog.asker(), "F7_EPHON_EDT_PHON"));
    EXPECT_TRUE(dialog.questions.at(0).required);
    EXPECT_STREQ(dialog.questions.at(0).labelKey, "F7_EPHON_EDT_PHON");
    EXPECT_EQ(m.phone(1).Number, "89161234567");
    EXPECT_EQ(m.input(3).SmsPhones[0], 1);
    EXPECT_EQ(m.output(3).SmsControlPhone, 1);
}

TEST(EnterPhone, APlusWithAtMostOneDigitEmptiesTheEntry) {
    for (const char* answer : {"", "+", "+5", "+ 5"}) {
        ConfigurationModel m = ModelWithPhones({1, 4});
        m.input(2).SmsPhones[0] = 4;
        ScriptedAsker dialog;
        dialog.answers = {Text{answer}};
        EXPECT_FALSE(EnterPhone(m, 4, false, dialog.asker())) << answer;
        EXPECT_FALSE(PhoneUsed(m, 4)) << answer;
        EXPECT_EQ(m.input(2).SmsPhones[0], 1) << answer;
    }
}

TEST(EnterPhone, CancelKeepsTheEntry) {
    ConfigurationModel m = ModelWithPhones({4});
    ScriptedAsker dialog;
    EXPECT_TRUE(EnterPhone(m, 4, true, dialog.asker()));
    EXPECT_FALSE(EnterPhone(m, 5, false, dialog.asker()));
    EXPECT_EQ(m, ModelWithPhones({4}));
}
