#include "editor/clip_rules.h"

#include "model/model_operations.h"
#include "phone_test_support.h"
#include "scripted_asker.h"

#include <gtest/gtest.h>

using namespace skarvion;
using namespace skarvion::testing;

namespace {

// The four calls and three switches of input 2, for compact expectations.
struct CallState {
    int event1, restore1, event2, restore2;
    int restore1Used, restore2Used, group2;

    bool operator==(const CallState&) const = default;
};

CallState stateOf(const InputRecord& in) {
    return {in.ClipPhone1,     in.ClipPhone2,     in.ClipPhone3,  in.ClipPhone4,
            in.ClipPhone2Used, in.ClipPhone4Used, in.Clip2Enabled};
}

void setState(InputRecord& in, const CallState& s) {
    in.ClipPhone1 = static_cast<PhoneRef>(s.event1);
    in.ClipPhone2 = static_cast<PhoneRef>(s.restore1);
    in.ClipPhone3 = static_cast<PhoneRef>(s.event2);
    in.ClipPhone4 = static_cast<PhoneRef>(s.restore2);
    in.ClipPhone2Used = static_cast<Flag>(s.restore1Used);
    in.ClipPhone4Used = static_cast<Flag>(s.restore2Used);
    in.Clip2Enabled = static_cast<Flag>(s.group2);
}

std::ostream& operator<<(std::ostream& os, const CallState& s) {
    return os << "{" << s.event1 << "," << s.restore1 << "," << s.event2 << "," << s.restore2
              << " used " << s.restore1Used << s.restore2Used << " group2 " << s.group2 << "}";
}

} // namespace

TEST(ClipRules, DefaultsTakeDistinctUsedEntriesOrAskForNewOnes) {
    struct Case {
        const char* what;
        std::vector<int> phones;
        CallState before;
        int answers;
        CallState after;
        std::vector<int> askedSlots;
        bool result;
    };
    const Case cases[] = {
        {"used entries suffice", {3, 5}, {0, 0, 0, 0, 1, 0, 0}, 0, {3, 5, 0, 0, 1, 0, 0}, {}, true},
        {"event keeps clear of the restore call",
         {3, 5},
         {0, 3, 0, 0, 1, 0, 0},
         0,
         {5, 3, 0, 0, 1, 0, 0},
         {},
         true},
        {"only entry 3: restore asks for slot 1",
         {3},
         {0, 0, 0, 0, 1, 0, 0},
         1,
         {3, 1, 0, 0, 1, 0, 0},
         {1},
         true},
        {"empty book with restore: slots 1 and 2",
         {},
         {0, 0, 0, 0, 1, 0, 0},
         2,
         {1, 2, 0, 0, 1, 0, 0},
         {1, 2},
         true},
        {"calls naming empty entries are dropped first",
         {4},
         {7, 0, 0, 0, 0, 0, 0},
         0,
         {4, 0, 0, 0, 0, 0, 0},
         {},
         true},
        {"no phone given: no event call",
         {},
         {0, 0, 0, 0, 0, 0, 0},
         0,
         {0, 0, 0, 0, 0, 0, 0},
         {1},
         false},
        {"no restore phone given: restore call off",
         {6},
         {0, 0, 0, 0, 1, 0, 0},
         0,
         {6, 0, 0, 0, 0, 0, 0},
         {1},
         true},
    };
    for (const Case& c : cases) {
        ConfigurationModel m = StartupModel();
        for (int slot : c.phones)
            PutPhone(m, slot);
        setState(m.input(2), c.before);
        ScriptedAsker ask;
        for (int i = 0; i < c.answers; ++i)
            ask.answers.push_back("+700" + std::to_string(i));
        const bool result = ApplyClipDefaults(m, InputClipCalls(m.input(2)), ask.asker());
        EXPECT_EQ(result, c.result) << c.what;
        EXPECT_EQ(stateOf(m.input(2)), c.after) << c.what;
        ASSERT_EQ(ask.questions.size(), c.askedSlots.size()) << c.what;
        for (const PhoneQuestion& q : ask.questions)
            EXPECT_TRUE(q.required) << c.what;
        for (int slot : c.askedSlots) {
            if (slot <= c.answers) {
                EXPECT_TRUE(PhoneUsed(m, slot)) << c.what;
            }
        }
    }
}

