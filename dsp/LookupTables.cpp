#include "dsp/LookupTables.h"

#include <cmath>

namespace
{
    // Entries are stored rounded to ten decimal places.
    double roundTo10 (double v) { return std::round (v * 1.0e10) / 1.0e10; }

    LookupTable makeOctaveTable()
    {
        LookupTable t;
        t.offset = 10.0;
        t.scale = 200.0;
        for (int i = 0; i < LookupTable::size; ++i)
            t.data[(size_t) i] = roundTo10 (std::exp2 (-10.0 + 0.005 * i));
        return t;
    }

    LookupTable makePrewarpTable()
    {
        constexpr double halfPi = 1.57079632679489661923;
        LookupTable t;
        t.offset = 1.0;
        t.scale = 2000.0;
        for (int i = 1; i < LookupTable::size - 1; ++i)
            t.data[(size_t) i] = roundTo10 (std::tan (halfPi * (-1.0 + 0.0005 * i)));
        t.data[0] = -6366.1976713121;
        t.data[LookupTable::size - 1] = 6366.1976713121;
        t.data[2000] = 0.0;
        return t;
    }
}

const LookupTable& octaveTable()
{
    static const LookupTable table = makeOctaveTable();
    return table;
}

const LookupTable& prewarpTable()
{
    static const LookupTable table = makePrewarpTable();
    return table;
}
