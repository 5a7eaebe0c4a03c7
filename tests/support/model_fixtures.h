#pragma once

// Models and images shared by the test suites.

#include "model/configuration_model.h"
#include "model/device_image.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace skarvion::testing {

// Windows-1251 bytes of a UTF-8 literal.
std::string cp1251(const char* utf8);

// A model with every report channel of every input, output, test and monitor
// in use, phones in the book, control-panel options and print information set.
ConfigurationModel FullyConfiguredModel();

// Bytes drawn uniformly, every one of the 900.
DeviceImage RandomImage(std::mt19937& random);

// Field-by-field comparison naming every field that differs by its JSON path.
::testing::AssertionResult ModelsEqual(const ConfigurationModel& expected,
                                       const ConfigurationModel& actual);

} // namespace skarvion::testing
