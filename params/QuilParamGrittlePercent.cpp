#include "params/QuilParamGrittlePercent.h"

QuilParamGrittlePercent::QuilParamGrittlePercent (const juce::String& paramName, const juce::String& paramLabel)
    : QuilParamGrittle (paramName, paramLabel)
{
    gNames = { "0", "25", "50", "75", "100" };
    setDisplayRange (0.0, 1.0);
    gSteps = 0;
    setDefaultRealValue (0.0, true);
}

juce::String QuilParamGrittlePercent::getText (float n, int) const
{
    const double percent = 100.0 * (double) n;

    if (percent < 10.0)
        return juce::String (percent, 2);

    if (percent >= 100.0)
        return "100";

    return juce::String (percent, 1);
}

double QuilParamGrittlePercent::valueForText (const juce::String& text) const
{
    return juce::jlimit (0.0, 1.0, text.getDoubleValue() * 0.01);
}
