#include "editor/zone_rules.h"

#include "model/model_operations.h"

#include <gtest/gtest.h>

using namespace skarvion;

TEST(ZoneRules, OnlyInputTwoIsEntryExitAndWalkThroughNeedsIt) {
    ConfigurationModel m = StartupModel();
    m.input(2).ZoneType = ZoneEntryExit;
    m.input(3).ZoneType = ZonePerimeter;
    EXPECT_EQ(ZoneTypeChoices(m, 2), (ZoneTypeButtons{{true, true, true, false}, 0}));
    EXPECT_EQ(ZoneTypeChoices(m, 3), (ZoneTypeButtons{{false, true, true, true}, 2}));

    m.input(2).ZoneType = Zone24Hour;
    for (int n : {1, 3, 4})
        EXPECT_FALSE(ZoneTypeChoices(m, n).enabled[3]) << n;
    EXPECT_EQ(ZoneTypeChoices(m, 2).checked, 1);

    m.input(4).ZoneType = 7;
    EXPECT_EQ(ZoneTypeChoices(m, 4).checked, -1) << "a type from nowhere checks nothing";
    EXPECT_EQ(ZoneTypeChoices(m, 5), ZoneTypeButtons{});
}

TEST(ZoneRules, InputTwoLeavingEntryExitEndsWalkThroughZones) {
    ConfigurationModel m = StartupModel();
    for (int n : {1, 3, 4})
        m.input(n).ZoneType = ZoneWalkThrough;
    m.input(2).ZoneType = ZoneEntryExit;
    SetZoneType(m, 2, ZonePerimeter);
    EXPECT_EQ(m.input(2).ZoneType, ZonePerimeter);
    EXPECT_EQ(m.input(1).ZoneType, ZonePerimeter);
    EXPECT_EQ(m.input(3).ZoneType, ZonePerimeter);
    EXPECT_EQ(m.input(4).ZoneType, Zone24Hour);
}

TEST(ZoneRules, SwingerCountKeepsItsBounds) {
    ConfigurationModel m = StartupModel();
    const std::pair<int, int> cases[] = {{0, 1}, {1, 1}, {200, 200}, {255, 255}, {999, 255}};
    for (const auto& [typed, stored] : cases) {
        SetSwingerCount(m, 3, typed);
        EXPECT_EQ(m.input(3).SwingerCount, stored) << typed;
    }
    const ConfigurationModel before = m;
    SetSwingerCount(m, 5, 9);
    EXPECT_EQ(m, before) << "the panel record has no swinger limit";
}
