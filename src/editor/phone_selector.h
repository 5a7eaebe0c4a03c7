#pragma once

// The phone selector of the channel pages: a drop-down list of the numbers of
// the used phone-book entries, standing for their slots. Second and third
// selectors start with "none". Loading a reference repairs it as the
// selector rules say; choosing an item reports the slot it stands for.

#include "editor/phone_selector_rules.h"
#include "locale/language_texts.h"

#include <QComboBox>

#include <vector>

namespace skarvion {

class PhoneSelector : public QComboBox {
    Q_OBJECT

  public:
    explicit PhoneSelector(QWidget* parent = nullptr);
    PhoneSelector(const PhoneSelectorRule& rule, QWidget* parent = nullptr);

    const PhoneSelectorRule& rule() const { return rule_; }
    void setRule(const PhoneSelectorRule& rule) { rule_ = rule; }

    // Fills the list from the phone book and shows `reference`, writing it
    // back when the rules repair it. Reports nothing.
    void load(const ConfigurationModel& model, const LanguageTexts& texts, PhoneRef& reference);

    // Used entries listed by the last load.
    int listedCount() const { return ListedPhoneCount(slots_); }
    int slotAt(int index) const;
    int currentSlot() const { return slotAt(currentIndex()); }

  signals:
    // The user chose an item: its slot, 0 for "none".
    void slotChosen(int slot);
    // The user entered the selector while it lists no entry. Unless told
    // otherwise the selector then shows the phone book node of the tree.
    void phoneBookWanted();

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    bool wantPhoneBook();

    PhoneSelectorRule rule_;
    std::vector<int> slots_;
};

} // namespace skarvion
