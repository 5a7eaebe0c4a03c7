#pragma once

// The configuration model as JSON: one object with "format" and "version"
// first, then every field under its own name in the model's order.

#include "model/configuration_model.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace skarvion {

inline constexpr const char* JsonFormatName = "skarvion-2050";
inline constexpr int JsonFormatVersion = 1;

QByteArray ModelToJson(const ConfigurationModel& model);

// What is wrong with a JSON configuration: the JSON path of the field
// ("Inputs[1].SmsPhones[2]"; empty for the document itself) and why.
struct JsonError {
    QString path;
    QString message;
};

// Overwrites the fields the JSON names; the others keep the values `model`
// already has. On an error the model is left untouched.
std::optional<JsonError> ModelFromJson(const QByteArray& json, ConfigurationModel& model);

// Fields whose values contradict each other, so that what is stored is not
// what the JSON seems to say: a phone number in an entry marked Empty, an
// account that differs from the one the test event code carries.
std::vector<JsonError> ConsistencyWarnings(const ConfigurationModel& model);

// Every field as its JSON path and its value written as JSON, in model order.
struct FieldValue {
    QString path;
    QString value;
};
std::vector<FieldValue> FlattenModel(const ConfigurationModel& model);

} // namespace skarvion
