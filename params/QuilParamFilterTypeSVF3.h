#pragma once

#include "params/QuilParamGrittle.h"

/** "Type": a continuous blend shown from 1.00 (low-pass) through 2.00 (band-pass)
    to 3.00 (high-pass). */
class QuilParamFilterTypeSVF3 : public QuilParamGrittle
{
public:
    QuilParamFilterTypeSVF3 (const juce::String& name, const juce::String& label);

    juce::String getText (float normalised, int maximumLength) const override;

protected:
    double valueForText (const juce::String& text) const override;
};
