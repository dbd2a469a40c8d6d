#pragma once

#include <atomic>

/** The left and right modulated values of one destination, as the filter engine
    wrote them at the end of its last block, cached as floats for a control's poll.
    The engine's values are atomics read without a lock; a value that is not finite
    (or a missing read-out) reads as 0, so a broken block never reaches the drawing. */
class ModulationReadout
{
public:
    ModulationReadout (const std::atomic<double>* left, const std::atomic<double>* right) noexcept;

    /** Reads both values; true when either differs from the cache, which then holds them. */
    bool poll() noexcept;

    float getLeft() const noexcept { return cachedLeft; }
    float getRight() const noexcept { return cachedRight; }

    static float read (const std::atomic<double>* source) noexcept;

private:
    const std::atomic<double>* left;
    const std::atomic<double>* right;
    float cachedLeft, cachedRight;
};
