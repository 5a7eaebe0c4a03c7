#include "editor/sms_memo.h"

#include "dialogs/validated_line_edit.h"
#include "model/windows1251.h"

#include <QKeyEvent>

#include <algorithm>

namespace skarvion {

SmsMemo::SmsMemo(SmsTextKind kind, QWidget* parent) : QPlainTextEdit(parent), kind_(kind) {
    setTabChangesFocus(true);
    setFixedHeight(64);
    connect(this, &QPlainTextEdit::textChanged, this, &SmsMemo::onContentsChanged);
}

void SmsMemo::setStoredText(const Text& text) {
    stored_ = text;
    loading_ = true;
    setPlainText(FromWindows1251(text));
    loading_ = false;
}

QStringList SmsMemo::lines() const {
    return toPlainText().split(QLatin1Char('\n'));
}

void SmsMemo::keyPressEvent(QKeyEvent* event) {
    const std::optional<QChar> key = typedCharacter(*event);
    if (key && !SmsTextKeyAccepted(kind_, lines(), *key)) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void SmsMemo::onContentsChanged() {
    if (loading_) return;
    const SmsTextChange change = ApplySmsTextChange(kind_, lines());
    if (change.linesChanged) rewrite(change.lines);
    if (change.stored == stored_) return;
    stored_ = change.stored;
    emit textEdited(stored_);
}

// Puts the kept lines back, leaving the caret as near its place as the
// shorter text allows.
void SmsMemo::rewrite(const QStringList& kept) {
    const int caret = textCursor().position();
    loading_ = true;
    setPlainText(kept.join(QLatin1Char('\n')));
    loading_ = false;
    QTextCursor cursor = textCursor();
    cursor.setPosition(std::min(caret, static_cast<int>(document()->characterCount()) - 1));
    setTextCursor(cursor);
}

} // namespace skarvion
