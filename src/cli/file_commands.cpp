// Commands on configuration files: new, export, import, image, verify, diff.

#include "cli/cli_commands.h"
#include "cli/cli_support.h"

#include "app/model_json.h"
#include "app/project_file.h"
#include "app/project_messages.h"
#include "locale/language_texts.h"
#include "model/device_image.h"
#include "model/model_operations.h"

#include <QFile>

namespace skarvion::cli {

namespace {

const QCommandLineOption OutputOption({"o", "output"}, "Output file.", "file");
const QCommandLineOption RawOption("raw", "The input is a bare 900-byte device image.");

QByteArray hexDump(const DeviceImage& image) {
    QByteArray out;
    for (int offset = 0; offset < DeviceImageSize; offset += 16) {
        out += QByteArray::number(offset, 16).rightJustified(4, '0').toUpper() + ':';
        for (int k = offset; k < offset + 16 && k < DeviceImageSize; ++k)
            out += ' ' + QByteArray::number(image[static_cast<std::size_t>(k)], 16)
                             .rightJustified(2, '0')
                             .toUpper();
        out += '\n';
    }
    return out;
}

// Writes to the -o file, or to standard output without one.
int writeResult(const QCommandLineParser& parser, const QByteArray& bytes) {
    if (!parser.isSet(OutputOption)) {
        printOut(bytes);
        return ExitSuccess;
    }
    if (const auto error = writeOutputFile(parser.value(OutputOption), bytes))
        return fail(ExitFailed, *error);
    return ExitSuccess;
}

bool requireOutput(const QCommandLineParser& parser, const QString& command) {
    if (parser.isSet(OutputOption)) return true;
    fail(ExitBadInput, command + ": the output file is missing (-o FILE)");
    return false;
}

} // namespace

int commandNew(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.addOption(OutputOption);
    if (!parseCommandLine(parser, "new", arguments, 0) || !requireOutput(parser, "new"))
        return ExitBadInput;
    return saveProject(parser.value(OutputOption), StartupModel());
}

int commandExport(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.addOption(OutputOption);
    parser.addOption(RawOption);
    if (!parseCommandLine(parser, "export", arguments, 1)) return ExitBadInput;
    const auto loaded = loadConfiguration(parser.positionalArguments().first(), parser.isSet(RawOption));
    if (!loaded.model) return fail(loaded.exitCode, loaded.error);
    return writeResult(parser, ModelToJson(*loaded.model));
}

int commandImport(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.addOption(OutputOption);
    if (!parseCommandLine(parser, "import", arguments, 1) || !requireOutput(parser, "import"))
        return ExitBadInput;
    const QString input = parser.positionalArguments().first();
    if (!IsJsonPath(input)) return fail(ExitBadInput, input + ": import reads a .json file");
    const auto loaded = loadConfiguration(input);
    if (!loaded.model) return fail(loaded.exitCode, loaded.error);
    for (const JsonError& warning : ConsistencyWarnings(*loaded.model))
        warn(input + ": " + warning.path + ": " + warning.message);
    return saveProject(parser.value(OutputOption), *loaded.model);
}

int commandImage(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.addOption(OutputOption);
    if (!parseCommandLine(parser, "image", arguments, 1)) return ExitBadInput;
    const auto loaded = loadConfiguration(parser.positionalArguments().first());
    if (!loaded.model) return fail(loaded.exitCode, loaded.error);
    const DeviceImage image = EncodeImage(*loaded.model);
    if (!parser.isSet(OutputOption)) return writeResult(parser, hexDump(image));
    return writeResult(parser, QByteArray(reinterpret_cast<const char*>(image.data()), DeviceImageSize));
}

int commandVerify(const QStringList& arguments) {
    QCommandLineParser parser;
    if (!parseCommandLine(parser, "verify", arguments, 1)) return ExitBadInput;
    const QString path = parser.positionalArguments().first();
    ConfigurationModel model = StartupModel();
    const ProjectFileResult result = ReadProjectFile(path, model);
    if (!result.ok()) {
        const QString message = ProjectFileMessage(result, LanguageTexts());
        return fail(ExitFailed, message.contains(path) ? message : path + ": " + message);
    }
    printOut((path + ": OK\n").toLocal8Bit());
    return ExitSuccess;
}

int commandDiff(const QStringList& arguments) {
    QCommandLineParser parser;
    if (!parseCommandLine(parser, "diff", arguments, 2)) return ExitBadInput;
    const QStringList files = parser.positionalArguments();
    const auto a = loadConfiguration(files[0]);
    if (!a.model) return fail(ExitBadInput, a.error);
    const auto b = loadConfiguration(files[1]);
    if (!b.model) return fail(ExitBadInput, b.error);

    const auto left = FlattenModel(*a.model);
    const auto right = FlattenModel(*b.model);
    QByteArray out;
    for (std::size_t i = 0; i < left.size(); ++i) {
        if (left[i].value != right[i].value)
            out += (left[i].path + ": " + left[i].value + " -> " + right[i].value + '\n').toUtf8();
    }
    printOut(out);
    return out.isEmpty() ? ExitSuccess : ExitFailed;
}

} // namespace skarvion::cli
