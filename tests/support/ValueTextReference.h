#pragma once

// Independent reference forms of the parameters' value texts and laws, written from
// their definitions with the C library only, for tests to compare against.

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace reference
{
    /** x with a fixed count of decimals. */
    inline std::string fixed (double x, int decimals)
    {
        char buffer[64];
        std::snprintf (buffer, sizeof (buffer), "%.*f", decimals, x);
        return buffer;
    }

    /** The shared value-text form: x with d decimals, cut to three significant places,
        one more below 100 and one more for a sign; a zero reads "0.00". */
    inline std::string paramValue (double x, int decimals)
    {
        const auto text = fixed (x, decimals);
        const double y = std::strtod (text.c_str(), nullptr);
        if (y == 0.0)
            return "0.00";

        std::size_t keep = 3;
        if (std::fabs (y) < 100.0) ++keep;
        if (y < 0.0) ++keep;
        return text.substr (0, keep);
    }

    /** The cutoff law: 640 Hz centre, five octaves each way. */
    inline double cutoffHz (double normalised)      { return 640.0 * std::exp2 ((2.0 * normalised - 1.0) * 5.0); }
    inline double cutoffValue (double hz)           { return std::log2 (hz / 640.0) / 10.0 + 0.5; }

    /** The level law of "In" and "Out": gain 28 v^2 / (27 - 20 v^2). */
    inline double levelDb (double v)                { return 20.0 * std::log10 (28.0 * v * v / (27.0 - 20.0 * v * v)); }
    inline double levelValue (double dB)
    {
        const double g = std::pow (10.0, dB / 20.0);
        return std::sqrt (27.0 * g / (28.0 + 20.0 * g));
    }

    /** Modulation depths are displayed through 16 r^3 inside +-0.25. */
    inline double depthCurve (double r)             { return std::fabs (r) < 0.25 ? 16.0 * r * r * r : r; }
    inline double depthForCurve (double s)          { return std::fabs (s) < 0.25 ? std::cbrt (s / 16.0) : s; }

    /** Normalised value of a real value in start..end. */
    inline double normalised (double real, double start, double end) { return (real - start) / (end - start); }
}
