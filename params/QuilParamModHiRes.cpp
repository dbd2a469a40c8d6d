#include "params/QuilParamModHiRes.h"
#include "params/ParamValueFormat.h"

#include <cmath>

juce::String QuilParamModHiRes::getText (float n, int maximumLength) const
{
    return cutToLength (formatParamValue ((float) (depthDisplayCurve ((double) toReal (n)) * 100.0)), maximumLength);
}

double QuilParamModHiRes::valueForText (const juce::String& text) const
{
    const double t = text.getDoubleValue();
    const double p = t * 0.01;

    double x = p;
    if (p >= 0.0 && p < 0.25)
        x = std::cbrt (t * 0.000625);
    else if (p > -0.25 && p < 0.0)
        x = -std::cbrt (-t * 0.000625);

    return (x - (double) rangeStartF) / (double) rangeLengthF;
}
