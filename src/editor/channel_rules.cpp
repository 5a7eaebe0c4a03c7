#include "editor/channel_rules.h"

#include <string>

namespace skarvion {

const Text ArmingAlarmHeading =
    "ALARM \xEE \xEF\xEE\xF1\xF2\xE0\xED\xEE\xE2\xEA\xE5"; // о постановке
const Text ArmingClipHeading =
    "CLIP \xEE \xEF\xEE\xF1\xF2\xE0\xED\xEE\xE2\xEA\xE5/\xF1\xED\xFF\xF2\xE8\xE8"; // о
                                                                                   // постановке/снятии
const Text ArmingDataHeading =
    "DATA \xEE \xEF\xEE\xF1\xF2\xE0\xED\xEE\xE2\xEA\xE5/\xF1\xED\xFF\xF2\xE8\xE8";
const Text ArmingSmsHeading = "\xD2\xE5\xEA\xF1\xF2 SMS \xEE "
                              "\xEF\xEE\xF1\xF2\xE0\xED\xEE\xE2\xEA\xE5/\xF1\xED\xFF\xF2\xE8\xE8";
// "Способ отправки отчета о постановке/снятии"
const Text ArmingReportHeading =
    "\xD1\xEF\xEE\xF1\xEE\xE1 \xEE\xF2\xEF\xF0\xE0\xE2\xEA\xE8 \xEE\xF2\xF7\xE5\xF2\xE0 \xEE "
    "\xEF\xEE\xF1\xF2\xE0\xED\xEE\xE2\xEA\xE5/\xF1\xED\xFF\xF2\xE8\xE8";

namespace {

const Text RussianArming = "\xCF\xEE\xF1\xF2\xE0\xED\xEE\xE2\xEA\xE0"; // "Постановка"
const Text RussianDisarming = "\xD1\xED\xFF\xF2\xE8\xE5";              // "Снятие"

// Replaces the first "%s" or "%d" of a language text. Texts come from
// language files, so they are never handed to printf.
Text fillPlaceholder(const Text& format, const Text& value) {
    for (std::size_t i = 0; i + 1 < format.size(); ++i) {
        if (format[i] == '%' && (format[i + 1] == 's' || format[i + 1] == 'd'))
            return format.substr(0, i) + value + format.substr(i + 2);
    }
    return format;
}

} // namespace

Text ChannelPageHeading(const LanguageTexts& texts, const char* formatKey, int input,
                        const Text& armingHeading) {
    if (input == ArmingRecord) return armingHeading;
    const Text owner = fillPlaceholder(texts.text("CAPTIONPAGESMSTEXTEx4"), std::to_string(input));
    return fillPlaceholder(texts.text(formatKey), owner);
}

bool AlarmConditionApplies(const InputRecord& record) {
    return record.AlarmPhones[1] != 0 || record.AlarmPhones[2] != 0;
}

void SetArmingTextsRussian(ConfigurationModel& model, bool russian) {
    InputRecord& arm = model.arm();
    arm.RussianTexts = russian ? 1 : 0;
    arm.AlarmText = russian ? RussianArming : Text("ARMED");
    arm.RestoreText = russian ? RussianDisarming : Text("DISARMED");
}

} // namespace skarvion
