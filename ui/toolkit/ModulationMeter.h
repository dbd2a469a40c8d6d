#pragma once

#include "ui/toolkit/TimerComponent.h"
#include <atomic>

/** A small bipolar level bar for one control input: a positive value rises from the
    centre line, a negative one falls from it. Reads its value, written by the audio
    side, at 30 Hz while visible and repaints only on change. */
class ModulationMeter : public TimerComponent
{
public:
    /** value may be null: the meter then stays at 0. */
    ModulationMeter (const std::atomic<float>* value, juce::Colour top, juce::Colour bottom);
    ~ModulationMeter() override;

    void setColours (juce::Colour top, juce::Colour bottom);

    void timerCallback() override;
    void paint (juce::Graphics&) override;
    void resized() override;

    /** The value shown, within -1 … 1 (a non-finite reading shows as 0). */
    float getDisplayedValue() const noexcept { return displayed; }

private:
    const std::atomic<float>* value;
    juce::Colour top, bottom;
    juce::Rectangle<float> upperHalf, lowerHalf;
    float displayed = 0.0f;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ModulationMeter)
};
