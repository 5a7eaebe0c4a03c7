#pragma once

// The print-information pages: the serial number, the SIM card's
// registration and phone numbers, the firmware version and the comment that
// the project keeps for the printed report.

#include "editor/editor_page.h"
#include "model/configuration_model.h"

#include <QPlainTextEdit>

class QLabel;
class QLineEdit;
class QListWidget;

namespace skarvion {

// One single-line text of the print information.
struct PrintFieldSpec {
    const char* headingName;
    const char* headingKey;
    const char* labelName;
    const char* labelKey;
    const char* fieldName;
    const char* listName;
    const char* descriptionKey;
    Text PrintInformation::*field;
    enum Kind {
        SerialNumber, // any text, last 40 characters, stored without surrounding blanks
        RegNumber,    // any text, last 40 characters, stored as typed
        Characters,   // a character field of the set and length below
    } kind;
    const char* characters = nullptr;
    int length = 0;
};

extern const PrintFieldSpec SerialNumberSpec;
extern const PrintFieldSpec SimRegNumberSpec;
extern const PrintFieldSpec SimPhoneNumberSpec;
extern const PrintFieldSpec FirmwareVersionSpec;

class PrintFieldPage : public EditorPage {
    Q_OBJECT

  public:
    PrintFieldPage(EditorContext& context, const PrintFieldSpec& entry);
    void fill() override;

    QLineEdit* field() const { return field_; }

  private:
    void onTextChanged(const QString& text);
    Text storedForm(const QString& text) const;

    const PrintFieldSpec& spec_;
    QLabel* heading_;
    QLabel* label_;
    QLineEdit* field_;
    QListWidget* description_;
};

// The comment memo: at most 300 characters over all its lines.
class CommentMemo : public QPlainTextEdit {
    Q_OBJECT

  public:
    explicit CommentMemo(QWidget* parent = nullptr);

    // Shows a stored comment without reporting it.
    void setStoredText(const Text& stored);

  signals:
    // The user changed the comment; `stored` is its stored form.
    void commentEdited(const Text& stored);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void onContentsChanged();

    bool loading_ = false;
};

class CommentPage : public EditorPage {
    Q_OBJECT

  public:
    explicit CommentPage(EditorContext& context);
    void fill() override;

    CommentMemo* memo() const { return memo_; }

  private:
    QLabel* heading_;
    QLabel* label_;
    CommentMemo* memo_;
    QListWidget* description_;
};

} // namespace skarvion
