#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

#include <cmath>
#include <cstdint>
#include <limits>

/** Deterministic test signals. */
class SignalGenerator
{
public:
    explicit SignalGenerator (std::uint64_t seed = 0x9e3779b97f4a7c15ull) : state (seed | 1u) {}

    /** Uniform in -1 .. 1. */
    double noise() noexcept
    {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return (double) (state >> 11) * (2.0 / 9007199254740992.0) - 1.0;
    }

    static double sine (double frequency, double sampleRate, long long index) noexcept
    {
        return std::sin (2.0 * juce::MathConstants<double>::pi * frequency * (double) index / sampleRate);
    }

    /** Fills a channel with amplitude * noise. */
    void fillNoise (juce::AudioBuffer<float>& buffer, int channel, double amplitude)
    {
        for (int i = 0; i < buffer.getNumSamples(); ++i)
            buffer.setSample (channel, i, (float) (amplitude * noise()));
    }

    /** Mostly noise, with NaN, infinities, denormals and huge values mixed in. */
    float hostile() noexcept
    {
        const double pick = noise();
        if (pick > 0.98) return std::numeric_limits<float>::quiet_NaN();
        if (pick > 0.96) return std::numeric_limits<float>::infinity();
        if (pick > 0.94) return -std::numeric_limits<float>::infinity();
        if (pick > 0.92) return 1.0e-41f;
        if (pick > 0.90) return -std::numeric_limits<float>::denorm_min();
        if (pick > 0.88) return 3.0e38f;
        if (pick > 0.86) return -1.0e20f;
        return (float) noise();
    }

    /** Fills a channel with a sine that continues from sample index start. */
    static void fillSine (juce::AudioBuffer<float>& buffer, int channel, double amplitude,
                          double frequency, double sampleRate, long long start)
    {
        for (int i = 0; i < buffer.getNumSamples(); ++i)
            buffer.setSample (channel, i, (float) (amplitude * sine (frequency, sampleRate, start + i)));
    }

private:
    std::uint64_t state;
};
