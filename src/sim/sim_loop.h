#pragma once

// The simulator's main loop: reads what the program sends on the terminal,
// lets the transmitter answer, and paces the answers at 9600 baud.

#include "sim/pseudo_terminal.h"
#include "sim/sim_options.h"

#include <csignal>

namespace skarvion::sim {

// Runs until `stop` becomes non-zero; returns the process exit code.
int RunSimulator(const SimOptions& options, PseudoTerminal& terminal,
                 const volatile std::sig_atomic_t& stop);

} // namespace skarvion::sim
