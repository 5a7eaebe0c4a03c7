#pragma once

// The user's words for a project-file failure, in the current language.

#include "app/project_file.h"
#include "locale/language_texts.h"

#include <QString>

namespace skarvion {

// The message text with the path in place of %s; system errors name the file
// and the system's reason.
QString ProjectFileMessage(const ProjectFileResult& result, const LanguageTexts& texts);

} // namespace skarvion