TEST(ClipRules, ACallTakingTheSlotOfAnotherHandsItsOldSlotOn) {
    struct Case {
        const char* what;
        CallState before;
        ClipColumn column;
        int slot;
        CallState after;
    };
    const Case cases[] = {
        {"Ev1 on the restore row swaps",
         {4, 6, 0, 0, 1, 0, 0},
         ClipColumn::Event1,
         6,
         {6, 4, 0, 0, 1, 0, 0}},
        {"Ev1 on a free row moves alone",
         {4, 6, 0, 0, 1, 0, 0},
         ClipColumn::Event1,
         8,
         {8, 6, 0, 0, 1, 0, 0}},
        {"Ev1 swap drags event 2 along",
         {4, 6, 4, 6, 1, 1, 1},
         ClipColumn::Event1,
         6,
         {6, 4, 6, 4, 1, 1, 1}},
        {"Ev1 ignores a restore call that is off",
         {4, 6, 0, 0, 0, 0, 0},
         ClipColumn::Event1,
         6,
         {6, 6, 0, 0, 0, 0, 0}},
        {"Res1 on the event row swaps",
         {4, 6, 0, 0, 1, 0, 0},
         ClipColumn::Restore1,
         4,
         {6, 4, 0, 0, 1, 0, 0}},
        {"Res1 swaps with event 2 and drags restore 2",
         {4, 6, 8, 6, 1, 1, 1},
         ClipColumn::Restore1,
         8,
         {4, 8, 6, 8, 1, 1, 1}},
        {"Ev2 on the row of restore 2 swaps and drags event 1",
         {8, 6, 8, 6, 1, 1, 1},
         ClipColumn::Event2,
         6,
         {6, 8, 6, 8, 1, 1, 1}},
        {"Res2 on the row of event 1",
         {4, 6, 8, 6, 1, 1, 1},
         ClipColumn::Restore2,
         4,
         {6, 4, 8, 4, 1, 1, 1}},
        {"Res2 while restore 2 is off does nothing",
         {4, 6, 8, 9, 1, 0, 1},
         ClipColumn::Restore2,
         4,
         {4, 6, 8, 9, 1, 0, 1}},
        {"Ev2 while group 2 is off does nothing",
         {4, 6, 8, 0, 1, 0, 0},
         ClipColumn::Event2,
         9,
         {4, 6, 8, 0, 1, 0, 0}},
        {"a call with no slot hands nothing on",
         {4, 0, 0, 0, 1, 0, 0},
         ClipColumn::Restore1,
         4,
         {4, 4, 0, 0, 1, 0, 0}},
    };
    for (const Case& c : cases) {
        ConfigurationModel m = ModelWithPhones({4, 6, 8, 9});
        setState(m.input(2), c.before);
        ScriptedAsker ask;
        ClickClipCell(m, InputClipCalls(m.input(2)), c.slot, c.column, ask.asker());
        EXPECT_EQ(stateOf(m.input(2)), c.after) << c.what;
        EXPECT_TRUE(ask.questions.empty()) << c.what;
    }
}

TEST(ClipRules, ACallColumnOnAnEmptySlotAsksForANumberFirst) {
    ConfigurationModel m = ModelWithPhones({4});
    setState(m.input(1), {4, 0, 0, 0, 0, 0, 0});
    ScriptedAsker ask;
    ClickClipCell(m, InputClipCalls(m.input(1)), 7, ClipColumn::Event1, ask.asker());
    ASSERT_EQ(ask.questions.size(), 1u);
    EXPECT_FALSE(ask.questions[0].required);
    EXPECT_STREQ(ask.questions[0].labelKey, "F7_EPHON_ENT_PHON");
    EXPECT_EQ(m.input(1).ClipPhone1, 4); // cancelled: nothing changes

    ask.answers = {"+7912"};
    ClickClipCell(m, InputClipCalls(m.input(1)), 7, ClipColumn::Event1, ask.asker());
    EXPECT_TRUE(PhoneUsed(m, 7));
    EXPECT_EQ(m.input(1).ClipPhone1, 7);
}

TEST(ClipRules, ThePhoneColumnEditsTheEntryAskingHardOnlyForCallsInUse) {
    ConfigurationModel m = ModelWithPhones({4, 6});
    setState(m.input(1), {4, 6, 0, 0, 0, 0, 0}); // restore call off: 6 is not in use
    ScriptedAsker ask;
    const ClipCalls calls = InputClipCalls(m.input(1));
    ClickClipCell(m, calls, 4, ClipColumn::Phone, ask.asker());
    ClickClipCell(m, calls, 6, ClipColumn::Phone, ask.asker());
    ClickClipCell(m, calls, 9, ClipColumn::Phone, ask.asker());
    ASSERT_EQ(ask.questions.size(), 3u);
    EXPECT_TRUE(ask.questions[0].required);
    EXPECT_EQ(ask.questions[0].number, m.phone(4).Number);
    EXPECT_FALSE(ask.questions[1].required); // the phone book's Edit with several used entries
    EXPECT_EQ(ask.questions[1].number, m.phone(6).Number);
    // An empty slot can be left without a number.
    EXPECT_FALSE(ask.questions[2].required);
    EXPECT_TRUE(ask.questions[2].number.empty());
    EXPECT_FALSE(PhoneUsed(m, 9));
}

