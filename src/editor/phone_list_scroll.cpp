#include "editor/phone_list_scroll.h"

#include <algorithm>
#include <cstdlib>

namespace skarvion {

int ScrolledTopRow(int top, int rows, int rowCount) {
    const int lastTop = std::max(0, rowCount - PhoneListVisibleRows);
    return std::clamp(top + rows, 0, lastTop);
}

int PhoneListBarPosition(int top, int rowCount, int minimum, int maximum) {
    const int hidden = std::abs(rowCount - PhoneListVisibleRows);
    // A list that shows all its rows at once never moves.
    if (hidden == 0) return maximum;
    return std::clamp(maximum - (top + 1) * (maximum - minimum) / hidden, minimum, maximum);
}

} // namespace skarvion
