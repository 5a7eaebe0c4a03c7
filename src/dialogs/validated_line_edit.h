#pragma once

// The common part of the filtered edit fields: typed keys go through the
// field's rules, any other change of the text (paste, drop, program) goes
// through its normaliser, and every accepted change is reported once.

#include "dialogs/edit_key.h"

#include <QLineEdit>

#include <optional>

namespace skarvion {

class ValidatedLineEdit : public QLineEdit {
    Q_OBJECT

  public:
    // When set, changes are not reported.
    bool blockChang() const { return blockChang_; }
    void setBlockChang(bool block) { blockChang_ = block; }

    // A free text kept with the field for its owner.
    const QString& inText() const { return inText_; }
    void setInText(const QString& text) { inText_ = text; }

  signals:
    void focused(); // the field gained or lost the focus
    void pressEnter();
    void leftKeyPressed();  // after the caret moved for the Left key
    void rightKeyPressed(); // after the caret moved for the Right key

  protected:
    explicit ValidatedLineEdit(QWidget* parent);

    // The field's rules for one typed character.
    virtual KeyResult keyRule(const EditState& state, QChar key) const = 0;
    // The form the field shows for a text that reached it.
    virtual QString normalised(const QString& text) const = 0;
    // Raises the field's change report with its current value.
    virtual void emitChanged() = 0;

    // Normalises the current text again after a rule changed, keeping the caret.
    void renormalise();
    // Writes a text keeping the caret where it was, as far as the text allows.
    void replaceTextKeepingCaret(const QString& text);

    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void onTextChanged();
    void applyKeyResult(QKeyEvent* event, const KeyResult& result);
    void writeText(const QString& text, int caret);
    void reportChange();
    EditState editState() const;

    bool blockChang_ = false;
    QString inText_;
    bool rewriting_ = false; // the normaliser is writing its own form
    bool silent_ = false;    // a typed key writes the text and reports once itself
};

// The character a key press types for the edit rules: BackspaceKey and
// EnterKey for those keys, the printable character otherwise; none for
// navigation, shortcuts and other control keys.
std::optional<QChar> typedCharacter(const QKeyEvent& event);

} // namespace skarvion
