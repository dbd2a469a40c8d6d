#pragma once

#include <cmath>

/** The parabolic sine used for knob pointers and scale segments: accurate to about
    0.1 % and cheap enough to run per segment on every value change. Angles are in
    half-turns (x stands for x·π radians). */
namespace FastSine
{
    inline float sinHalfTurns (float x) noexcept
    {
        float t = std::abs (x);
        t -= 2.0f * std::trunc (t * 0.5f + 0.5f);  // into [-1, 1)
        float y = 4.0f * t * (1.0f - std::abs (t));
        y += 0.224008178776f * y * (std::abs (y) - 1.0f);
        return x < 0.0f ? -y : y;
    }

    inline float cosHalfTurns (float x) noexcept { return sinHalfTurns (x + 0.5f); }
}
