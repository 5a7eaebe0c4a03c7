#pragma once

// Small rules of the channel pages of an input record: their headings, the
// ALARM condition, and the arming texts of record 5 in Russian or English.

#include "locale/language_texts.h"
#include "model/configuration_model.h"

namespace skarvion {

// Windows-1251 headings of the arming record's channel pages.
extern const Text ArmingAlarmHeading; // "ALARM о постановке"
extern const Text ArmingClipHeading;  // "CLIP о постановке/снятии"
extern const Text ArmingDataHeading;  // "DATA о постановке/снятии"
extern const Text ArmingSmsHeading;   // "Текст SMS о постановке/снятии"
extern const Text ArmingReportHeading; // "Способ отправки отчета о постановке/снятии"

// A channel page heading: the text of `formatKey` ("CLIP настройки %s") with
// "Вход n" for input 1..4; the arming record's own heading for record 5.
Text ChannelPageHeading(const LanguageTexts& texts, const char* formatKey, int input,
                        const Text& armingHeading);

// The OR/AND choice between the ALARM phones applies while a second or
// third phone is chosen.
bool AlarmConditionApplies(const InputRecord& record);

// The "Русский" box of the arming record: the arming and disarming texts in
// Russian ("Постановка", "Снятие") or English ("ARMED", "DISARMED").
void SetArmingTextsRussian(ConfigurationModel& model, bool russian);

} // namespace skarvion
