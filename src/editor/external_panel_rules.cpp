#include "editor/external_panel_rules.h"

#include "editor/phone_book_rules.h"
#include "model/windows1251.h"

namespace skarvion {

namespace {

constexpr std::size_t AccountLength = 4;

struct OptionalPhone {
    PhoneRef& phone;
    Flag& used;
};

OptionalPhone optionalPhone(ConfigurationModel& model, int which) {
    if (which == 3) return {model.CrowPhone3, model.CrowPhone3Used};
    return {model.CrowPhone2, model.CrowPhone2Used};
}

} // namespace

void SetCrowAccountCharacter(ConfigurationModel& model, int position, const QString& field) {
    if (position < 1 || position > static_cast<int>(AccountLength)) return;
    const QString upper = field.left(1).toUpper();
    const Text character = upper.isEmpty() ? Text("0") : ToWindows1251(upper).value_or(Text("0"));
    if (model.CrowAccount.size() < AccountLength) model.CrowAccount.resize(AccountLength, '0');
    model.CrowAccount[static_cast<std::size_t>(position - 1)] = character.front();
}

QString CrowAccountCharacter(const ConfigurationModel& model, int position) {
    const auto index = static_cast<std::size_t>(position - 1);
    if (position < 1 || index >= model.CrowAccount.size()) return {};
    return FromWindows1251(model.CrowAccount.substr(index, 1));
}

void RepairCrowPhones(ConfigurationModel& model) {
    const std::vector<int> used = UsedPhoneSlots(model);
    if (used.empty()) {
        model.CrowPhone1 = model.CrowPhone2 = model.CrowPhone3 = 0;
        model.CrowPhone2Used = model.CrowPhone3Used = 0;
        return;
    }
    if (!PhoneUsed(model, model.CrowPhone1)) model.CrowPhone1 = static_cast<PhoneRef>(used.front());
    for (int which : {2, 3}) {
        OptionalPhone phone = optionalPhone(model, which);
        if (phone.used && !PhoneUsed(model, phone.phone)) {
            phone.phone = 0;
            phone.used = 0;
        }
    }
}

void SetCrowOptionalPhone(ConfigurationModel& model, int which, int slot) {
    if (which != 2 && which != 3) return;
    OptionalPhone phone = optionalPhone(model, which);
    const bool valid = slot >= 1 && slot <= PhoneBookSize;
    phone.phone = valid ? static_cast<PhoneRef>(slot) : PhoneRef{0};
    phone.used = valid ? 1 : 0;
}

PhoneRef ShownCrowPhone(const ConfigurationModel& model, int which) {
    switch (which) {
    case 1:
        return model.CrowPhone1;
    case 2:
        return model.CrowPhone2Used ? model.CrowPhone2 : PhoneRef{0};
    case 3:
        return model.CrowPhone3Used ? model.CrowPhone3 : PhoneRef{0};
    default:
        return 0;
    }
}

bool CrowConditionApplies(const ConfigurationModel& model) {
    return model.CrowPhone2Used || model.CrowPhone3Used;
}

} // namespace skarvion
