#pragma once

// The simulator's command line.

#include "sim/simulated_transmitter.h"

#include <string>
#include <vector>

namespace skarvion::sim {

struct SimOptions {
    TransmitterOptions transmitter;
    std::string statePath; // empty: nothing kept between runs
    std::string linkPath;  // empty: no symbolic link to the terminal
    bool quiet = false;
    bool help = false;
};

struct ParsedOptions {
    SimOptions options;
    std::string error; // empty when the command line was understood
};

ParsedOptions ParseSimOptions(const std::vector<std::string>& arguments);

extern const char* const SimUsage;

} // namespace skarvion::sim
