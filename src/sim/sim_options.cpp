#include "sim/sim_options.h"

namespace skarvion::sim {

const char* const SimUsage =
    "Usage: skarvion-sim [options]\n"
    "A software Skarvion 2050 CPU block on a pseudo-terminal. Prints the terminal's path,\n"
    "then answers the configuration program on it until interrupted.\n"
    "\n"
    "  --state FILE          keep the written configuration in FILE across restarts\n"
    "  --link PATH           also make PATH a symbolic link to the terminal\n"
    "  --silent              never answer (a device that is off or not connected)\n"
    "  --dump-header TEXT    answer the dump-header request with TEXT instead of DUMP005\n"
    "  --identification TEXT the text after the dump header (default \" SK2050 v5.10\")\n"
    "  --corrupt-echo        echo the configuration frame with one byte changed\n"
    "  --work-code CODE      the code whose digest authorises a commit (default 8461)\n"
    "  --quiet               do not report the exchange on standard error\n"
    "  --help                show this text\n";

ParsedOptions ParseSimOptions(const std::vector<std::string>& arguments) {
    ParsedOptions parsed;
    SimOptions& o = parsed.options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& arg = arguments[i];
        const auto value = [&](std::string& target) {
            if (i + 1 >= arguments.size()) {
                parsed.error = arg + " needs a value";
                return;
            }
            target = arguments[++i];
        };
        if (arg == "--state") value(o.statePath);
        else if (arg == "--link") value(o.linkPath);
        else if (arg == "--dump-header") value(o.transmitter.dumpHeader);
        else if (arg == "--identification") value(o.transmitter.identification);
        else if (arg == "--work-code") value(o.transmitter.workCode);
        else if (arg == "--silent") o.transmitter.silent = true;
        else if (arg == "--corrupt-echo") o.transmitter.corruptEcho = true;
        else if (arg == "--quiet") o.quiet = true;
        else if (arg == "--help" || arg == "-h") o.help = true;
        else parsed.error = "unknown option " + arg;
        if (!parsed.error.empty()) break;
    }
    return parsed;
}

} // namespace skarvion::sim
