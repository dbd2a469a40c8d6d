#pragma once

#include "dsp/Double2.h"

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

    /** The same rule on both lanes. */
    Double2 lookup (Double2 x) const noexcept
    {
        const Double2 p = (x + Double2 (offset)) * Double2 (scale);
        int iL, iR;
        p.truncate (iL, iR);
        const int jL = iL == size - 1 ? iL : iL + 1;
        const int jR = iR == size - 1 ? iR : iR + 1;
        const Double2 lower (data[(std::size_t) iL], data[(std::size_t) iR]);
        const Double2 upper (data[(std::size_t) jL], data[(std::size_t) jR]);
        return lower + (upper - lower) * (p - Double2::truncated (p));
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
