#pragma once

// The SMS centre page: the number of the SIM card's SMS service centre.

#include "editor/editor_page.h"

class QLabel;

namespace skarvion {

class TEditLetCh;

class SmsCentrePage : public EditorPage {
    Q_OBJECT

  public:
    explicit SmsCentrePage(EditorContext& context);
    void fill() override;

    TEditLetCh* field() const { return field_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QLabel* label_;
    TEditLetCh* field_;
};

} // namespace skarvion
