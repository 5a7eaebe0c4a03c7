#include "dialogs/validated_line_edit.h"

#include <QKeyEvent>

#include <algorithm>

namespace skarvion {

std::optional<QChar> typedCharacter(const QKeyEvent& event) {
    constexpr auto shortcutModifiers = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (event.modifiers() & shortcutModifiers) return std::nullopt;
    if (event.key() == Qt::Key_Backspace) return BackspaceKey;
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) return EnterKey;
    const QString text = event.text();
    if (text.isEmpty() || text.front() < u' ' || text.front() == u'\x7f') return std::nullopt;
    return text.front();
}

ValidatedLineEdit::ValidatedLineEdit(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textChanged, this, &ValidatedLineEdit::onTextChanged);
}

EditState ValidatedLineEdit::editState() const {
    if (hasSelectedText())
        return {text(), selectionStart(), static_cast<int>(selectedText().size())};
    return {text(), cursorPosition(), 0};
}

void ValidatedLineEdit::keyPressEvent(QKeyEvent* event) {
    const std::optional<QChar> key = typedCharacter(*event);
    const bool editable = !isReadOnly() || (key && *key == EnterKey);
    if (key && editable) {
        applyKeyResult(event, keyRule(editState(), *key));
    } else {
        QLineEdit::keyPressEvent(event);
    }
    if (event->key() == Qt::Key_Left) emit leftKeyPressed();
    if (event->key() == Qt::Key_Right) emit rightKeyPressed();
}

void ValidatedLineEdit::applyKeyResult(QKeyEvent* event, const KeyResult& result) {
    switch (result.action) {
    case KeyAction::PassToEdit:
        QLineEdit::keyPressEvent(event);
        break;
    case KeyAction::PressEnter:
        emit pressEnter();
        QLineEdit::keyPressEvent(event);
        break;
    case KeyAction::Swallow:
        event->accept();
        break;
    case KeyAction::Reject:
        event->accept();
        reportChange();
        break;
    case KeyAction::Apply:
        event->accept();
        writeText(result.text, result.caret);
        break;
    }
}

void ValidatedLineEdit::writeText(const QString& newText, int caret) {
    silent_ = true;
    setText(newText);
    silent_ = false;
    deselect();
    setCursorPosition(std::min(caret, static_cast<int>(text().size())));
    reportChange();
}

void ValidatedLineEdit::onTextChanged() {
    if (rewriting_) return;
    const QString form = normalised(text());
    if (form != text()) {
        rewriting_ = true;
        replaceTextKeepingCaret(form);
        rewriting_ = false;
    }
    if (!silent_) reportChange();
}

void ValidatedLineEdit::renormalise() {
    const QString form = normalised(text());
    if (form != text()) replaceTextKeepingCaret(form);
}

void ValidatedLineEdit::replaceTextKeepingCaret(const QString& newText) {
    const int caret = cursorPosition();
    setText(newText);
    setCursorPosition(std::min(caret, static_cast<int>(newText.size())));
}

void ValidatedLineEdit::reportChange() {
    if (!blockChang_) emitChanged();
}

void ValidatedLineEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    emit focused();
}

void ValidatedLineEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    emit focused();
}

} // namespace skarvion
