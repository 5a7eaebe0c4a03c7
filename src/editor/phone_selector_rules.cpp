#include "editor/phone_selector_rules.h"

#include "editor/phone_book_rules.h"

#include <algorithm>

namespace skarvion {

std::vector<int> PhoneSelectorItems(const ConfigurationModel& model,
                                    const PhoneSelectorRule& rule) {
    std::vector<int> items = UsedPhoneSlots(model, rule.lastSlot);
    if (rule.optional || items.empty()) items.insert(items.begin(), 0);
    return items;
}

int ListedPhoneCount(const std::vector<int>& items) {
    return static_cast<int>(
        std::count_if(items.begin(), items.end(), [](int s) { return s != 0; }));
}

int LoadPhoneSelector(const ConfigurationModel& model, const std::vector<int>& items,
                      const PhoneSelectorRule& rule, PhoneRef& reference) {
    if (rule.optional && reference != 0 && !PhoneUsed(model, reference)) reference = 0;
    const auto listed = std::find(items.begin(), items.end(), reference);
    if (reference != 0 && listed != items.end()) return static_cast<int>(listed - items.begin());
    if (!rule.optional)
        reference = items.empty() ? 0 : static_cast<PhoneRef>(items.front());
    else if (!rule.keepUnlisted)
        reference = 0;
    return 0;
}

} // namespace skarvion
