#include "params/QuilParamFrequencyHz.h"
#include "core/VortaneAudioProcessor.h"

#include <cmath>

QuilParamFrequencyHz::QuilParamFrequencyHz (const juce::String& paramName, const juce::String& paramLabel,
                                            const juce::String& id, double defaultRealValue,
                                            VortaneAudioProcessor* p)
    : QuilParamFloat (paramName, paramLabel, id, defaultRealValue), processor (p)
{
}

juce::String QuilParamFrequencyHz::getText (float n, int) const
{
    const double hz = processor != nullptr ? processor->valueToHz (n) : 0.0;

    if (hz >= 1000.0)
        return juce::String (hz / 1000.0, hz >= 10000.0 ? 2 : 3) + "kHz";

    return juce::String (hz, hz >= 100.0 ? 1 : (hz >= 10.0 ? 2 : 3)) + "Hz";
}

double QuilParamFrequencyHz::valueForText (const juce::String& text) const
{
    double hz = text.getDoubleValue();
    if (text.toLowerCase().containsChar ('k'))
        hz *= 1000.0;

    if (processor == nullptr)
        return 0.0;

    // The voice owns the law; its lock keeps it in place while we read.
    const juce::ScopedLock sl (processor->getAudioLock());

    if (processor->synth.getNumVoices() == 0)
        return 0.0;

    // No frequency lies at or below 0 Hz: such a text reads as the bottom of the range.
    if (hz <= 0.0)
        return 0.0;

    return std::log2 (hz * 0.0015625) * 0.1 + 0.5;
}

double QuilParamFrequencyHz::valueToHz (double n) const
{
    return processor != nullptr ? processor->valueToHz (n) : 0.0;
}
