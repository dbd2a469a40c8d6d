#pragma once

#include "params/QuilParamGrittle.h"

/** "In" and "Out": a level from silence to +12 dB with 0 dB at 0.75, shown in dB. */
class QuilParamGrittleAmp12 : public QuilParamGrittle
{
public:
    QuilParamGrittleAmp12 (const juce::String& name, const juce::String& label);

    juce::String getText (float normalised, int maximumLength) const override;

    /** The level law, gain for a normalised value: 28 v^2 / (27 - 20 v^2);
        0 is silence, 0.75 gives 1 (0 dB), 1 gives 4 (+12.04 dB). */
    static double levelForValue (double v) noexcept;

protected:
    double valueForText (const juce::String& text) const override;
};
