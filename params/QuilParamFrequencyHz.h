#pragma once

#include "params/QuilParamFloat.h"

#include <atomic>

/** "Cutoff": shown and typed in hertz through the cutoff law (640 Hz centre, five
    octaves each way). The texts take no lock: the law is constants and a shared
    table, so a host's text request never waits for the audio thread. */
class QuilParamFrequencyHz : public QuilParamFloat
{
public:
    /** liveVoices counts the engine's filter voices (not owned, may be null): while
        there is none the texts read 0 Hz. */
    QuilParamFrequencyHz (const juce::String& name, const juce::String& label,
                          const juce::String& id, double defaultRealValue,
                          const std::atomic<int>* liveVoices);

    juce::String getText (float normalised, int maximumLength) const override;

    /** The frequency a normalised value stands for, as the processor's valueToHz
        (0 while the engine has no voice). Takes no lock. */
    double valueToHz (double normalised) const;

protected:
    double valueForText (const juce::String& text) const override;

private:
    bool hasVoice() const noexcept;

    const std::atomic<int>* const liveVoices;
};
