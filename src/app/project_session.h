#pragma once

// The project lifecycle behind the File commands: the model, its file name and
// modified flag, and New, Open, Save, Save As, Close and Exit with their
// questions. Questions and file choices go through ShellDialogs, so the window
// shows them and tests answer them.

#include "app/project_file.h"
#include "locale/language_texts.h"
#include "model/configuration_model.h"

#include <QString>

#include <functional>
#include <optional>

namespace skarvion {

inline constexpr const char* UntitledName = "Untitled";
inline constexpr const char* ProgramVersion = "6.2x";

enum class Answer { Yes, No, Cancel };

enum class Question {
    SaveChanges,  // Yes, No, Cancel
    CloseProgram, // Yes, No
    Replace,      // OK (Yes), Cancel
};

class ShellDialogs {
public:
    virtual ~ShellDialogs() = default;
    virtual Answer ask(Question question, const QString& caption, const QString& text) = 0;
    virtual std::optional<QString> chooseFileToOpen(const QString& directory) = 0;
    // confirmReplace: the dialog itself asks before an existing file is chosen.
    virtual std::optional<QString> chooseFileToSave(const QString& directory, bool confirmReplace) = 0;
    virtual void showError(const QString& text) = 0;
};

class ProjectSession {
public:
    ProjectSession(ShellDialogs& dialogs, const LanguageTexts& texts);

    ConfigurationModel& model() { return model_; }
    const ConfigurationModel& model() const { return model_; }
    const QString& fileName() const { return fileName_; }
    bool modified() const { return modified_; }
    void markModified() { modified_ = true; }

    // "Skarvion PRO [name]  v6.2x", or without the version after a project
    // was opened from the command line.
    QString windowTitle() const;

    // Initial directory of the open and save dialogs.
    QString dialogDirectory;

    // Extensions other than ".SK2050" that registered device models use.
    std::function<bool(const QString& extension)> isDeviceModelExtension;

    // Each returns whether the command went through.
    bool newProject();
    bool open();
    bool openPath(const QString& path);      // a recent file: missing files are ignored
    bool openFromCommandLine(QString path);  // the program's first argument
    bool save();
    bool saveAs();
    bool close();
    bool exit();       // true when the program may end
    bool closeQuery(); // the window's close box: true when it may close

private:
    QString text(const char* key) const;
    QString saveQuestionText(const QString& separator) const;
    bool readFile(const QString& path);
    bool saveTo(QString path, bool askBeforeReplacing);
    // Offers to save unsaved changes; false when the user cancels or saving fails.
    bool settleUnsavedChanges(const QString& separator);
    void resetProject();

    ShellDialogs& dialogs_;
    const LanguageTexts& texts_;
    ConfigurationModel model_;
    QString fileName_ = UntitledName;
    bool modified_ = false;
    bool shortTitle_ = false;
};

} // namespace skarvion
