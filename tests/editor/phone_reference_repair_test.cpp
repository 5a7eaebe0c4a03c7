#include "editor/phone_reference_repair.h"

#include "editor/phone_book_rules.h"

#include "model_fixtures.h"
#include "phone_test_support.h"

#include <gtest/gtest.h>

#include <random>

using namespace skarvion;
using namespace skarvion::testing;

namespace {

// Empties a slot the way every page does, which runs the repair.
void empty(ConfigurationModel& m, int slot) {
    ClearPhoneEntry(m, slot);
}

::testing::AssertionResult everyReferenceNamesAUsedEntry(const ConfigurationModel& m) {
    for (const NamedReference& ref : AllPhoneReferences(m)) {
        if (ref.value != 0 && !PhoneUsed(m, ref.value))
            return ::testing::AssertionFailure()
                   << ref.name << " names empty entry " << int(ref.value);
    }
    return ::testing::AssertionSuccess();
}

struct ClipView {
    PhoneRef event1, restore1, event2, restore2;
    bool restore1Used, restore2Used, group2;
};

std::vector<std::pair<std::string, ClipView>> clipOwners(const ConfigurationModel& m) {
    std::vector<std::pair<std::string, ClipView>> owners;
    for (int n = 1; n <= InputCount; ++n) {
        const InputRecord& in = m.input(n);
        owners.push_back({"input " + std::to_string(n),
                          {in.ClipPhone1, in.ClipPhone2, in.ClipPhone3, in.ClipPhone4,
                           in.ClipPhone2Used != 0, in.ClipPhone4Used != 0, in.Clip2Enabled != 0}});
    }
    owners.push_back(
        {"GSM test",
         {m.GsmClipPhone1, m.GsmClipPhone2, m.GsmClipPhone3, m.GsmClipPhone4,
          m.GsmClipPhone2Used != 0, m.GsmClipPhone4Used != 0, m.GsmClip2Enabled != 0}});
    owners.push_back(
        {"periodic test",
         {m.TestClipPhone1, m.TestClipPhone2, m.TestClipPhone3, m.TestClipPhone4,
          m.TestClipPhone2Used != 0, m.TestClipPhone4Used != 0, m.TestClip2Enabled != 0}});
    return owners;
}

::testing::AssertionResult clipGroupsKeepEventAndRestoreApart(const ConfigurationModel& m) {
    if (UsedPhoneCount(m) < 2) return ::testing::AssertionSuccess();
    for (const auto& [owner, c] : clipOwners(m)) {
        if (c.restore1Used && c.event1 != 0 && c.event1 == c.restore1)
            return ::testing::AssertionFailure() << owner << ": group 1 calls one entry twice";
        if (c.group2 && c.restore2Used && c.event2 != 0 && c.event2 == c.restore2)
            return ::testing::AssertionFailure() << owner << ": group 2 calls one entry twice";
    }
    return ::testing::AssertionSuccess();
}

} // namespace

TEST(PhoneReferenceRepair, FirstPhoneMovesDownOptionalPhonesAreDropped) {
    ConfigurationModel m = ModelWithPhones({3, 5, 7});
    m.input(2).SmsPhones = {7, 7, 3};
    empty(m, 7);
    EXPECT_EQ(m.input(2).SmsPhones, (std::array<PhoneRef, 3>{5, 0, 3}));
}

TEST(PhoneReferenceRepair, FirstPhoneWithNothingBelowTakesTheLowestUsedEntry) {
    ConfigurationModel m = ModelWithPhones({2, 5, 9});
    m.input(1).AlarmPhones = {2, 9, 0};
    m.input(3).DataPhone1 = 2;
    m.input(3).DataPhone2 = 2;
    empty(m, 2);
    EXPECT_EQ(m.input(1).AlarmPhones, (std::array<PhoneRef, 3>{5, 9, 0}));
    EXPECT_EQ(m.input(3).DataPhone1, 5);
    EXPECT_EQ(m.input(3).DataPhone2, 0);
}

