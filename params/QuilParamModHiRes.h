#pragma once

#include "params/QuilParamFloat.h"

/** The In, Resonance, Drive and Out modulation depths: the cubic depth curve in percent. */
class QuilParamModHiRes : public QuilParamFloat
{
public:
    using QuilParamFloat::QuilParamFloat;

    juce::String getText (float normalised, int maximumLength) const override;

protected:
    double valueForText (const juce::String& text) const override;
};
