#include "dsp/AudioMeter.h"

#include <algorithm>
#include <limits>

void AudioMeter::connect (std::atomic<float>* level_, std::atomic<bool>* clip) noexcept
{
    levelOut = level_;
    clipOut = clip;
}

void AudioMeter::prepare (double sampleRate, int blockSize) noexcept
{
    blockRate = sampleRate / (double) std::max (1, blockSize);

    // Blocks longer than the release time would otherwise overshoot below the peak
    // (and swing negative): one block can at most reach the peak.
    releaseCoefficient = std::min (1.0, 1000.0 / (releaseMs * blockRate));
}

void AudioMeter::process()
{
    if (level > peak)
        level = level + (peak - level) * releaseCoefficient;
    else
        level = peak;

    // A gained input can exceed the float range; the display gets the largest float
    // rather than an infinity.
    if (levelOut != nullptr)
        levelOut->store ((float) std::min (level, (double) std::numeric_limits<float>::max()), std::memory_order_relaxed);

    if (peak > 1.0 && clipOut != nullptr)
        clipOut->store (true, std::memory_order_relaxed);
}