TEST(PhoneReferenceRepair, ShortListsOnlyConsiderEntriesOneToNine) {
    struct Case {
        std::initializer_list<int> used;
        PhoneRef output, input;
    };
    const Case cases[] = {
        {{2, 4, 12}, 2, 2}, // an entry below 4 within 1..9
        {{4, 12, 15},
         0,
         12}, // nothing left in 1..9: the output phone goes, the input phone moves up
    };
    for (const Case& c : cases) {
        ConfigurationModel m = ModelWithPhones(c.used);
        m.output(1).SmsControlPhone = 4;
        m.output(3).AnswerPhone = 4;
        m.TestSmsPhones[0] = 4;
        m.input(4).SmsPhones[0] = 4;
        empty(m, 4);
        EXPECT_EQ(m.output(1).SmsControlPhone, c.output);
        EXPECT_EQ(m.output(3).AnswerPhone, c.output);
        EXPECT_EQ(m.TestSmsPhones[0], c.output);
        EXPECT_EQ(m.input(4).SmsPhones[0], c.input);
    }
}

TEST(PhoneReferenceRepair, EmptyingTheOnlyEntryClearsEveryReference) {
    ConfigurationModel m = FullyConfiguredModel();
    for (int slot = 2; slot <= PhoneBookSize; ++slot)
        empty(m, slot);
    ASSERT_EQ(UsedPhoneCount(m), 1);
    empty(m, 1);
    for (const NamedReference& ref : AllPhoneReferences(m))
        EXPECT_EQ(ref.value, 0) << ref.name;
    for (const auto& [owner, c] : clipOwners(m)) {
        EXPECT_EQ(c.event1, 0) << owner;
        EXPECT_FALSE(c.restore1Used || c.restore2Used || c.group2) << owner;
    }
}

TEST(PhoneReferenceRepair, WithOneEntryLeftClipKeepsOnlyTheEventCall) {
    ConfigurationModel m = ModelWithPhones({3, 6});
    InputRecord& in = m.input(2);
    in.ClipPhone1 = 3;
    in.ClipPhone2 = 6;
    in.ClipPhone2Used = 1;
    in.Clip2Enabled = 1;
    in.ClipPhone3 = 6;
    in.ClipPhone4 = 3;
    in.ClipPhone4Used = 1;
    empty(m, 6);
    EXPECT_EQ(in.ClipPhone1, 3);
    EXPECT_FALSE(in.ClipPhone2Used);
    EXPECT_FALSE(in.ClipPhone4Used);
    EXPECT_FALSE(in.Clip2Enabled);
    EXPECT_TRUE(everyReferenceNamesAUsedEntry(m));
    // An owner that did not call the entry keeps its settings.
    EXPECT_EQ(m.input(3).ClipPhone1, 0);
    EXPECT_TRUE(m.input(3).ClipPhone2Used);
}

TEST(PhoneReferenceRepair, ClipCallMovesToAnEntryItsPartnerDoesNotCall) {
    // Entry 5 goes; the event call would move down to 4, which the restore
    // call of its group already calls.
    ConfigurationModel m = ModelWithPhones({2, 4, 5});
    m.GsmClipPhone1 = 5;
    m.GsmClipPhone2 = 4;
    m.GsmClipPhone2Used = 1;
    empty(m, 5);
    EXPECT_EQ(m.GsmClipPhone1, 2);
    EXPECT_EQ(m.GsmClipPhone2, 4);
}

TEST(PhoneReferenceRepair, InactiveClipCallNamingTheEntryIsCleared) {
    ConfigurationModel m = ModelWithPhones({1, 2, 3});
    m.TestClipPhone1 = 1;
    m.TestClipPhone2 = 3;
    m.TestClipPhone2Used = 0;
    empty(m, 3);
    EXPECT_EQ(m.TestClipPhone2, 0);
    EXPECT_EQ(m.TestClipPhone1, 1);
}

// The arming record, the voltage test, the panel adapter and the optional
// test phones all reach the device; none may be left naming an empty entry.
TEST(PhoneReferenceRepair, PhonesBeyondTheInputsAreRepairedToo) {
    ConfigurationModel m = ModelWithPhones({1, 2});
    m.arm().SmsPhones = {2, 2, 0};
    m.VoltSmsPhone1 = 2;
    m.VoltSmsPhone2 = 2;
    m.VoltDataPhone1 = 2;
    m.CrowPhone1 = 2;
    m.CrowPhone3 = 2;
    m.CrowPhone3Used = 1;
    m.TestSmsPhones = {1, 2, 2};
    m.TestDataPhone2 = 2;
    empty(m, 2);
    EXPECT_EQ(m.arm().SmsPhones, (std::array<PhoneRef, 3>{1, 0, 0}));
    EXPECT_EQ(m.VoltSmsPhone1, 1);
    EXPECT_EQ(m.VoltSmsPhone2, 0);
    EXPECT_EQ(m.VoltDataPhone1, 1);
    EXPECT_EQ(m.CrowPhone1, 1);
    EXPECT_EQ(m.CrowPhone3, 0);
    EXPECT_FALSE(m.CrowPhone3Used);
    EXPECT_EQ(m.TestSmsPhones, (std::array<PhoneRef, 3>{1, 0, 0}));
    EXPECT_EQ(m.TestDataPhone2, 0);
}

