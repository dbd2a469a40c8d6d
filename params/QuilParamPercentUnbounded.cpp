#include "params/QuilParamPercentUnbounded.h"

#include <cmath>

juce::String QuilParamPercentUnbounded::getText (float n, int maximumLength) const
{
    const double x = (double) toReal (n) * displayFactor();
    const double size = std::abs (x);

    const auto text = size >= 100.0 ? juce::String (std::nearbyint (x), 0)
        : size >= 10.0              ? juce::String (x, 1)
                                    : juce::String (x, 2);
    return cutToLength (text, maximumLength);
}

double QuilParamPercentUnbounded::valueForText (const juce::String& text) const
{
    return (text.getDoubleValue() / displayFactor() - (double) rangeStartF) / (double) rangeLengthF;
}
