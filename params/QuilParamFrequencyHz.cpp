#include "params/QuilParamFrequencyHz.h"
#include "dsp/CutoffLaw.h"

QuilParamFrequencyHz::QuilParamFrequencyHz (const juce::String& paramName, const juce::String& paramLabel,
                                            const juce::String& id, double defaultRealValue,
                                            const std::atomic<int>* voices)
    : QuilParamFloat (paramName, paramLabel, id, defaultRealValue), liveVoices (voices)
{
}

bool QuilParamFrequencyHz::hasVoice() const noexcept
{
    return liveVoices != nullptr && liveVoices->load (std::memory_order_relaxed) > 0;
}

juce::String QuilParamFrequencyHz::getText (float n, int) const
{
    const double hz = hasVoice() ? CutoffLaw::hzForValue (n) : 0.0;

    if (hz >= 1000.0)
        return juce::String (hz / 1000.0, hz >= 10000.0 ? 2 : 3) + "kHz";

    return juce::String (hz, hz >= 100.0 ? 1 : (hz >= 10.0 ? 2 : 3)) + "Hz";
}

double QuilParamFrequencyHz::valueForText (const juce::String& text) const
{
    double hz = text.getDoubleValue();
    if (text.toLowerCase().containsChar ('k'))
        hz *= 1000.0;

    // No frequency lies at or below 0 Hz: such a text reads as the bottom of the range.
    return hasVoice() ? CutoffLaw::valueForHz (hz) : 0.0;
}

double QuilParamFrequencyHz::valueToHz (double n) const
{
    return hasVoice() ? CutoffLaw::hzForValue (n) : 0.0;
}
