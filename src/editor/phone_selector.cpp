#include "editor/phone_selector.h"

#include "editor/phone_book_rules.h"
#include "editor/settings_tree.h"
#include "editor/tree_navigation.h"
#include "model/windows1251.h"

#include <QFocusEvent>
#include <QMouseEvent>

namespace skarvion {

PhoneSelector::PhoneSelector(QWidget* parent) : PhoneSelector(PhoneSelectorRule{}, parent) {}

PhoneSelector::PhoneSelector(const PhoneSelectorRule& rule, QWidget* parent)
    : QComboBox(parent), rule_(rule) {
    setEditable(false);
    connect(this, &QComboBox::activated, this,
            [this](int index) { emit slotChosen(slotAt(index)); });
    connect(this, &PhoneSelector::phoneBookWanted, this,
            [this] { ShowTreeNodeOfKind(this, KindPhoneBook); });
}

void PhoneSelector::load(const ConfigurationModel& model, const LanguageTexts& texts,
                         PhoneRef& reference) {
    slots_ = PhoneSelectorItems(model, rule_);
    const int shown = LoadPhoneSelector(model, slots_, rule_, reference);
    const QSignalBlocker quiet(this);
    clear();
    for (int slot : slots_) {
        addItem(slot == 0 ? uiText(texts, "PRINF_Z_PHONENUM")
                          : FromWindows1251(model.phone(slot).Number));
    }
    setCurrentIndex(shown);
}

int PhoneSelector::slotAt(int index) const {
    return index >= 0 && index < static_cast<int>(slots_.size())
               ? slots_[static_cast<std::size_t>(index)]
               : 0;
}

bool PhoneSelector::wantPhoneBook() {
    if (listedCount() > 0) return false;
    emit phoneBookWanted();
    return true;
}

void PhoneSelector::focusInEvent(QFocusEvent* event) {
    QComboBox::focusInEvent(event);
    if (event->reason() != Qt::PopupFocusReason) wantPhoneBook();
}

void PhoneSelector::mousePressEvent(QMouseEvent* event) {
    if (hasFocus() && wantPhoneBook()) return;
    QComboBox::mousePressEvent(event);
}

} // namespace skarvion
