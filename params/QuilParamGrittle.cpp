#include "params/QuilParamGrittle.h"
#include "params/ParamValueFormat.h"

#include <cmath>

QuilParamGrittle::QuilParamGrittle (const juce::String& paramName, const juce::String& paramLabel)
    : QuilParamFloat (paramName, paramLabel, {}, 0.0)
{
}

void QuilParamGrittle::setDisplayRange (double start, double end)
{
    gStart = start;
    gEnd = end;
    gLength = end - start;
    gStartF = (float) start;
    gEndF = (float) end;
    gLengthF = (float) gLength;
}

juce::String QuilParamGrittle::getLabel() const
{
    return gUnit;
}

juce::String QuilParamGrittle::getText (float n, int maximumLength) const
{
    const float g = gStartF + n * gLengthF;

    if (gSteps < 2)
        return cutToLength (formatParamValue (g), maximumLength);

    const auto i = roundToIndex ((double) n * (double) (gNames.size() - 1));
    if (i.has_value() && juce::isPositiveAndBelow (*i, gNames.size()))
        return cutToLength (gNames[*i], maximumLength);

    const auto whole = roundToIndex ((double) g);
    return cutToLength (whole.has_value() ? juce::String (*whole) : juce::String (g), maximumLength);
}

double QuilParamGrittle::valueForText (const juce::String& text) const
{
    double v = ((float) text.getDoubleValue() - gStartF) / gLengthF;

    if (gSteps >= 2)
        v = std::nearbyint (v * (gSteps - 1)) / (gSteps - 1);

    return v;
}
