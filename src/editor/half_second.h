#pragma once

// Delays kept in half-seconds (1..255, 0.5 s to 127.5 s) and edited as whole
// seconds plus a tenths digit of 0 or 5. The shortest delay is 0.5 s: any
// edit that would give 0 gives 1.

namespace skarvion {

inline constexpr int MaxHalfSeconds = 255;
inline constexpr int MaxWholeSeconds = 127;

struct HalfSecondDigits {
    int whole = 0;
    int tenths = 0; // 0 or 5

    bool operator==(const HalfSecondDigits&) const = default;
};

// How a stored value is shown; 5 shows 2 and 5.
HalfSecondDigits SplitHalfSeconds(int value);

// The whole seconds changed to `whole` (limited to 0..127); the half-second is kept.
int WithWholeSeconds(int value, int whole);

// The tenths digit changed: `half` sets the half-second, otherwise it is cleared.
int WithHalfSecond(int value, bool half);

// The up-down: +1 adds a half-second up to 255, -1 removes one down to 1.
int StepHalfSeconds(int value, int direction);

} // namespace skarvion
