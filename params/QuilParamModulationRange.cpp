#include "params/QuilParamModulationRange.h"
#include "params/ParamValueFormat.h"

#include <cmath>

juce::String QuilParamModulationRange::getText (float n, int) const
{
    return formatParamValue (depthDisplayCurve ((double) toReal (n)) * displayScale, 3);
}

double QuilParamModulationRange::valueForText (const juce::String& text) const
{
    double x = text.getDoubleValue() / displayScale;

    if (x > -0.25 && x < 0.25)
        x = x > 0.0 ? std::cbrt (x * 0.0625) : -std::cbrt (-x * 0.0625);

    return (x - rangeStart) / rangeLength;
}
