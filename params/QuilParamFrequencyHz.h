#pragma once

#include "params/QuilParamFloat.h"

class VortaneAudioProcessor;

/** "Cutoff": shown and typed in hertz through the processor's cutoff law
    (640 Hz centre, five octaves each way). */
class QuilParamFrequencyHz : public QuilParamFloat
{
public:
    QuilParamFrequencyHz (const juce::String& name, const juce::String& label,
                          const juce::String& id, double defaultRealValue,
                          VortaneAudioProcessor* processor);

    juce::String getText (float normalised, int maximumLength) const override;

    /** The frequency a normalised value stands for, through the processor's law
        (0 without a processor). */
    double valueToHz (double normalised) const;

protected:
    double valueForText (const juce::String& text) const override;

private:
    VortaneAudioProcessor* const processor;
};
