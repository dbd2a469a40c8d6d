#include "params/QuilParamFilterTypeSVF3.h"

QuilParamFilterTypeSVF3::QuilParamFilterTypeSVF3 (const juce::String& paramName, const juce::String& paramLabel)
    : QuilParamGrittle (paramName, paramLabel)
{
    setDisplayRange (1.0, 3.0);
    gSteps = 0;
    gNames = { "LP", "BP", "HP" };
    setDefaultRealValue (0.0, true);
}

juce::String QuilParamFilterTypeSVF3::getText (float n, int maximumLength) const
{
    return cutToLength (juce::String (2.0 * (double) n + 1.0, 2), maximumLength);
}

double QuilParamFilterTypeSVF3::valueForText (const juce::String& text) const
{
    return juce::jlimit (0.0, 1.0, text.getDoubleValue() * 0.5 - 0.5);
}
