#include "editor/contact_id_rules.h"

#include <cctype>

namespace skarvion {

char EventCodeCharacter(const Text& eventCode, int index) {
    if (index < 0 || index >= EventCodeLength) return '0';
    const auto at = static_cast<std::size_t>(index);
    return at < eventCode.size() ? eventCode[at] : '0';
}

void SetEventCodeCharacter(Text& eventCode, int index, const Text& field) {
    if (index < 0 || index >= EventCodeLength) return;
    if (eventCode.size() < EventCodeLength) eventCode.resize(EventCodeLength, '0');
    const char c = field.empty() ? '0' : field.front();
    eventCode[static_cast<std::size_t>(index)] =
        static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

} // namespace skarvion
