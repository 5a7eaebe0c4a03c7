#include "app/project_session.h"

#include "app/project_messages.h"
#include "model/model_operations.h"

#include <QDir>
#include <QFileInfo>

namespace skarvion {

namespace {

bool hasProjectExtension(const QString& path) {
    return QFileInfo(path).suffix().compare(QString(ProjectExtension).mid(1), Qt::CaseInsensitive) == 0;
}

// Replaces the extension of the file name (from its last ".") by ".SK2050".
QString withProjectExtension(const QString& path) {
    if (hasProjectExtension(path)) return path;
    const QFileInfo info(path);
    const QString name = info.fileName();
    const qsizetype dot = name.lastIndexOf('.');
    const QString base = dot < 0 ? name : name.left(dot);
    return QDir(info.path()).filePath(base + ProjectExtension);
}

} // namespace

ProjectSession::ProjectSession(ShellDialogs& dialogs, const LanguageTexts& texts)
    : dialogs_(dialogs), texts_(texts), model_(StartupModel()) {}

QString ProjectSession::text(const char* key) const {
    return uiText(texts_, key);
}

QString ProjectSession::windowTitle() const {
    const QString title = "Skarvion PRO [" + QFileInfo(fileName_).fileName() + "]";
    return shortTitle_ ? title : title + "  v" + ProgramVersion;
}

QString ProjectSession::saveQuestionText(const QString& separator) const {
    return text("MESSAGE_SAVE_FILE1") + fileName_ + separator + text("MESSAGE_SAVE_FILE2");
}

bool ProjectSession::settleUnsavedChanges(const QString& separator) {
    if (!modified_) return true;
    switch (dialogs_.ask(Question::SaveChanges, text("MESSAGE_MEGA_CAPTION_QWEST"),
                         saveQuestionText(separator))) {
    case Answer::Yes: return save();
    case Answer::No: return true;
    case Answer::Cancel: return false;
    }
    return false;
}

void ProjectSession::resetProject() {
    ResetModel(model_);
    fileName_ = UntitledName;
}

bool ProjectSession::newProject() {
    // Unsaved work is offered for saving; Cancel keeps it rather than losing it.
    if (!settleUnsavedChanges(" ")) return false;
    resetProject();
    shortTitle_ = false;
    return true;
}

bool ProjectSession::readFile(const QString& path) {
    const ProjectFileResult result = ReadProjectFile(path, model_);
    if (!result.ok()) {
        dialogs_.showError(ProjectFileMessage(result, texts_));
        return false;
    }
    fileName_ = path;
    dialogDirectory = QFileInfo(path).absolutePath();
    return true;
}

bool ProjectSession::open() {
    const auto path = dialogs_.chooseFileToOpen(dialogDirectory);
    if (!path) return false;
    const QString extension = "." + QFileInfo(*path).suffix();
    const bool known = hasProjectExtension(*path) ||
                       (isDeviceModelExtension && isDeviceModelExtension(extension));
    if (!known) {
        dialogs_.showError(text("MESSAGE_FALSE_FORMAT_F"));
        return false;
    }
    // Opening replaces the model, so unsaved work is offered for saving first.
    if (!settleUnsavedChanges(" ")) return false;
    if (!readFile(*path)) return false;
    shortTitle_ = false;
    return true;
}

bool ProjectSession::openPath(const QString& path) {
    if (!QFileInfo::exists(path)) return false;
    if (!hasProjectExtension(path)) {
        dialogs_.showError(text("MESSAGE_FALSE_FORMAT_F"));
        return false;
    }
    if (!settleUnsavedChanges(" ")) return false;
    if (!readFile(path)) return false;
    shortTitle_ = false;
    return true;
}

bool ProjectSession::openFromCommandLine(QString path) {
    if (path.isEmpty()) return false;
    if (QFileInfo(path).isRelative()) path = QDir::current().filePath(path);
    if (!hasProjectExtension(path)) {
        dialogs_.showError(text("MESSAGE_FALSE_FORMAT_F"));
        return false;
    }
    if (!readFile(path)) return false;
    shortTitle_ = true;
    return true;
}

bool ProjectSession::save() {
    if (fileName_ != UntitledName) return saveTo(fileName_, false);
    const auto chosen = dialogs_.chooseFileToSave(dialogDirectory, false);
    if (!chosen) return false;
    dialogDirectory = QFileInfo(*chosen).absolutePath();
    return saveTo(*chosen, true);
}

bool ProjectSession::saveAs() {
    const auto chosen = dialogs_.chooseFileToSave(dialogDirectory, true);
    if (!chosen) return false;
    dialogDirectory = QFileInfo(*chosen).absolutePath();
    return saveTo(*chosen, false);
}

// The file name changes only once the file is written, so a cancelled or
// failed save leaves the project under its old name.
bool ProjectSession::saveTo(QString path, bool askBeforeReplacing) {
    path = withProjectExtension(path);
    if (!QFileInfo(QFileInfo(path).absolutePath()).isDir()) {
        dialogs_.showError(text("MESSAGE_ERR_FILE_PATH"));
        return false;
    }
    if (askBeforeReplacing && QFileInfo::exists(path)) {
        const QString question = text("MESSAGE_OVERRIDE_FILE1") + path + text("MESSAGE_OVERRIDE_FILE2");
        if (dialogs_.ask(Question::Replace, text("MESSAGE_MEGA_CAPTION_QWEST"), question) != Answer::Yes)
            return false;
    }
    const ProjectFileResult result = WriteProjectFile(path, model_);
    if (!result.ok()) {
        dialogs_.showError(ProjectFileMessage(result, texts_));
        return false;
    }
    fileName_ = path;
    modified_ = false;
    shortTitle_ = false;
    return true;
}

bool ProjectSession::close() {
    // Unsaved work is saved without a question; if that does not happen the
    // project stays open rather than being lost.
    if (modified_ && !save()) return false;
    resetProject();
    return true;
}

bool ProjectSession::exit() {
    if (!modified_) {
        return dialogs_.ask(Question::CloseProgram, text("MESSAGE_MEGA_CAPTION_QWEST"),
                            text("MESSAGE_CLOSE_APPL")) == Answer::Yes;
    }
    return settleUnsavedChanges("");
}

bool ProjectSession::closeQuery() {
    return settleUnsavedChanges("");
}

} // namespace skarvion
