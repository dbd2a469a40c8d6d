#pragma once

#include <cstdint>
#include <vector>

/** Colours of one column of the modulation pop-up. */
struct ModulationRowColours
{
};

/** The modulation styling a processor keeps for its editors; filled once by the
    first main window built for the processor. */
struct ModulationStyle
{
    uint32_t colours[4] {};
    std::vector<ModulationRowColours> rows;
    bool filled = false;
    std::vector<uint32_t> extraColoursA;
    std::vector<uint32_t> extraColoursB;
};
