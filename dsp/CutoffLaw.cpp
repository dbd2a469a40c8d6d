#include "dsp/CutoffLaw.h"
#include "dsp/LookupTables.h"

#include <cmath>

namespace CutoffLaw
{
    double hzForValue (double v) noexcept
    {
        if (std::isnan (v))
            return 0.0;

        const double octaves = std::fmin (octaveLimit, std::fmax (-octaveLimit, (2.0 * v - 1.0) * octaveSpan));
        return octaveTable().lookup (octaves) * centreFrequency;
    }

    double valueForHz (double hz) noexcept
    {
        if (hz <= 0.0)
            return 0.0;

        return std::log2 (hz * (1.0 / centreFrequency)) * (1.0 / (2.0 * octaveSpan)) + 0.5;
    }
}
