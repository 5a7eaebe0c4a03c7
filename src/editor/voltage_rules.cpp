#include "editor/voltage_rules.h"

namespace skarvion {

namespace {

Flag& testFlag(ConfigurationModel& model, SupplyTest test) {
    return test == SupplyTest::Battery ? model.DcTestEnabled : model.AcTestEnabled;
}

void clearAllPhones(ConfigurationModel& model) {
    model.VoltDataPhone1 = 0;
    model.VoltDataPhone2 = 0;
    model.VoltSmsPhone1 = 0;
    model.VoltSmsPhone2 = 0;
}

// A reference to an entry without a number is no phone.
void dropEmpty(const ConfigurationModel& model, PhoneRef& reference) {
    if (reference != 0 && !PhoneUsed(model, reference)) reference = 0;
}

// A first phone for a channel that has none: the lowest used entry, else
// one asked for in slot 1 (with no entry in use, the first empty slot).
// 0 when none can be had.
PhoneRef newFirstPhone(ConfigurationModel& model, const PhoneAsker& ask) {
    const std::vector<int> used = UsedPhoneSlots(model);
    if (!used.empty()) return static_cast<PhoneRef>(used.front());
    constexpr int slot = 1;
    if (!ask) return 0;
    return EnterPhone(model, slot, true, ask) ? PhoneRef{slot} : PhoneRef{0};
}

} // namespace

void SetSupplyTestEnabled(ConfigurationModel& model, SupplyTest test, bool on) {
    testFlag(model, test) = on ? 1 : 0;
    const SupplyTest other = test == SupplyTest::Battery ? SupplyTest::Mains : SupplyTest::Battery;
    if (testFlag(model, other)) return;
    model.VoltMethods = 0;
    if (!on) clearAllPhones(model);
}

void CompactPhonePair(PhoneRef& first, PhoneRef& second) {
    if (first != 0 || second == 0) return;
    first = second;
    second = 0;
}

PhoneRef& VoltagePhone(ConfigurationModel& model, Byte channel, int which) {
    if (channel == MethodData) return which == 1 ? model.VoltDataPhone1 : model.VoltDataPhone2;
    return which == 1 ? model.VoltSmsPhone1 : model.VoltSmsPhone2;
}

bool SetVoltageChannel(ConfigurationModel& model, Byte channel, bool checked,
                       const PhoneAsker& ask) {
    if (channel != MethodSms && channel != MethodData) return false;
    PhoneRef& phone1 = VoltagePhone(model, channel, 1);
    PhoneRef& phone2 = VoltagePhone(model, channel, 2);
    if (!checked) {
        if (model.VoltMethods == channel) {
            model.DcTestEnabled = 0;
            model.AcTestEnabled = 0;
        }
        model.VoltMethods = static_cast<Byte>(model.VoltMethods & ~channel);
        phone1 = 0;
        phone2 = 0;
        return false;
    }
    PhoneRef first = phone1;
    PhoneRef second = phone2;
    dropEmpty(model, first);
    dropEmpty(model, second);
    CompactPhonePair(first, second);
    if (first == 0) first = newFirstPhone(model, ask);
    if (first == 0) return (model.VoltMethods & channel) != 0;
    phone1 = first;
    phone2 = second;
    model.VoltMethods = static_cast<Byte>(model.VoltMethods | channel);
    model.DcTestEnabled = 1;
    return true;
}

const SupplyTestFigures& FixedSupplyFigures(SupplyTest test) {
    static const SupplyTestFigures battery{"10,5", "12,0", "60", "60"};
    static const SupplyTestFigures mains{nullptr, nullptr, "600", "60"};
    return test == SupplyTest::Battery ? battery : mains;
}

const SupplySmsText SupplySmsTexts[SupplySmsTextCount] = {
    {"Memo10", "VCLabel1", "VOLT_EVMES_DC_C", "Battery discharged"},
    {"Memo11", "VCLabel2", "VOLT_RSMES_DC_C", "Norm Battery Level"},
    {"Memo12", "VCLabel3", "VOLT_EVMES_AC_C", "Power AC 220V Loss"},
    {"Memo13", "VCLabel4", "VOLT_RSMES_AC_C", "Power AC 220V Restore"},
};

} // namespace skarvion
