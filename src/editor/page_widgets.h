#pragma once

// Small helpers the editor pages share for building their controls.

#include "locale/language_texts.h"

#include <QString>

#include <utility>

class QLabel;
class QWidget;

namespace skarvion {

// A control of the page with the object name it is known by; `arguments`
// come before the parent in the control's constructor.
template <typename Control, typename... Arguments>
Control* NamedControl(const QString& name, QWidget* parent, Arguments&&... arguments) {
    auto* control = new Control(std::forward<Arguments>(arguments)..., parent);
    control->setObjectName(name);
    return control;
}

// A page heading: a bold label.
QLabel* HeadingLabel(const QString& name, QWidget* parent);

// A language text followed by a number, as the page captions read:
// "Входной сигнал 2".
QString NumberedText(const LanguageTexts& texts, const char* key, int number);

} // namespace skarvion
