// skarvion-sim: a software transmitter CPU block on a pseudo-terminal.

#include "sim/pseudo_terminal.h"
#include "sim/sim_loop.h"
#include "sim/sim_options.h"

#include <csignal>
#include <cstdio>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void requestStop(int) {
    stopRequested = 1;
}

void installSignalHandlers() {
    struct sigaction action {};
    action.sa_handler = requestStop;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
}

} // namespace

int main(int argc, char** argv) {
    using namespace skarvion::sim;
    const ParsedOptions parsed = ParseSimOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.error.empty()) {
        std::fprintf(stderr, "skarvion-sim: %s\n%s", parsed.error.c_str(), SimUsage);
        return 2;
    }
    const SimOptions& options = parsed.options;
    if (options.help) {
        std::fputs(SimUsage, stdout);
        return 0;
    }

    installSignalHandlers();
    PseudoTerminal terminal;
    if (!terminal.create()) {
        std::fprintf(stderr, "skarvion-sim: cannot create a pseudo-terminal: %s\n",
                     terminal.error().c_str());
        return 1;
    }
    if (!options.linkPath.empty()) {
        ::unlink(options.linkPath.c_str());
        if (::symlink(terminal.path().c_str(), options.linkPath.c_str()) != 0) {
            std::fprintf(stderr, "skarvion-sim: cannot create the link %s\n",
                         options.linkPath.c_str());
            return 1;
        }
    }
    std::printf("%s\n", terminal.path().c_str());
    std::fflush(stdout);

    const int code = RunSimulator(options, terminal, stopRequested);
    if (!options.linkPath.empty()) ::unlink(options.linkPath.c_str());
    return code;
}
