#pragma once

// The request page: fixed help about the SMS that asks the device for its
// state, the SMS that clears its event memory, and an example answer.

#include "editor/editor_page.h"

#include <array>

class QLabel;
class QPlainTextEdit;

namespace skarvion {

class RequestPage : public EditorPage {
    Q_OBJECT

  public:
    explicit RequestPage(EditorContext& context);
    void fill() override;

  private:
    struct Caption {
        QLabel* label;
        const char* key;
    };
    std::array<Caption, 7> captions_{};
};

} // namespace skarvion
