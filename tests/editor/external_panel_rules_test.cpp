#include "editor/external_panel_rules.h"

#include "phone_test_support.h"

#include <gtest/gtest.h>

using namespace skarvion;
using namespace skarvion::testing;

TEST(ExternalPanelRules, ObjectNumberCharactersAreUpperCasedAndEmptyMeansZero) {
    ConfigurationModel m = ModelWithPhones({});
    m.CrowAccount = "12";
    SetCrowAccountCharacter(m, 4, QStringLiteral("b"));
    EXPECT_EQ(m.CrowAccount, "120B") << "a short account is padded with 0";
    SetCrowAccountCharacter(m, 1, QString());
    EXPECT_EQ(m.CrowAccount, "020B");
    SetCrowAccountCharacter(m, 2, QStringLiteral("*"));
    EXPECT_EQ(m.CrowAccount, "0*0B");
    SetCrowAccountCharacter(m, 5, QStringLiteral("7"));
    EXPECT_EQ(m.CrowAccount, "0*0B");
    EXPECT_EQ(CrowAccountCharacter(m, 4), QStringLiteral("B"));
}

TEST(ExternalPanelRules, PhonesNameUsedEntriesBeforeTheyAreShown) {
    ConfigurationModel m = ModelWithPhones({4, 9});
    m.CrowPhone1 = 6; // empty
    m.CrowPhone2 = 9;
    m.CrowPhone2Used = 1;
    m.CrowPhone3 = 12; // empty
    m.CrowPhone3Used = 1;
    RepairCrowPhones(m);
    EXPECT_EQ(m.CrowPhone1, 4);
    EXPECT_EQ(m.CrowPhone2, 9);
    EXPECT_EQ(m.CrowPhone2Used, 1);
    EXPECT_EQ(m.CrowPhone3, 0);
    EXPECT_EQ(m.CrowPhone3Used, 0);

    m.CrowPhone3 = 0;
    m.CrowPhone3Used = 1; // in use but naming nothing
    RepairCrowPhones(m);
    EXPECT_EQ(m.CrowPhone3Used, 0);

    ConfigurationModel none = ModelWithPhones({});
    none.CrowPhone1 = 1;
    none.CrowPhone2 = 2;
    none.CrowPhone3 = 3;
    none.CrowPhone2Used = none.CrowPhone3Used = 1;
    RepairCrowPhones(none);
    EXPECT_EQ(none.CrowPhone1 | none.CrowPhone2 | none.CrowPhone3, 0);
    EXPECT_EQ(none.CrowPhone2Used | none.CrowPhone3Used, 0);
}

TEST(ExternalPanelRules, ChoosingNoneSwitchesAPhoneOffAndTheConditionWithIt) {
    ConfigurationModel m = ModelWithPhones({1, 2, 3});
    SetCrowOptionalPhone(m, 2, 3);
    EXPECT_EQ(m.CrowPhone2, 3);
    EXPECT_EQ(m.CrowPhone2Used, 1);
    EXPECT_TRUE(CrowConditionApplies(m));
    EXPECT_EQ(ShownCrowPhone(m, 2), 3);

    SetCrowOptionalPhone(m, 2, 0);
    EXPECT_EQ(m.CrowPhone2, 0);
    EXPECT_EQ(m.CrowPhone2Used, 0);
    EXPECT_FALSE(CrowConditionApplies(m));

    m.CrowPhone3 = 2; // kept but not in use
    EXPECT_EQ(ShownCrowPhone(m, 3), 0);
}
