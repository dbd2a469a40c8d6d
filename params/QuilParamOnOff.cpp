#include "params/QuilParamOnOff.h"

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

    return text.getDoubleValue() > 0.0 ? 1.0 : 0.0;
}
