#pragma once

// The commands of skarvion-cli. Each takes the arguments after its name and
// returns the process exit code.

#include <QStringList>

#include <span>

namespace skarvion::cli {

using CommandFunction = int (*)(const QStringList& arguments);

struct CliCommand {
    const char* name;
    const char* usage; // the arguments, as shown in the help
    CommandFunction run; // null while the command is not available yet
};

// Every command, in the order the help lists them.
std::span<const CliCommand> Commands();

int commandNew(const QStringList& arguments);
int commandExport(const QStringList& arguments);
int commandImport(const QStringList& arguments);
int commandImage(const QStringList& arguments);
int commandVerify(const QStringList& arguments);
int commandDiff(const QStringList& arguments);
int commandSummary(const QStringList& arguments);

} // namespace skarvion::cli
