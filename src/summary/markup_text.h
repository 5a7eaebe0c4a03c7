#pragma once

// Text helpers around the slash markup.

#include <string>
#include <string_view>
#include <vector>

namespace skarvion {

// Doubles every "/" so that the text shows literally inside a markup line.
std::string EscapeMarkupText(std::string_view text);

// The items a multi-line text gives a formatted list: the text is cut at each
// LF CR pair (0x0A then 0x0D); a separator at the very end adds no empty item,
// two in a row add one, an empty text gives no item.
std::vector<std::string> SplitListText(std::string_view text);

} // namespace skarvion
