#include "params/QuilParamGrittleAmp12.h"
#include "params/ParamValueFormat.h"

#include <cmath>
#include <limits>

namespace
{
    constexpr double dBPerOctave = 6.020599913279624;     // 20 log10 (2)
    constexpr double octavesPerDB = 0.16609640121459962;  // 1 / dBPerOctave

    // The level texts use log2 to 20 fractional bits, rounded down.
    double log2To20Bits (double x) noexcept
    {
        constexpr double scale = 1048576.0;
        return std::floor (std::log2 (x) * scale) / scale;
    }
}

QuilParamGrittleAmp12::QuilParamGrittleAmp12 (const juce::String& paramName, const juce::String& paramLabel)
    : QuilParamGrittle (paramName, paramLabel)
{
    setDefaultRealValue (0.75, true);
    gNames = { "-inf", "-23", "-9", "0", "12" };
    setDisplayRange (0.0, 1.0);
    gSteps = 0;
    gUnit = paramLabel;
    setNumSteps (0);
    setRange (0.0, 1.0);
}

double QuilParamGrittleAmp12::levelForValue (double v) noexcept
{
    const double v2 = v * v;
    return 4.0 * v2 / (3.857142857142857 - 2.857142857142857 * v2);
}

juce::String QuilParamGrittleAmp12::getText (float n, int maximumLength) const
{
    if (n == 0.0f)
        return "-inf";

    const double dB = dBPerOctave * log2To20Bits (levelForValue ((double) n));
    const auto text = formatParamValue (dB, 2);

    if (text.getDoubleValue() > -100.0)
        return cutToLength (text, maximumLength);

    return "-inf";
}

double QuilParamGrittleAmp12::valueForText (const juce::String& text) const
{
    const double dB = text.getDoubleValue();

    if (dB == -std::numeric_limits<double>::infinity())
        return 0.0;

    const double gain = std::exp2 (dB * octavesPerDB);

    // Beyond any finite gain the law tends to its top; clamped below anyway.
    if (gain == std::numeric_limits<double>::infinity())
        return 1.0;

    const double v2 = 3.857142857142857 * gain / (2.857142857142857 * gain + 4.0);
    return juce::jlimit (0.0, 1.0, std::sqrt (v2));
}
