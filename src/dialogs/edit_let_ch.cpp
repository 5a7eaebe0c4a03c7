#include "dialogs/edit_let_ch.h"

#include <algorithm>

namespace skarvion {

TEditLetCh::TEditLetCh(QWidget* parent) : ValidatedLineEdit(parent) {}

void TEditLetCh::setCharString(const QString& characters) {
    rules_.charString = characters;
    renormalise();
}

void TEditLetCh::setCharCount(int count) {
    rules_.charCount = std::max(count, 0);
    renormalise();
}

void TEditLetCh::setInputUpperCase(bool upperCase) {
    if (upperCase == inputUpperCase_) return;
    inputUpperCase_ = upperCase;
    replaceTextKeepingCaret(text().toUpper());
}

void TEditLetCh::setNotSpace(bool notSpace) {
    rules_.notSpace = notSpace;
    renormalise();
}

KeyResult TEditLetCh::keyRule(const EditState& state, QChar key) const {
    return charEditKey(state, key, rules_);
}

QString TEditLetCh::normalised(const QString& text) const {
    return normaliseCharText(text, rules_);
}

void TEditLetCh::emitChanged() {
    emit changed(text());
}

} // namespace skarvion