TEST(ClipRules, HeaderTogglesRestoreCallsOntoAFreeEntry) {
    struct Case {
        const char* what;
        std::vector<int> phones;
        CallState before;
        ClipColumn column;
        std::optional<Text> answer;
        CallState after;
        int askedSlot; // 0: no question
    };
    const Case cases[] = {
        {"Res1 on takes the highest free entry",
         {2, 4, 6},
         {4, 4, 0, 0, 0, 0, 0},
         ClipColumn::Restore1,
         std::nullopt,
         {4, 6, 0, 0, 1, 0, 0},
         0},
        {"Res1 on keeps a fitting phone",
         {2, 4, 6},
         {4, 2, 0, 0, 0, 0, 0},
         ClipColumn::Restore1,
         std::nullopt,
         {4, 2, 0, 0, 1, 0, 0},
         0},
        {"Res1 keeps clear of event 2 while group 2 is on",
         {2, 4, 6},
         {4, 6, 6, 0, 0, 0, 1},
         ClipColumn::Restore1,
         std::nullopt,
         {4, 2, 6, 0, 1, 0, 1},
         0},
        {"Res1 off",
         {2, 4},
         {4, 2, 0, 0, 1, 0, 0},
         ClipColumn::Restore1,
         std::nullopt,
         {4, 2, 0, 0, 0, 0, 0},
         0},
        {"Res1 with one phone asks for the first other slot",
         {1},
         {1, 0, 0, 0, 0, 0, 0},
         ClipColumn::Restore1,
         Text("+7999"),
         {1, 2, 0, 0, 1, 0, 0},
         2},
        {"Res1 stays off without a phone",
         {1},
         {1, 0, 0, 0, 0, 0, 0},
         ClipColumn::Restore1,
         std::nullopt,
         {1, 0, 0, 0, 0, 0, 0},
         2},
        {"Res2 needs group 2",
         {2, 4, 6},
         {4, 6, 4, 0, 1, 0, 0},
         ClipColumn::Restore2,
         std::nullopt,
         {4, 6, 4, 0, 1, 0, 0},
         0},
        {"Res2 avoids both event calls",
         {2, 4, 6},
         {4, 2, 6, 4, 1, 0, 1},
         ClipColumn::Restore2,
         std::nullopt,
         {4, 2, 6, 2, 1, 1, 1},
         0},
    };
    for (const Case& c : cases) {
        ConfigurationModel m = StartupModel();
        for (int slot : c.phones)
            PutPhone(m, slot);
        setState(m.input(3), c.before);
        ScriptedAsker ask;
        ask.answers.push_back(c.answer);
        ToggleClipRestoreCall(m, InputClipCalls(m.input(3)), c.column, ask.asker());
        EXPECT_EQ(stateOf(m.input(3)), c.after) << c.what;
        if (c.askedSlot == 0) {
            EXPECT_TRUE(ask.questions.empty()) << c.what;
        } else {
            ASSERT_EQ(ask.questions.size(), 1u) << c.what;
            EXPECT_TRUE(ask.questions[0].required) << c.what;
        }
    }
}

TEST(ClipRules, GroupTwoStartsOnTheFirstEventPhoneAndDropsRestoreTwo) {
    ConfigurationModel m = ModelWithPhones({3, 5});
    setState(m.input(1), {3, 5, 9, 5, 1, 1, 0}); // event 2 names an empty entry
    SetClipGroup2(m, InputClipCalls(m.input(1)), true);
    EXPECT_EQ(stateOf(m.input(1)), (CallState{3, 5, 3, 5, 1, 0, 1}));

    setState(m.input(1), {3, 5, 5, 3, 1, 1, 1});
    SetClipGroup2(m, InputClipCalls(m.input(1)), true);
    EXPECT_EQ(m.input(1).ClipPhone3, 5); // a used entry stays
    SetClipGroup2(m, InputClipCalls(m.input(1)), false);
    EXPECT_EQ(stateOf(m.input(1)), (CallState{3, 5, 5, 3, 1, 0, 0}));
}

TEST(ClipRules, ThePeriodicTestMakesEventCallsOnly) {
    ConfigurationModel m = ModelWithPhones({2, 4});
    m.TestClipPhone1 = 2;
    m.TestClipPhone2 = 4;
    m.TestClipPhone2Used = 1; // from a file: no restore call is offered anyway
    const ClipCalls calls = PeriodicClipCalls(m);
    EXPECT_FALSE(ClipColumnActive(calls, ClipColumn::Restore1));
    ScriptedAsker ask;
    ClickClipCell(m, calls, 4, ClipColumn::Event1, ask.asker());
    EXPECT_EQ(m.TestClipPhone1, 4);
    EXPECT_EQ(m.TestClipPhone2, 4); // no hand-on to a call that is not made
    ToggleClipRestoreCall(m, calls, ClipColumn::Restore1, ask.asker());
    EXPECT_EQ(m.TestClipPhone2Used, 1);
    EXPECT_TRUE(ask.questions.empty());
}
