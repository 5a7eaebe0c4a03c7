#pragma once

// The scroll scheme of the phone lists: four buttons move the top row, and a
// vertical bar shows where the list stands.

namespace skarvion {

inline constexpr int PhoneListVisibleRows = 8;
inline constexpr int PhoneListBarMaximum = 30;

// The top row after a button moved it by `rows` (negative: up), within the list.
int ScrolledTopRow(int top, int rows, int rowCount);

// The bar position for top row `top` (counted from 0):
// max - (top + 1) * (max - min) / |rowCount - 8|, in whole numbers.
int PhoneListBarPosition(int top, int rowCount, int minimum = 0, int maximum = PhoneListBarMaximum);

} // namespace skarvion
