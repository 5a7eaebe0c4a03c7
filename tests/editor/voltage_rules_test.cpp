#include "editor/voltage_rules.h"

#include "editor/settings_tree.h"

#include "phone_test_support.h"

#include <gtest/gtest.h>

using namespace skarvion;
using namespace skarvion::testing;

namespace {

const TreeNode& node(int kind) {
    for (const TreeNode& n : SettingsTreeNodes())
        if (n.kind == kind) return n;
    ADD_FAILURE() << "no node of kind " << kind;
    return SettingsTreeNodes().front();
}

// An asker that answers with a number and counts its questions.
struct Asker {
    std::optional<Text> answer = Text("+79001234567");
    std::vector<PhoneQuestion> questions;
    PhoneAsker operator()() {
        return [this](const PhoneQuestion& q) {
            questions.push_back(q);
            return answer;
        };
    }
};

// Both tests on, both channels with both phones.
ConfigurationModel reportingModel() {
    ConfigurationModel m = ModelWithPhones({2, 5});
    m.AcTestEnabled = m.DcTestEnabled = 1;
    m.VoltMethods = MethodSms | MethodData;
    m.VoltSmsPhone1 = m.VoltDataPhone1 = 2;
    m.VoltSmsPhone2 = m.VoltDataPhone2 = 5;
    return m;
}

} // namespace

TEST(VoltageRules, SwitchingATestWhileTheOtherIsOffStartsTheReportsOver) {
    struct Case {
        const char* name;
        SupplyTest test;
        bool on;
        bool otherOn;
        Byte methods;
        bool phonesKept;
    };
    const Case cases[] = {
        {"battery off, mains off", SupplyTest::Battery, false, false, 0, false},
        {"battery off, mains on", SupplyTest::Battery, false, true, MethodSms | MethodData, true},
        {"battery on, mains off", SupplyTest::Battery, true, false, 0, true},
        {"mains off, battery off", SupplyTest::Mains, false, false, 0, false},
        {"mains on, battery on", SupplyTest::Mains, true, true, MethodSms | MethodData, true},
    };
    for (const Case& c : cases) {
        ConfigurationModel m = reportingModel();
        Flag& other = c.test == SupplyTest::Battery ? m.AcTestEnabled : m.DcTestEnabled;
        other = c.otherOn;
        SetSupplyTestEnabled(m, c.test, c.on);
        EXPECT_EQ(c.test == SupplyTest::Battery ? m.DcTestEnabled : m.AcTestEnabled, c.on)
            << c.name;
        EXPECT_EQ(m.VoltMethods, c.methods) << c.name;
        const PhoneRef first = c.phonesKept ? 2 : 0;
        const PhoneRef second = c.phonesKept ? 5 : 0;
        EXPECT_EQ(m.VoltSmsPhone1, first) << c.name;
        EXPECT_EQ(m.VoltSmsPhone2, second) << c.name;
        EXPECT_EQ(m.VoltDataPhone1, first) << c.name;
        EXPECT_EQ(m.VoltDataPhone2, second) << c.name;
    }
}

TEST(VoltageRules, ClearingTheOnlyChannelSwitchesBothTestsOff) {
    ConfigurationModel m = reportingModel();
    m.VoltMethods = MethodSms;
    EXPECT_FALSE(SetVoltageChannel(m, MethodSms, false, {}));
    EXPECT_EQ(m.VoltMethods, 0);
    EXPECT_EQ(m.AcTestEnabled, 0);
    EXPECT_EQ(m.DcTestEnabled, 0);
    EXPECT_EQ(m.VoltSmsPhone1, 0);
    EXPECT_EQ(m.VoltSmsPhone2, 0);
    EXPECT_EQ(NodeIcon(node(KindVoltageTest), m), TreeIcon::InputDisabled);
    EXPECT_FALSE(NodeEnabled(node(KindVoltageSms), m));
    EXPECT_EQ(m.VoltDataPhone1, 2) << "the other channel's phones stay";

    ConfigurationModel both = reportingModel();
    SetVoltageChannel(both, MethodData, false, {});
    EXPECT_EQ(both.VoltMethods, MethodSms);
    EXPECT_EQ(both.DcTestEnabled, 1);
    EXPECT_EQ(both.VoltDataPhone1, 0);
    EXPECT_EQ(both.VoltSmsPhone1, 2);
}

TEST(VoltageRules, TickingAChannelGivesItAFirstPhone) {
    struct Case {
        const char* name;
        Byte channel;
        PhoneRef phone1, phone2;
        PhoneRef expected1, expected2;
    };
    // Entries 3 and 7 hold numbers.
    const Case cases[] = {
        {"second moves up", MethodSms, 0, 7, 7, 0},
        {"first kept", MethodSms, 7, 3, 7, 3},
        {"lowest used entry", MethodData, 0, 0, 3, 0},
        {"empty entry dropped before moving up", MethodData, 9, 7, 7, 0},
        {"empty second entry dropped", MethodData, 0, 9, 3, 0},
        {"empty first entry on SMS too", MethodSms, 12, 0, 3, 0},
    };
    for (const Case& c : cases) {
        ConfigurationModel m = ModelWithPhones({3, 7});
        VoltagePhone(m, c.channel, 1) = c.phone1;
        VoltagePhone(m, c.channel, 2) = c.phone2;
        Asker asker;
        EXPECT_TRUE(SetVoltageChannel(m, c.channel, true, asker())) << c.name;
        EXPECT_TRUE(asker.questions.empty()) << c.name;
        EXPECT_EQ(VoltagePhone(m, c.channel, 1), c.expected1) << c.name;
        EXPECT_EQ(VoltagePhone(m, c.channel, 2), c.expected2) << c.name;
        EXPECT_EQ(m.VoltMethods, c.channel) << c.name;
        EXPECT_EQ(m.DcTestEnabled, 1) << c.name;
        EXPECT_EQ(m.AcTestEnabled, 0) << c.name;
    }
}

TEST(VoltageRules, WithAnEmptyPhoneBookTheFirstSlotIsAskedFor) {
    ConfigurationModel m = ModelWithPhones({});
    Asker asker;
    EXPECT_TRUE(SetVoltageChannel(m, MethodData, true, asker()));
    ASSERT_EQ(asker.questions.size(), 1u);
    EXPECT_TRUE(asker.questions[0].required);
    EXPECT_EQ(m.VoltDataPhone1, 1);
    EXPECT_FALSE(m.phone(1).Empty);
    EXPECT_EQ(m.DcTestEnabled, 1);
    EXPECT_TRUE(NodeEnabled(node(KindVoltageData), m));
}

TEST(VoltageRules, AChannelThatGetsNoPhoneStaysOff) {
    for (std::optional<Text> answer : {std::optional<Text>(), std::optional<Text>("+1")}) {
        ConfigurationModel m = ModelWithPhones({});
        const ConfigurationModel before = m;
        Asker asker;
        asker.answer = answer;
        EXPECT_FALSE(SetVoltageChannel(m, MethodSms, true, asker()));
        EXPECT_EQ(m, before) << "nothing changes without a phone";
    }
    ConfigurationModel m = ModelWithPhones({});
    EXPECT_FALSE(SetVoltageChannel(m, MethodSms, true, {})) << "no asker, no phone";
    EXPECT_EQ(m.VoltMethods, 0);
}
