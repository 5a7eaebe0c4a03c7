#include "editor/asking_page.h"

#include "editor/phone_asker.h"

namespace skarvion {

AskingPage::AskingPage(EditorContext& context)
    : EditorPage(context), ask_(DialogPhoneAsker(this, context.texts)) {}

} // namespace skarvion
