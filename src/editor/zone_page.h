#pragma once

// The extra-information page of inputs 1..4: the input's zone type and its
// swinger limit in control-panel mode.

#include "editor/editor_page.h"

#include <array>

class QLabel;
class QRadioButton;

namespace skarvion {

class TEditLetNum;
class TUpDown;

class ZonePage : public EditorPage {
    Q_OBJECT

  public:
    explicit ZonePage(EditorContext& context);
    void fill() override;

  private:
    void onZoneChosen(int type, bool checked);
    void onSwingerEdited(int count);
    int input();

    QLabel* heading_;
    QLabel* typeLabel_;
    QRadioButton* armingButton_; // never shown
    std::array<QRadioButton*, 4> typeButtons_{};
    QLabel* swingerLabel_;
    TEditLetNum* swingerField_;
    TUpDown* swingerUpDown_;
};

} // namespace skarvion
