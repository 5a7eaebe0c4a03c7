// The summary command: the summaries of the settings tree as text.

#include "cli/cli_commands.h"
#include "cli/cli_support.h"

#include "locale/language_texts.h"
#include "summary/summary_sections.h"

#include <QFileInfo>

namespace skarvion::cli {

int commandSummary(const QStringList& arguments) {
    QCommandLineParser parser;
    const QCommandLineOption section("section", "One summary only.", "name");
    const QCommandLineOption markup("markup", "Lines exactly as the formatted list receives them.");
    const QCommandLineOption language("language", "Texts from a language file.", "file");
    parser.addOption(section);
    parser.addOption(markup);
    parser.addOption(language);
    if (!parseCommandLine(parser, "summary", arguments, 1)) return ExitBadInput;

    std::optional<std::string> sectionName;
    if (parser.isSet(section)) {
        sectionName = parser.value(section).toStdString();
        if (const auto error = CheckSummarySection(*sectionName))
            return fail(ExitBadInput, "summary: " + QString::fromStdString(*error));
    }

    LanguageTexts texts;
    if (parser.isSet(language)) {
        const QString path = parser.value(language);
        if (!QFileInfo(path).isFile()) return fail(ExitFailed, path + ": no such language file");
        texts.applyLanguageFile(path, QString());
    }

    const auto loaded = loadConfiguration(parser.positionalArguments().first());
    if (!loaded.model) return fail(loaded.exitCode, loaded.error);
    const SummaryTextResult result =
        SummaryText(*loaded.model, texts, sectionName, parser.isSet(markup));
    if (!result.ok) return fail(ExitBadInput, "summary: " + QString::fromStdString(result.error));

    QByteArray out;
    for (const std::string& line : result.lines)
        out += QByteArray::fromStdString(line) + '\n';
    printOut(out);
    return ExitSuccess;
}

} // namespace skarvion::cli
