#pragma once

#include "params/QuilParamFloat.h"

/** A parameter with its own display record: the value as the interface shows it
    (for example 1..3 for the filter type), the steps the toolkit snaps to, the legend
    names drawn under the control and the unit given to hosts. */
class QuilParamGrittle : public QuilParamFloat
{
public:
    QuilParamGrittle (const juce::String& name, const juce::String& label);

    juce::String getLabel() const override;
    juce::String getText (float normalised, int maximumLength) const override;

    void setDisplayRange (double start, double end);

    double gStart = 0.0, gEnd = 1.0, gLength = 1.0;
    float gStartF = 0.0f, gEndF = 1.0f, gLengthF = 1.0f;
    int gSteps = -1;
    juce::StringArray gNames;
    juce::String gUnit;

protected:
    double valueForText (const juce::String& text) const override;
};
