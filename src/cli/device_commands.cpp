// The device commands: ports, read and write over a serial port.

#include "cli/device_commands.h"

#include "cli/cli_support.h"
#include "cli/terminal_transfer_view.h"

#include "link/comm_port_driver_ex.h"
#include "link/device_operations.h"
#include "link/event_loop_pump.h"
#include "locale/language_texts.h"
#include "model/model_operations.h"

#include <QFileInfo>

namespace skarvion::cli {

namespace {

const QCommandLineOption PortOption("port", "Serial port name or device path.", "port");
const QCommandLineOption OutputOption({"o", "output"}, "Output project file.", "file");
const QCommandLineOption YesOption("yes", "Write without asking.");
const QCommandLineOption LanguageOption("language", "Texts from a language file.", "file");

// Reads --language into the texts; an error text when the file is missing.
std::optional<QString> applyLanguage(const QCommandLineParser& parser, LanguageTexts& texts) {
    if (!parser.isSet(LanguageOption)) return std::nullopt;
    const QString path = parser.value(LanguageOption);
    if (!QFileInfo(path).isFile()) return path + ": no such language file";
    texts.applyLanguageFile(path, QString());
    return std::nullopt;
}

bool requirePort(const QCommandLineParser& parser, const QString& command) {
    if (parser.isSet(PortOption) && !parser.value(PortOption).isEmpty()) return true;
    fail(ExitBadInput, command + ": the serial port is missing (--port PORT)");
    return false;
}

// The clock, pump and view of one transfer on the terminal.
struct TerminalTransfer {
    TerminalTransfer(const LanguageTexts& texts, bool assumeYes) : view(texts, assumeYes) {}
    SteadyMillisecondClock clock;
    EventLoopPump pump;
    TerminalTransferView view;
    LinkEnvironment environment{clock, pump, view, view, view};
};

int exitCodeOf(TransferOutcome outcome, const QString& command) {
    switch (outcome) {
    case TransferOutcome::Success:
        return ExitSuccess;
    case TransferOutcome::Cancelled:
        return fail(ExitFailed, command + ": cancelled, nothing was sent");
    case TransferOutcome::Failure:
        break;
    }
    return ExitFailed;
}

} // namespace

int commandPorts(const QStringList& arguments) {
    QCommandLineParser parser;
    if (!parseCommandLine(parser, "ports", arguments, 0)) return ExitBadInput;
    TCommPortDriverEx port;
    port.ScanPorts();
    QByteArray out;
    for (int i = 1; i <= port.CommCount(); ++i)
        out += QByteArray::fromStdString(port.CommName(i)) + '\n';
    printOut(out);
    return ExitSuccess;
}

int commandRead(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.addOption(PortOption);
    parser.addOption(OutputOption);
    parser.addOption(LanguageOption);
    if (!parseCommandLine(parser, "read", arguments, 0) || !requirePort(parser, "read"))
        return ExitBadInput;
    if (!parser.isSet(OutputOption))
        return fail(ExitBadInput, "read: the output file is missing (-o FILE)");
    LanguageTexts texts;
    if (const auto error = applyLanguage(parser, texts)) return fail(ExitFailed, *error);

    TCommPortDriverEx port;
    port.setPortName(parser.value(PortOption).toStdString());
    TerminalTransfer transfer(texts, true);
    ConfigurationModel model = StartupModel();
    DeviceImage readImage{};
    const TransferOutcome outcome = ReadDevice(model, readImage, port, transfer.environment);
    if (outcome != TransferOutcome::Success) return exitCodeOf(outcome, "read");
    return saveProject(parser.value(OutputOption), model);
}

int commandWrite(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.addOption(PortOption);
    parser.addOption(YesOption);
    parser.addOption(LanguageOption);
    if (!parseCommandLine(parser, "write", arguments, 1) || !requirePort(parser, "write"))
        return ExitBadInput;
    LanguageTexts texts;
    if (const auto error = applyLanguage(parser, texts)) return fail(ExitFailed, *error);
    const auto loaded = loadConfiguration(parser.positionalArguments().first());
    if (!loaded.model) return fail(loaded.exitCode, loaded.error);

    TCommPortDriverEx port;
    port.setPortName(parser.value(PortOption).toStdString());
    TerminalTransfer transfer(texts, parser.isSet(YesOption));
    return exitCodeOf(WriteDevice(*loaded.model, WorkCode, port, transfer.environment), "write");
}

} // namespace skarvion::cli
