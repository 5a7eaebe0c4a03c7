#include "app/message_box_dialogs.h"

#include <QFileDialog>
#include <QMessageBox>

namespace skarvion {

Answer MessageBoxDialogs::ask(Question question, const QString& caption, const QString& text) {
    switch (question) {
    case Question::SaveChanges: {
        const auto button = QMessageBox::question(parent_, caption, text,
                                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                                  QMessageBox::Yes);
        if (button == QMessageBox::Yes) return Answer::Yes;
        return button == QMessageBox::No ? Answer::No : Answer::Cancel;
    }
    case Question::CloseProgram:
        return QMessageBox::question(parent_, caption, text, QMessageBox::Yes | QMessageBox::No) ==
                       QMessageBox::Yes
                   ? Answer::Yes
                   : Answer::No;
    case Question::Replace:
        return QMessageBox::warning(parent_, caption, text, QMessageBox::Ok | QMessageBox::Cancel,
                                    QMessageBox::Cancel) == QMessageBox::Ok
                   ? Answer::Yes
                   : Answer::Cancel;
    }
    return Answer::Cancel;
}

std::optional<QString> MessageBoxDialogs::chooseFileToOpen(const QString& directory) {
    const QString path =
        QFileDialog::getOpenFileName(parent_, QString(), directory, filters.join(";;"));
    return path.isEmpty() ? std::nullopt : std::optional<QString>(path);
}

std::optional<QString> MessageBoxDialogs::chooseFileToSave(const QString& directory,
                                                           bool confirmReplace) {
    const QString path = QFileDialog::getSaveFileName(
        parent_, QString(), directory, filters.join(";;"), nullptr,
        confirmReplace ? QFileDialog::Options() : QFileDialog::DontConfirmOverwrite);
    return path.isEmpty() ? std::nullopt : std::optional<QString>(path);
}

void MessageBoxDialogs::showError(const QString& text) {
    QMessageBox::critical(parent_, QString(), text);
}

} // namespace skarvion
