#pragma once

// Reads formatted-list lines as plain text for a terminal: codes are removed,
// centred titles stay centred, and the cells of bordered tables are set in
// aligned columns between "|" with "+---+" rules.

#include <string>
#include <vector>

namespace skarvion {

// Lines in and out are Windows-1251; one output line per visible row.
std::vector<std::string> MarkupToPlainText(const std::vector<std::string>& lines);

} // namespace skarvion
