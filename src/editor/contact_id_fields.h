#pragma once

// The twelve one-character Contact ID fields of a DATA page under their four
// headings: object, event code, zone, partition.

#include "editor/contact_id_rules.h"
#include "locale/language_texts.h"

#include <QWidget>

class QLabel;

namespace skarvion {

class TEditLetCh;

class ContactIdFields : public QWidget {
    Q_OBJECT

  public:
    // Fields are named by their group's prefix and their number in the
    // group: "DATAObj1".."DATAObj4", "DATACode1".., "DATAZone1".., "DATAPart1"...
    ContactIdFields(const std::array<const char*, 4>& groupPrefixes, QWidget* parent);

    TEditLetCh* field(int index) const { return fields_.at(static_cast<std::size_t>(index)); }

    // Headings from the texts, the fields from the code. The fields report
    // what they are given: show a code under the page-update guard.
    void showCode(const LanguageTexts& texts, const Text& eventCode);

    // Moves the focus to the field after `index`; the last field keeps it.
    void focusAfter(int index);

  signals:
    // A field's text changed (Windows-1251).
    void characterEdited(int index, const Text& text);

  private:
    std::array<QLabel*, 4> headings_{};
    std::array<TEditLetCh*, EventCodeLength> fields_{};
};

} // namespace skarvion
