#include "dialogs/edit_let_num.h"

namespace skarvion {

TEditLetNum::TEditLetNum(QWidget* parent) : ValidatedLineEdit(parent) {
    // A new field shows 1 rather than nothing.
    setText(QStringLiteral("1"));
}

int TEditLetNum::number() const {
    return normaliseNumberText(text(), rules_).value;
}

void TEditLetNum::setNumber(int number) {
    setText(QString::number(number).left(rules_.numberCount));
}

void TEditLetNum::setNumberCount(int count) {
    rules_.numberCount = numberCountFor(count);
    renormalise();
}

void TEditLetNum::setMinNumber(unsigned minimum) {
    rules_.minNumber = minimum;
    renormalise();
}

void TEditLetNum::setMaxNumber(unsigned maximum) {
    rules_.maxNumber = maximum;
    renormalise();
}

KeyResult TEditLetNum::keyRule(const EditState& state, QChar key) const {
    return numberEditKey(state, key, rules_);
}

QString TEditLetNum::normalised(const QString& text) const {
    return normaliseNumberText(text, rules_).text;
}

void TEditLetNum::emitChanged() {
    emit changed(number());
}

} // namespace skarvion
