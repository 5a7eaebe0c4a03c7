// The report command: the two-page printed report as a PDF file.

#include "cli/cli_commands.h"
#include "cli/cli_support.h"

#include "locale/language_texts.h"
#include "summary/report_layout.h"
#include "summary/report_painter.h"

#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>

namespace skarvion::cli {

namespace {

const QCommandLineOption OutputOption({"o", "output"}, "The PDF file to write.", "file");
const QCommandLineOption LanguageOption("language", "Texts from a language file.", "file");

// The graphical start-up talks about the session it finds (no runtime folder,
// no screen); a command-line run keeps standard error for its own one-line
// messages and lets only Qt's errors through.
void keepErrorsOnly(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "skarvion-cli: %s\n", message.toLocal8Bit().constData());
}

} // namespace

// Painting text needs a GUI application object; the command itself opens no
// window.
int commandReport(const QStringList& arguments) {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return fail(ExitFailed, "report: the program was not started for painting");

    QCommandLineParser parser;
    parser.addOption(OutputOption);
    parser.addOption(LanguageOption);
    if (!parseCommandLine(parser, "report", arguments, 1)) return ExitBadInput;
    if (!parser.isSet(OutputOption))
        return fail(ExitBadInput, "report: the output file is missing (-o OUT.pdf)");

    LanguageTexts texts;
    if (parser.isSet(LanguageOption)) {
        const QString path = parser.value(LanguageOption);
        if (!QFileInfo(path).isFile()) return fail(ExitFailed, path + ": no such language file");
        texts.applyLanguageFile(path, QString());
    }

    const QString input = parser.positionalArguments().first();
    const auto loaded = loadConfiguration(input);
    if (!loaded.model) return fail(loaded.exitCode, loaded.error);

    const ReportPages pages = LayOutReport({*loaded.model, texts, {}});
    if (const auto error =
            WriteReportPdf(parser.value(OutputOption), pages, QFileInfo(input).fileName()))
        return fail(ExitFailed, *error);
    return ExitSuccess;
}

// Runs the report command in a GUI application of its own; without a chosen
// platform it paints off screen, so no display is needed.
int runReportProgram(int argc, char* argv[]) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(keepErrorsOnly);
    QGuiApplication app(argc, argv);
    return commandReport(app.arguments().mid(2));
}

} // namespace skarvion::cli
