#pragma once

// Characteristic configurations for the summary tests.

#include "model/configuration_model.h"

#include <string>
#include <vector>

namespace skarvion::testing {

// Windows-1251 bytes of a UTF-8 literal.
std::string cp1251(const std::string& utf8);

// The model of a new project.
ConfigurationModel FreshModel();

// Every report channel on, with one, two, three and four phones, phones that
// must be cleaned, out-of-range values and texts with slashes.
ConfigurationModel FullModel();

// FullModel in control-panel mode, with every test switched off and a zero
// test period.
ConfigurationModel PanelModel();

// The expected sections of a fixture file: "[name]" lines, each followed by
// its lines (UTF-8 in the file, Windows-1251 here).
struct ExpectedSection {
    std::string name;
    std::vector<std::string> lines;
};
std::vector<ExpectedSection> ReadExpectedSections(const std::string& fileName);

} // namespace skarvion::testing
