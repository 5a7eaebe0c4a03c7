#pragma once

// The SMS text field of every page: a multi-line memo over one stored text.
// Keys and changes follow the rules of the memo's kind; the lines are joined
// and cut to the kind's limit, and every change of the stored text is
// reported once.

#include "editor/sms_text_rules.h"

#include <QPlainTextEdit>

namespace skarvion {

class SmsMemo : public QPlainTextEdit {
    Q_OBJECT

  public:
    explicit SmsMemo(SmsTextKind kind, QWidget* parent = nullptr);

    SmsTextKind kind() const { return kind_; }

    // Fill: the memo is cleared and the stored text put on its first line;
    // nothing is reported.
    void setStoredText(const Text& text);
    const Text& storedText() const { return stored_; }

  signals:
    // The user changed the text; `text` is what the field now stores
    // (Windows-1251).
    void textEdited(const Text& text);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QStringList lines() const;
    void onContentsChanged();
    void rewrite(const QStringList& lines);

    SmsTextKind kind_;
    Text stored_;
    bool loading_ = false;
};

} // namespace skarvion
