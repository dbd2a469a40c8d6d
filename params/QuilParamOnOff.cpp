#include "params/QuilParamOnOff.h"

#include <cmath>

juce::String QuilParamOnOff::getText (float n, int maximumLength) const
{
    return cutToLength (n > 0.0f ? onText : offText, maximumLength);
}

double QuilParamOnOff::valueForText (const juce::String& text) const
{
    if (isOwnText (text, onText))
        return 1.0;

    if (isOwnText (text, offText))
        return 0.0;

    const double t = text.getDoubleValue();
    if (std::isnan (t))
        return t;  // like every parameter, a typed NaN keeps the current value

    return t > 0.0 ? 1.0 : 0.0;
}
