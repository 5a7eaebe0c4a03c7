#pragma once

// The questions and file choices of the File commands, as message boxes and
// file dialogs of the platform.

#include "app/project_session.h"

#include <QStringList>

class QWidget;

namespace skarvion {

class MessageBoxDialogs : public ShellDialogs {
public:
    explicit MessageBoxDialogs(QWidget* parent) : parent_(parent) {}

    Answer ask(Question question, const QString& caption, const QString& text) override;
    std::optional<QString> chooseFileToOpen(const QString& directory) override;
    std::optional<QString> chooseFileToSave(const QString& directory, bool confirmReplace) override;
    void showError(const QString& text) override;

    // Name filters of the file dialogs: projects first, then device models.
    QStringList filters{"Skarvion 2050 (*.SK2050 *.sk2050)", "All files (*)"};

private:
    QWidget* parent_;
};

} // namespace skarvion
