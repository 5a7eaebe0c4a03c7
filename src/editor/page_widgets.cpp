#include "editor/page_widgets.h"

#include <QLabel>

namespace skarvion {

QLabel* HeadingLabel(const QString& name, QWidget* parent) {
    auto* label = NamedControl<QLabel>(name, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QString NumberedText(const LanguageTexts& texts, const char* key, int number) {
    return uiText(texts, key) + QString::number(number);
}

} // namespace skarvion
