#pragma once

#include "params/QuilParamFloat.h"

/** The Cutoff and Type modulation depths: the cubic depth curve times a display
    scale (120 for Cutoff, the semitones of its ten-octave span; 2 for Type, its
    span from 1.00 to 3.00). */
class QuilParamModulationRange : public QuilParamFloat
{
public:
    using QuilParamFloat::QuilParamFloat;

    juce::String getText (float normalised, int maximumLength) const override;

    double displayScale = 1.0;

protected:
    double valueForText (const juce::String& text) const override;
};
