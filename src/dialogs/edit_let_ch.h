#pragma once

// The character field used for PINs, phone numbers, Contact ID characters
// and other short codes: only the characters of charString, at most
// charCount of them. Reports each accepted change, and each refused key,
// with changed(text).

#include "dialogs/char_edit_rules.h"
#include "dialogs/validated_line_edit.h"

namespace skarvion {

class TEditLetCh : public ValidatedLineEdit {
    Q_OBJECT

  public:
    explicit TEditLetCh(QWidget* parent = nullptr);

    // The allowed characters; the first one fills a field that may not be empty.
    const QString& charString() const { return rules_.charString; }
    void setCharString(const QString& characters);

    // The longest text; a shorter count cuts the text and keeps the caret.
    int charCount() const { return rules_.charCount; }
    void setCharCount(int count);

    // Changing it upper-cases the current text. Typed letters are always
    // upper-cased.
    bool inputUpperCase() const { return inputUpperCase_; }
    void setInputUpperCase(bool upperCase);

    // The field may not become empty; set on an empty field it writes the
    // first allowed character.
    bool notSpace() const { return rules_.notSpace; }
    void setNotSpace(bool notSpace);

  signals:
    void changed(const QString& text);

  protected:
    KeyResult keyRule(const EditState& state, QChar key) const override;
    QString normalised(const QString& text) const override;
    void emitChanged() override;

  private:
    CharEditRules rules_;
    bool inputUpperCase_ = false;
};

} // namespace skarvion
