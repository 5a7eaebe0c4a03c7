// skarvion-cli: the configuration tool for scripts and terminals.

#include "cli/cli_commands.h"
#include "cli/cli_support.h"
#include "cli/device_commands.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstring>

namespace skarvion::cli {

// The report command (report_command.cpp) paints, so it runs in a GUI
// application that runReportProgram creates in place of the usual one.
int commandReport(const QStringList& arguments);
int runReportProgram(int argc, char* argv[]);

namespace {

const CliCommand commandTable[] = {
    {"new", "-o FILE", commandNew},
    {"export", "FILE [-o OUT.json] [--raw]", commandExport},
    {"import", "IN.json -o FILE", commandImport},
    {"image", "FILE [-o OUT.bin]", commandImage},
    {"verify", "FILE", commandVerify},
    {"summary", "FILE [--section NAME] [--markup] [--language FILE]", commandSummary},
    {"diff", "A B", commandDiff},
    {"report", "FILE -o OUT.pdf [--language FILE]", commandReport},
    {"ports", "", commandPorts},
    {"read", "--port PORT -o FILE [--language FILE]", commandRead},
    {"write", "--port PORT FILE [--yes] [--language FILE]", commandWrite},
};

void printHelp() {
    std::printf("Usage: skarvion-cli COMMAND [ARGUMENTS]\n\nCommands:\n");
    for (const CliCommand& command : Commands())
        std::printf("  %-8s %s\n", command.name, command.usage);
    std::printf("\nFILE arguments ending in .json are JSON configurations, others project files.\n"
                "Exit codes: 0 success, 1 the operation failed, 2 bad usage or bad input.\n");
}

} // namespace

std::span<const CliCommand> Commands() {
    return commandTable;
}

} // namespace skarvion::cli

int main(int argc, char* argv[]) {
    using namespace skarvion::cli;
    if (argc > 1 && std::strcmp(argv[1], "report") == 0) return runReportProgram(argc, argv);
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    if (arguments.isEmpty() || arguments.first() == "help" || arguments.first() == "--help" ||
        arguments.first() == "-h") {
        printHelp();
        return arguments.isEmpty() ? ExitBadInput : ExitSuccess;
    }
    const QString name = arguments.takeFirst();
    for (const CliCommand& command : Commands()) {
        if (name != command.name) continue;
        if (!command.run) return fail(ExitBadInput, name + ": this command is not available yet");
        return command.run(arguments);
    }
    return fail(ExitBadInput, "unknown command '" + name + "', see 'skarvion-cli help'");
}
