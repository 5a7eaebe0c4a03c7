#pragma once

// The page of an input node: the input on or off, the box linking it to
// output 2, and the input summary below.

#include "editor/editor_page.h"

class QCheckBox;

namespace skarvion {

class TExtensionList;

class InputPage : public EditorPage {
    Q_OBJECT

  public:
    explicit InputPage(EditorContext& context);
    void fill() override;

  private:
    void onInputChecked(bool checked);
    void onLinkChecked(bool checked);
    int input();

    QCheckBox* inputCheck_;
    QCheckBox* linkBox_;
    TExtensionList* summary_;
};

} // namespace skarvion
