#pragma once

#include "params/QuilParamGrittle.h"

/** "Drive": percent from 0 to 100. */
class QuilParamGrittlePercent : public QuilParamGrittle
{
public:
    QuilParamGrittlePercent (const juce::String& name, const juce::String& label);

    juce::String getText (float normalised, int maximumLength) const override;

protected:
    double valueForText (const juce::String& text) const override;
};
