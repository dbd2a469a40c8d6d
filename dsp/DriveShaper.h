#pragma once

#include "dsp/Double2.h"

/** The integrator update of a zero-delay-feedback one-pole, given its prewarped gain g
    and its high-pass output hp. Only the linear shape (mode 1) exists, so the step is a
    plain one-pole low-pass and the mode is accepted for every caller alike. */
template <typename T>
inline T driveShape (T& state, int /*mode*/, T g, T hp) noexcept
{
    const T gainedHighPass = g * hp;
    const T y = state + gainedHighPass;
    state = gainedHighPass + y;
    return y;
}

/** The two drive characters, applied to the drive input u = drive gain x sample at
    sixteen times the host rate. Powers are explicit products. */
struct DriveShaper
{
    /** "Cold": an asymmetric seventh-order curve; rises to 1.5 at u ~ 1.7083 and folds
        back to 1.3277 above u ~ 1.9583; below u ~ -0.9583 it stays at -0.9025. */
    static Double2 cold (Double2 u) noexcept
    {
        const Double2 t = Double2::clamp (u - Double2 (0.250000906467479),
                                          Double2 (-1.208332426865855), Double2 (1.708334239800812));
        const Double2 a = Double2 (0.5480535820147318) * t;
        const Double2 a2 = a * a;
        const Double2 a4 = a2 * a2;
        const Double2 a7 = a4 * a2 * a;
        return (t + Double2 (0.25)) - a7;
    }

    /** "Hot": a cubic to +1.0 at u = 1.5 for positive inputs, a ninth-order curve to
        -1.0 at u = -1.125 for negative ones. */
    static Double2 hot (Double2 u) noexcept
    {
        const Double2 p = Double2::clamp (u, Double2 (0.0), Double2 (1.5));
        const Double2 positive = p - Double2 (0.14814814814) * (p * p * p);

        const Double2 n = Double2::clamp (u, Double2 (-1.125), Double2 (0.0));
        const Double2 n2 = n * n;
        const Double2 n4 = n2 * n2;
        const Double2 n8 = n4 * n4;
        const Double2 negative = n - Double2 (0.04330493) * (n8 * n);

        return Double2::select (Double2::atLeastZero (u), positive, negative);
    }
};
