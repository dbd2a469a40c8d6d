#pragma once

#include "dsp/DSPCap.h"

#include <atomic>

/** Level of one channel with instant attack, a 150 ms release and a sticky clip flag,
    evaluated once per host block from the block's peak. */
class AudioMeter : private DSPCap
{
public:
    AudioMeter() = default;

    void connect (std::atomic<float>* level, std::atomic<bool>* clip) noexcept;
    void prepare (double sampleRate, int blockSize) noexcept;

    /** Moves the displayed level toward this block's peak and publishes it. */
    void process() override;

    double peak = 0.0;
    double level = 0.0;

private:
    double releaseCoefficient = 0.019349962207105064;
    double blockRate = 344.53125;
    double releaseMs = 150.0;
    std::atomic<float>* levelOut = nullptr;
    std::atomic<bool>* clipOut = nullptr;
};
