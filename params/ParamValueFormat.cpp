#include "params/ParamValueFormat.h"

#include <cmath>

juce::String formatParamValue (double x, int decimals)
{
    const juce::String text (x, decimals);
    const double y = text.getDoubleValue();

    if (y == 0.0)
        return "0.00";

    const int keep = 3 + (std::trunc (std::abs (y)) < 100.0 ? 1 : 0) + (y < 0.0 ? 1 : 0);
    return text.substring (0, keep);
}

juce::String formatParamValue (float x)
{
    return formatParamValue ((double) x, 3);
}

double depthDisplayCurve (double r) noexcept
{
    return (r > -0.25 && r < 0.25) ? 16.0 * r * r * r : r;
}

namespace
{
    std::optional<int> toIndex (double whole) noexcept
    {
        constexpr double limit = 2147483647.0;
        if (! (whole >= -limit && whole <= limit))
            return std::nullopt;
        return (int) whole;
    }
}

std::optional<int> roundToIndex (double x) noexcept { return toIndex (std::nearbyint (x)); }
std::optional<int> truncateToIndex (double x) noexcept { return toIndex (std::trunc (x)); }
