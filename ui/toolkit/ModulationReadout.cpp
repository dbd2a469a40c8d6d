#include "ui/toolkit/ModulationReadout.h"

#include <cmath>

ModulationReadout::ModulationReadout (const std::atomic<double>* leftSource, const std::atomic<double>* rightSource) noexcept
    : left (leftSource), right (rightSource), cachedLeft (read (leftSource)), cachedRight (read (rightSource))
{
}

float ModulationReadout::read (const std::atomic<double>* source) noexcept
{
    if (source == nullptr)
        return 0.0f;

    const auto value = (float) source->load (std::memory_order_relaxed);
    return std::isfinite (value) ? value : 0.0f;
}

bool ModulationReadout::poll() noexcept
{
    const auto l = read (left), r = read (right);

    if (l == cachedLeft && r == cachedRight)
        return false;

    cachedLeft = l;
    cachedRight = r;
    return true;
}
