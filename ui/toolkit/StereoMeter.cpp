#include "ui/toolkit/StereoMeter.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace
{
    // Levels at or below this (about -52 dB) all show at the bottom and never repaint among themselves.
    constexpr float floorLevel = 0.0025f;

    /** log2 from the float's exponent and a parabola through its mantissa. */
    float fastLog2 (float x) noexcept
    {
        std::uint32_t bits;
        std::memcpy (&bits, &x, sizeof (bits));
        const int exponent = (int) ((bits >> 23) & 0xFF);
        std::uint32_t mantissaBits = (bits & 0x007FFFFFu) | 0x3F800000u;
        float m;
        std::memcpy (&m, &mantissaBits, sizeof (m));
        return (float) (exponent - 128) - 2.0f / 3.0f + (2.0f - m / 3.0f) * m;
    }

    /** Eight octaves of amplitude (48 dB) over the meter's height: 0 at full scale, 1 at the bottom. */
    float positionFor (float level) noexcept
    {
        return juce::jmin (1.0f, -0.125f * fastLog2 (juce::jlimit (0.0039125f, 1.0f, level)));
    }
}

StereoMeter::StereoMeter (const std::atomic<float>* level1, const std::atomic<float>* level2,
                          std::atomic<bool>* clip1, std::atomic<bool>* clip2)
    : TimerComponent (30), levels { level1, level2 }, clips { clip1, clip2 }
{
    timerCallback();
}

StereoMeter::~StereoMeter() = default;

float StereoMeter::readLevel (int channel) const noexcept
{
    const float level = levels[channel] != nullptr ? levels[channel]->load (std::memory_order_relaxed) : 0.0f;
    return juce::jmax (floorLevel, std::isfinite (level) ? level : 0.0f);
}

bool StereoMeter::readClip (int channel) const noexcept
{
    return clips[channel] != nullptr && clips[channel]->load (std::memory_order_relaxed);
}

void StereoMeter::timerCallback()
{
    const float a = readLevel (0), b = readLevel (1);
    const bool clipA = readClip (0), clipB = readClip (1);

    if (a == cachedLevel[0] && b == cachedLevel[1] && clipA == cachedClip[0] && clipB == cachedClip[1])
        return;

    cachedLevel[0] = a;
    cachedLevel[1] = b;
    cachedClip[0] = clipA;
    cachedClip[1] = clipB;
    position[0] = positionFor (a);
    position[1] = positionFor (b);
    repaint();
}

void StereoMeter::paint (juce::Graphics& g)
{
    const float w = (float) getWidth(), h = (float) getHeight();

    juce::ColourGradient fill (juce::Colour (0xFFFF0000), 0.0f, 0.0f, juce::Colour (0xFF008000), 0.0f, h, false);
    fill.addColour (0.25, juce::Colour (0xFFFFFF00));

    for (int channel = 0; channel < 2; ++channel)
    {
        const float x = channel == 0 ? 2.0f : w / 2.0f + 2.0f;
        const float top = position[channel] * (h - 4.0f) + 4.0f;

        g.setGradientFill (fill);
        g.fillRect (x, top, w / 2.0f - 4.0f, h - top);

        g.setColour (juce::Colour (cachedClip[channel] ? 0xFFFF0000 : 0xFF8B0000));
        g.fillRect (x, 0.0f, w / 2.0f - 4.0f, 3.0f);
    }
}

void StereoMeter::mouseDown (const juce::MouseEvent& e)
{
    // A right-click or control-click belongs to MIDI learning.
    if ((e.mods.getRawFlags() & 0x22) != 0)
        return;

    // The engine only ever sets its flags; clearing them is ours. The next tick shows it.
    for (auto* clip : clips)
        if (clip != nullptr)
            clip->store (false, std::memory_order_relaxed);
}
