#include "sim/sim_options.h"

#include <functional>
#include <string_view>

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

namespace {

using ValueSetter = std::function<void(SimOptions&, const std::string&)>;
using FlagSetter = std::function<void(SimOptions&)>;

const std::pair<std::string_view, ValueSetter> ValueOptions[] = {
    {"--state", [](SimOptions& o, const std::string& v) { o.statePath = v; }},
    {"--link", [](SimOptions& o, const std::string& v) { o.linkPath = v; }},
    {"--dump-header", [](SimOptions& o, const std::string& v) { o.transmitter.dumpHeader = v; }},
    {"--identification",
     [](SimOptions& o, const std::string& v) { o.transmitter.identification = v; }},
    {"--work-code", [](SimOptions& o, const std::string& v) { o.transmitter.workCode = v; }},
};

const std::pair<std::string_view, FlagSetter> FlagOptions[] = {
    {"--silent", [](SimOptions& o) { o.transmitter.silent = true; }},
    {"--corrupt-echo", [](SimOptions& o) { o.transmitter.corruptEcho = true; }},
    {"--quiet", [](SimOptions& o) { o.quiet = true; }},
    {"--help", [](SimOptions& o) { o.help = true; }},
    {"-h", [](SimOptions& o) { o.help = true; }},
};

} // namespace

ParsedOptions ParseSimOptions(const std::vector<std::string>& arguments) {
    ParsedOptions parsed;
    for (std::size_t i = 0; i < arguments.size() && parsed.error.empty(); ++i) {
        const std::string& arg = arguments[i];
        bool known = false;
        for (const auto& [name, set] : ValueOptions) {
            if (arg != name) continue;
            known = true;
            if (i + 1 < arguments.size())
                set(parsed.options, arguments[++i]);
            else
                parsed.error = arg + " needs a value";
        }
        for (const auto& [name, set] : FlagOptions) {
            if (arg != name) continue;
            known = true;
            set(parsed.options);
        }
        if (!known) parsed.error = "unknown option " + arg;
    }
    return parsed;
}

} // namespace skarvion::sim
