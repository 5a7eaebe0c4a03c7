#pragma once

// The signal page of an input: the kind of contact, one radio button per
// signal type.

#include "editor/editor_page.h"

#include <array>

class QLabel;
class QRadioButton;

namespace skarvion {

class SignalPage : public EditorPage {
    Q_OBJECT

  public:
    static constexpr int SignalTypes = 5;

    explicit SignalPage(EditorContext& context);
    void fill() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void onSignalChosen(int signalType, bool checked);

    QLabel* label_;
    std::array<QRadioButton*, SignalTypes> buttons_{};
};

} // namespace skarvion
