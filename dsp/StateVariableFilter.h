#pragma once

#include "dsp/Double2.h"
#include "dsp/LookupTables.h"

/** The per-sample coefficients of both channels' filters. */
struct SvfCoefficients
{
    Double2 g, k, denominator;
    Double2 saturation;  // c of the integrators' cubic
    Double2 limit;       // L, where the cubic's slope reaches zero
    Double2 typeFraction;
    Double2 typeIs0, typeIs1, typeIs2;  // lane masks for the morph's lower neighbour
};

/** Two-integrator state-variable filter in zero-delay-feedback form with saturating
    integrators and a continuous low-pass / band-pass / high-pass morph; both channels
    at once, run at four times the host rate. */
class StateVariableFilter
{
public:
    /** From the cutoff as a fraction of the filter rate's Nyquist frequency (0..0.25),
        resonance (0..1.1) and type (0..1). */
    static SvfCoefficients coefficients (Double2 normalisedFrequency, Double2 resonance, Double2 type,
                                         const LookupTable& prewarp) noexcept
    {
        SvfCoefficients c;

        const Double2 twoType = Double2 (2.0) * type;
        const Double2 typeIndex = Double2::truncated (twoType);
        c.typeFraction = twoType - typeIndex;
        c.typeIs0 = Double2::equal (typeIndex, Double2 (0.0));
        c.typeIs1 = Double2::equal (typeIndex, Double2 (1.0));
        c.typeIs2 = Double2::equal (typeIndex, Double2 (2.0));

        c.g = prewarp.lookup (normalisedFrequency);
        c.k = (Double2 (2.0) - Double2 (2.0) * resonance) + c.g;
        c.denominator = c.k * c.g + Double2 (1.0);

        const Double2 saturationCoefficient = Double2 (6.0) * normalisedFrequency;
        c.saturation = saturationCoefficient * Double2 (0.148148148148);
        c.limit = Double2::sqrt (Double2 (0.37500000000037503) / normalisedFrequency);
        return c;
    }

    /** One step: input clipper, filter, morph. */
    Double2 process (Double2 in, const SvfCoefficients& c) noexcept
    {
        // x - x^5 / (5 * 1.25^4): zero slope and a value of 1.0 at the clamp points.
        const Double2 x = Double2::clamp (in, Double2 (-1.25), Double2 (1.25));
        const Double2 x2 = x * x;
        const Double2 clipped = x - Double2 (0.08192000838) * (x2 * x2 * x);

        const Double2 highPass = (clipped - (c.k * s1 + s2)) / c.denominator;

        const Double2 lowLimit = -c.limit;
        const Double2 gainedHighPass = c.g * highPass;
        const Double2 v = Double2::clamp (s1 + gainedHighPass, lowLimit, c.limit);
        const Double2 bandPass = v * (Double2 (1.0) - c.saturation * (v * v));
        s1 = gainedHighPass + bandPass;

        const Double2 gainedBandPass = c.g * bandPass;
        const Double2 u = Double2::clamp (s2 + gainedBandPass, lowLimit, c.limit);
        const Double2 lowPass = u * (Double2 (1.0) - c.saturation * (u * u));
        s2 = gainedBandPass + lowPass;

        // out[index] + fraction * (out[index + 1] - out[index]) over (lp, bp, hp, 0).
        const Double2 lower = (c.typeIs0 & lowPass) | (c.typeIs1 & bandPass) | (c.typeIs2 & highPass);
        const Double2 upper = (c.typeIs0 & bandPass) | (c.typeIs1 & highPass);
        return lower + c.typeFraction * (upper - lower);
    }

    void reset() noexcept { s1 = s2 = Double2(); }

    Double2 s1, s2;
};
