#include "cli/cli_support.h"

#include "app/atomic_save.h"
#include "app/model_json.h"
#include "app/project_file.h"
#include "app/project_messages.h"
#include "locale/language_texts.h"
#include "model/device_image.h"
#include "model/model_operations.h"

#include <QFile>

#include <cstdio>

namespace skarvion::cli {

namespace {

// Messages go on one line, whatever breaks the texts hold.
QString oneLine(QString text) {
    text.replace("\r\n", " ");
    text.replace('\n', ' ');
    text.replace('\r', ' ');
    return text.simplified();
}

std::optional<QByteArray> readWholeFile(const QString& path, QString& error) {
    QFile file(path);
    if (!file.exists()) {
        error = path + ": no such file";
        return std::nullopt;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        error = path + ": " + file.errorString();
        return std::nullopt;
    }
    return file.readAll();
}

LoadedConfiguration failure(int code, const QString& error) {
    return {std::nullopt, code, error};
}

LoadedConfiguration loadJson(const QString& path, ConfigurationModel model) {
    QString error;
    const auto bytes = readWholeFile(path, error);
    if (!bytes) return failure(ExitFailed, error);
    if (const auto problem = ModelFromJson(*bytes, model)) {
        const QString where = problem->path.isEmpty() ? path : path + ": " + problem->path;
        return failure(ExitBadInput, where + ": " + problem->message);
    }
    return {std::move(model), ExitSuccess, {}};
}

LoadedConfiguration loadRawImage(const QString& path, ConfigurationModel model) {
    QString error;
    const auto bytes = readWholeFile(path, error);
    if (!bytes) return failure(ExitFailed, error);
    if (bytes->size() != DeviceImageSize) {
        return failure(ExitFailed, QString("%1: a device image is %2 bytes, this file has %3")
                                       .arg(path)
                                       .arg(DeviceImageSize)
                                       .arg(bytes->size()));
    }
    DeviceImage image{};
    std::copy(bytes->begin(), bytes->end(), reinterpret_cast<char*>(image.data()));
    DecodeImage(image, model);
    return {std::move(model), ExitSuccess, {}};
}

LoadedConfiguration loadProject(const QString& path, ConfigurationModel model) {
    const ProjectFileResult result = ReadProjectFile(path, model);
    if (!result.ok()) {
        QString message = oneLine(ProjectFileMessage(result, LanguageTexts()));
        if (!message.contains(path)) message = path + ": " + message;
        return failure(ExitFailed, message);
    }
    return {std::move(model), ExitSuccess, {}};
}

} // namespace

int fail(int code, const QString& message) {
    std::fprintf(stderr, "skarvion-cli: %s\n", oneLine(message).toLocal8Bit().constData());
    return code;
}

void warn(const QString& message) {
    std::fprintf(stderr, "skarvion-cli: warning: %s\n", oneLine(message).toLocal8Bit().constData());
}

bool parseCommandLine(QCommandLineParser& parser, const QString& command,
                      const QStringList& arguments, int positional) {
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    if (!parser.parse(QStringList{"skarvion-cli " + command} + arguments)) {
        fail(ExitBadInput, command + ": " + parser.errorText());
        return false;
    }
    if (parser.positionalArguments().size() != positional) {
        fail(ExitBadInput, QString("%1: expected %2 file argument(s), see 'skarvion-cli help'")
                               .arg(command)
                               .arg(positional));
        return false;
    }
    return true;
}

bool IsJsonPath(const QString& path) {
    return path.endsWith(".json", Qt::CaseInsensitive);
}

LoadedConfiguration loadConfiguration(const QString& path, bool rawImage) {
    ConfigurationModel model = StartupModel();
    if (rawImage) return loadRawImage(path, std::move(model));
    if (IsJsonPath(path)) return loadJson(path, std::move(model));
    return loadProject(path, std::move(model));
}

std::optional<QString> writeOutputFile(const QString& path, const QByteArray& bytes) {
    if (const auto why = SaveAtomically(path, bytes)) return path + ": " + *why;
    return std::nullopt;
}

int saveProject(const QString& path, const ConfigurationModel& model) {
    const ProjectFileResult result = WriteProjectFile(path, model);
    if (!result.ok()) return fail(ExitFailed, ProjectFileMessage(result, LanguageTexts()));
    return ExitSuccess;
}

void printOut(const QByteArray& bytes) {
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
    std::fflush(stdout);
}

} // namespace skarvion::cli
