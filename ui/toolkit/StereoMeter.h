#pragma once

#include "ui/toolkit/TimerComponent.h"

#include <atomic>

/** Two channel levels as two vertical bars, each with a clip lamp above it.

    The levels (linear amplitude) and clip flags belong to the engine, which writes
    them on the audio thread (the meter read-outs of ProcessorData); the meter reads
    them with atomic loads 30 times a second while visible and repaints only when
    something it shows has changed. A click clears both clip flags. */
class StereoMeter : public TimerComponent
{
public:
    /** The four read-outs in the order level 1, level 2, clip flag 1, clip flag 2,
        e.g. &data.inputLevel[0], &data.inputLevel[1], &data.inputClip[0],
        &data.inputClip[1]. None is owned; each must outlive the meter. A null
        level reads as silence, a null flag as an unlit lamp. */
    StereoMeter (const std::atomic<float>* level1, const std::atomic<float>* level2,
                 std::atomic<bool>* clip1, std::atomic<bool>* clip2);
    ~StereoMeter() override;

    void timerCallback() override;
    void paint (juce::Graphics&) override;
    void mouseDown (const juce::MouseEvent&) override;

    /** Where a channel's bar stands: 0 is full scale (0 dB), 1 the bottom (-48 dB). */
    float getPosition (int channel) const noexcept { return position[channel & 1]; }
    /** Whether a channel's clip lamp was lit at the last tick. */
    bool isClipLit (int channel) const noexcept { return cachedClip[channel & 1]; }

protected:
    float cachedLevel[2] { -1.0f, -1.0f };  // below any level read, so the first tick draws
    float position[2] { 1.0f, 1.0f };
    bool cachedClip[2] { false, false };

private:
    float readLevel (int channel) const noexcept;
    bool readClip (int channel) const noexcept;

    const std::atomic<float>* levels[2];
    std::atomic<bool>* clips[2];

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (StereoMeter)
};
