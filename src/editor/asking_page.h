#pragma once

// A page whose edits may ask the user for a phone number. The change runs
// under the page-update guard like every edit; since the user may give no
// number, the project is marked modified only when the model changed.

#include "editor/editor_page.h"
#include "editor/phone_book_rules.h"

namespace skarvion {

class AskingPage : public EditorPage {
    Q_OBJECT

  public:
    // Uses the phone dialog until told otherwise.
    explicit AskingPage(EditorContext& context);

    void setPhoneAsker(PhoneAsker ask) { ask_ = std::move(ask); }

  protected:
    const PhoneAsker& phoneAsker() const { return ask_; }

    // Runs `change` unless the page is loading; returns whether it ran.
    template <typename Change> bool editAsking(Change&& change) {
        if (context().PageUpdating) return false;
        bool changed = false;
        {
            PageUpdateGuard guard(context());
            const ConfigurationModel before = context().model;
            change(context().model);
            changed = context().model != before;
        }
        if (changed) context().markModified();
        return true;
    }

  private:
    PhoneAsker ask_;
};

} // namespace skarvion
