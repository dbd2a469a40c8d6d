#pragma once

#include <array>
#include <cstddef>

/** A 4001-entry table of a smooth function with linear interpolation between entries.
    Built once, shared read-only by every user. */
struct LookupTable
{
    static constexpr int size = 4001;

    /** position p = (x + offset) * scale; callers clamp x to the table's range. */
    double lookup (double x) const noexcept
    {
        const double p = (x + offset) * scale;
        const int i = (int) p;
        const int j = i == size - 1 ? i : i + 1;
        return data[(std::size_t) i] + (data[(std::size_t) j] - data[(std::size_t) i]) * (p - (double) i);
    }

    std::array<double, size> data {};
    double offset = 0.0;
    double scale = 1.0;
};

/** 2^x for x in -10..10, step 0.005 (index scale 200). */
const LookupTable& octaveTable();

/** tan(pi/2 * x) for x in -1..1, step 0.0005 (index scale 2000); the end entries hold
    the values at -0.9999 and 0.9999 in place of the infinite ones. */
const LookupTable& prewarpTable();
