#include "editor/half_second.h"

#include <algorithm>

namespace skarvion {

namespace {

// Values outside the byte range (possible in imported data) are read as the
// nearest valid byte.
int asByte(int value) {
    return std::clamp(value, 0, MaxHalfSeconds);
}

int atLeastHalfSecond(int value) {
    return value == 0 ? 1 : value;
}

} // namespace

HalfSecondDigits SplitHalfSeconds(int value) {
    const int v = asByte(value);
    return {v / 2, (v % 2) * 5};
}

int WithWholeSeconds(int value, int whole) {
    const int w = std::clamp(whole, 0, MaxWholeSeconds);
    return atLeastHalfSecond(2 * w + asByte(value) % 2);
}

int WithHalfSecond(int value, bool half) {
    const int v = asByte(value);
    return atLeastHalfSecond(v - v % 2 + (half ? 1 : 0));
}

int StepHalfSeconds(int value, int direction) {
    const int v = asByte(value);
    if (direction > 0) return v < MaxHalfSeconds ? v + 1 : v;
    if (direction < 0) return v > 1 ? v - 1 : 1;
    return atLeastHalfSecond(v);
}

} // namespace skarvion