// Entries of a fully configured model emptied in random orders: after each
// step every reference names a used entry and no CLIP group calls one entry
// for both its event and its restore.
TEST(PhoneReferenceRepair, RandomDeletionsKeepEveryReferenceValid) {
    std::mt19937 random(2050);
    for (int round = 0; round < 40; ++round) {
        ConfigurationModel m = FullyConfiguredModel();
        for (int slot = 6; slot <= 12; ++slot)
            PutPhone(m, slot);
        std::vector<int> order{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
        std::shuffle(order.begin(), order.end(), random);
        ASSERT_TRUE(everyReferenceNamesAUsedEntry(m));
        for (int slot : order) {
            empty(m, slot);
            ASSERT_TRUE(everyReferenceNamesAUsedEntry(m)) << "round " << round << " after " << slot;
            ASSERT_TRUE(clipGroupsKeepEventAndRestoreApart(m))
                << "round " << round << " after " << slot;
        }
    }
}

TEST(PhoneBookDefaults, FirstEntryBecomesEveryFirstPhoneAndTheOnlyClipCall) {
    ConfigurationModel m = ModelWithPhones({5});
    for (int n = 1; n <= 4; ++n) {
        m.input(n).ClipPhone2 = 7;
        m.input(n).ClipPhone2Used = 1;
        m.input(n).Clip2Enabled = 1;
    }
    ApplyPhoneBookDefaults(m, 5);
    for (int n = 1; n <= 4; ++n) {
        EXPECT_EQ(m.input(n).SmsPhones[0], 5);
        EXPECT_EQ(m.input(n).AlarmPhones[0], 5);
        EXPECT_EQ(m.input(n).ClipPhone1, 5);
        EXPECT_EQ(m.input(n).ClipPhone2, 0);
        EXPECT_FALSE(m.input(n).ClipPhone2Used);
        EXPECT_FALSE(m.input(n).Clip2Enabled);
    }
    for (PhoneRef ref :
         {m.output(1).SmsControlPhone, m.output(3).AnswerPhone, m.GsmSmsPhone1, m.GsmDataPhones[0],
          m.TestSmsPhones[0], m.TestDataPhone1, m.CrowPhone1, m.GsmClipPhone1, m.TestClipPhone1})
        EXPECT_EQ(ref, 5);
}

TEST(PhoneBookDefaults, SecondEntryBecomesTheRestoreCallOfAnotherEvent) {
    ConfigurationModel m = ModelWithPhones({2, 8});
    m.input(1).ClipPhone1 = 2; // another entry: the restore call takes 8
    m.input(2).ClipPhone1 = 8; // the same entry: nothing changes
    m.input(3).ClipPhone1 = 2;
    m.input(3).ClipPhone2 = 2; // already set
    m.input(1).SmsPhones[0] = 2;
    ApplyPhoneBookDefaults(m, 8);
    EXPECT_EQ(m.input(1).ClipPhone2, 8);
    EXPECT_EQ(m.input(2).ClipPhone2, 0);
    EXPECT_EQ(m.input(3).ClipPhone2, 2);
    EXPECT_EQ(m.input(1).SmsPhones[0], 2);
    EXPECT_EQ(m.input(4).SmsPhones[0], 8);
}

TEST(PhoneBookDefaults, EnteredPhoneFillsOnlyTheInputSmsAndOutputPhones) {
    ConfigurationModel m = ModelWithPhones({4});
    m.input(2).SmsPhones[0] = 1;
    ApplyEnteredPhoneDefaults(m, 4);
    EXPECT_EQ(m.input(1).SmsPhones[0], 4);
    EXPECT_EQ(m.input(2).SmsPhones[0], 1);
    EXPECT_EQ(m.input(1).AlarmPhones[0], 0);
    EXPECT_EQ(m.input(1).ClipPhone1, 0);
    EXPECT_EQ(m.output(2).SmsControlPhone, 4);
    EXPECT_EQ(m.output(2).AnswerPhone, 4);
    EXPECT_EQ(m.GsmSmsPhone1, 0);
}
