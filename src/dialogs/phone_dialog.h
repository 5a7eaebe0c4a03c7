#pragma once

// The phone entry dialog: one field for a phone number (digits and "+").
// In strict mode, used for phones that must hold a number, OK needs a
// plausible number and the dialog can only be cancelled when the entry
// already held one.

#include <QDialog>

#include <optional>

class QLabel;
class QPushButton;

namespace skarvion {

class LanguageTexts;
class TEditLetCh;

class TPhoneDialog : public QDialog {
    Q_OBJECT

  public:
    explicit TPhoneDialog(QWidget* parent = nullptr);

    // Prepares the dialog for one phone: the caption from the language texts,
    // the field holding the number, the label asking to enter a number (for
    // an empty entry) or to edit it, and the strict flag.
    void prepare(const LanguageTexts& texts, const QString& number, bool strict);

    // Set before the dialog is shown.
    bool isStrict() const { return strict_; }
    void setStrict(bool strict);

    QString phoneNumber() const;
    TEditLetCh* phoneField() const { return field_; }

    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void updateButtons();
    void acceptIfAllowed();

    QLabel* label_;
    TEditLetCh* field_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
    QString initialNumber_;
    bool strict_ = false;
};

// Shows the prepared dialog modally; the field's text when it closed with OK.
std::optional<QString> askPhoneNumber(TPhoneDialog& dialog, const LanguageTexts& texts,
                                      const QString& number, bool strict);

} // namespace skarvion
