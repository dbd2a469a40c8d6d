#include "core/ModulationStyle.h"

ModulationRowColours::ModulationRowColours (uint32_t c1, uint32_t c2, uint32_t c3, uint32_t c4,
                                            uint32_t c5, uint32_t c6, uint32_t c7, uint32_t c8,
                                            uint32_t c9, uint32_t c10, uint32_t c11, uint32_t c12)
    : firstPair { c1, c2 },
      secondPair { c3, c4 },
      titleColour (c5),
      valueTextColour (c6),
      switchColour (c7),
      captionColour (c10),
      thirdPair { c8, c9 },
      fourthPair { c11, c12 }
{
}

void addModulationRowColours (ModulationStyle& style, const ModulationRowColours& row)
{
    style.records.push_back (row);
}
