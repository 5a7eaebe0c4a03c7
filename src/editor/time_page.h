#pragma once

// The time page of an input: reaction, restore and lockout delays, each in
// half-seconds through a half-second editor.

#include "editor/editor_page.h"

#include <array>

class QLabel;

namespace skarvion {

class HalfSecondEditor;

class InputTimePage : public EditorPage {
    Q_OBJECT

  public:
    static constexpr int Delays = 3;

    explicit InputTimePage(EditorContext& context);
    void fill() override;

    HalfSecondEditor* editor(int row) const { return editors_.at(static_cast<std::size_t>(row)); }

  private:
    void onDelayEdited(int row, int halfSeconds);

    QLabel* label_;
    std::array<QLabel*, Delays> rowLabels_{};
    std::array<HalfSecondEditor*, Delays> editors_{};
};

} // namespace skarvion
