#include "app/project_messages.h"

namespace skarvion {

QString ProjectFileMessage(const ProjectFileResult& result, const LanguageTexts& texts) {
    if (result.ok()) return {};
    if (result.messageKey.empty()) return result.argument + ": " + result.systemError;
    QString text = uiText(texts, result.messageKey);
    text.replace("%s", result.argument);
    return text;
}

} // namespace skarvion
