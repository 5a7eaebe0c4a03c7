#pragma once

// What the commands of skarvion-cli share: exit codes, one-line errors,
// argument parsing, loading configurations and writing output files.

#include "model/configuration_model.h"

#include <QByteArray>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <optional>

namespace skarvion::cli {

enum ExitCode { ExitSuccess = 0, ExitFailed = 1, ExitBadInput = 2 };

// Prints "skarvion-cli: message" on standard error and returns `code`.
int fail(int code, const QString& message);

// Prints "skarvion-cli: warning: message" on standard error.
void warn(const QString& message);

// Parses a command's arguments; on a usage error prints it and returns false.
// `positional` is the number of file arguments the command takes.
bool parseCommandLine(QCommandLineParser& parser, const QString& command,
                      const QStringList& arguments, int positional);

// A configuration read from a file, or the exit code and message of the failure.
struct LoadedConfiguration {
    std::optional<ConfigurationModel> model;
    int exitCode = ExitSuccess;
    QString error;
};

bool IsJsonPath(const QString& path);

// Starts from the program's start-up model and reads a project file, a JSON
// file (by its ".json" name) or, with `rawImage`, a bare 900-byte device image.
LoadedConfiguration loadConfiguration(const QString& path, bool rawImage = false);

// Replaces `path` only by a complete new file. Returns an error text or nothing.
std::optional<QString> writeOutputFile(const QString& path, const QByteArray& bytes);

// Writes the model as a project file, reporting a failure as an exit code.
int saveProject(const QString& path, const ConfigurationModel& model);

// Standard output as UTF-8 text or raw bytes.
void printOut(const QByteArray& bytes);

} // namespace skarvion::cli
