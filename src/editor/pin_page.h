#pragma once

// The PIN page: the four digits of the SIM card's PIN.

#include "editor/editor_page.h"

class QLabel;

namespace skarvion {

class TEditLetCh;

class PinPage : public EditorPage {
    Q_OBJECT

  public:
    explicit PinPage(EditorContext& context);
    void fill() override;

    TEditLetCh* field() const { return field_; }

  protected:
    // The pointer over the page puts the caret in the field, text selected.
    void enterEvent(QEnterEvent* event) override;

  private:
    QLabel* heading_;
    QLabel* label_;
    TEditLetCh* field_;
};

} // namespace skarvion
