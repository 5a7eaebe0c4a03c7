#pragma once

// The configuration model described as data: every field with its name, its
// place in the model and the values it may hold. The JSON export and import
// and the field-by-field comparison walk these tables.

#include "model/configuration_model.h"

#include <cstdint>
#include <span>
#include <variant>

namespace skarvion {

// Which characters a text may hold, beyond being Windows-1251.
enum class TextRule {
    Any,
    Dtmf,        // digits, A..D (either case), "*" and "#"
    PhoneDigits, // digits, "+" and "-"
};

template <class Record>
using FieldMember =
    std::variant<std::uint8_t Record::*, std::int16_t Record::*, std::int32_t Record::*,
                 Text Record::*, std::array<std::uint8_t, 3> Record::*,
                 std::array<std::uint8_t, 4> Record::*>;

template <class Record>
struct FieldSpec {
    const char* name;
    FieldMember<Record> member;
    int min = 0;         // numbers: smallest value; texts: unused
    int max = 255;       // numbers: largest value; texts: most bytes
    TextRule rule = TextRule::Any;
};

std::span<const FieldSpec<ConfigurationModel>> TopFieldsBeforePhoneBook();
std::span<const FieldSpec<ConfigurationModel>> TopFieldsAfterOutputs();
std::span<const FieldSpec<PhoneEntry>> PhoneEntryFields();
std::span<const FieldSpec<InputRecord>> InputFields();
std::span<const FieldSpec<OutputRecord>> OutputFields();
std::span<const FieldSpec<PrintInformation>> PrintInfoFields();

} // namespace skarvion
