#include "editor/phone_selector_rules.h"

#include "phone_test_support.h"

#include <gtest/gtest.h>

using namespace skarvion;
using namespace skarvion::testing;

namespace {

constexpr PhoneSelectorRule First{};
constexpr PhoneSelectorRule FirstShort{9, false, false};
constexpr PhoneSelectorRule Optional{PhoneBookSize, true, false};
constexpr PhoneSelectorRule OptionalKept{9, true, true};

} // namespace

TEST(PhoneSelectorRules, ItemsListUsedEntriesAfterNoneForOptionalSelectors) {
    const ConfigurationModel m = ModelWithPhones({3, 9, 12});
    EXPECT_EQ(PhoneSelectorItems(m, First), (std::vector<int>{3, 9, 12}));
    EXPECT_EQ(PhoneSelectorItems(m, FirstShort), (std::vector<int>{3, 9}));
    EXPECT_EQ(PhoneSelectorItems(m, Optional), (std::vector<int>{0, 3, 9, 12}));
    EXPECT_EQ(ListedPhoneCount(PhoneSelectorItems(m, Optional)), 3);

    const ConfigurationModel none = ModelWithPhones({});
    EXPECT_EQ(PhoneSelectorItems(none, First), (std::vector<int>{0}));
    EXPECT_EQ(ListedPhoneCount(PhoneSelectorItems(none, First)), 0);
}

TEST(PhoneSelectorRules, LoadShowsOrRepairsTheReference) {
    struct Case {
        const char* what;
        std::initializer_list<int> used;
        PhoneSelectorRule rule;
        PhoneRef before;
        int shown;
        PhoneRef after;
    };
    const Case cases[] = {
        {"first, listed", {3, 5}, First, 5, 1, 5},
        {"first, unset takes the first entry", {3, 5}, First, 0, 0, 3},
        {"first, empty slot", {3, 5}, First, 4, 0, 3},
        {"first, outside 1..9", {3, 12}, FirstShort, 12, 0, 3},
        {"first, nothing listed", {12}, FirstShort, 12, 0, 0},
        {"first, no entry at all", {}, First, 7, 0, 0},
        {"optional, listed", {3, 5}, Optional, 5, 2, 5},
        {"optional, unset", {3, 5}, Optional, 0, 0, 0},
        {"optional, empty slot", {3, 5}, Optional, 4, 0, 0},
        {"optional, empty slot even where kept", {3, 5}, OptionalKept, 4, 0, 0},
        {"optional, outside the list is kept", {3, 12}, OptionalKept, 12, 0, 12},
        {"optional, outside the list is dropped", {3, 12}, Optional, 41, 0, 0},
    };
    for (const Case& c : cases) {
        const ConfigurationModel m = ModelWithPhones(c.used);
        PhoneRef reference = c.before;
        EXPECT_EQ(LoadPhoneSelector(m, PhoneSelectorItems(m, c.rule), c.rule, reference), c.shown)
            << c.what;
        EXPECT_EQ(reference, c.after) << c.what;
    }
}
