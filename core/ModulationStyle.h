#pragma once

#include <cstdint>
#include <vector>

/** Colours of one column of the modulation pop-up (ARGB). */
struct ModulationRowColours
{
    /** c1 … c12 in order; c10 is the caption colour, stored before the third pair. */
    ModulationRowColours (uint32_t c1, uint32_t c2, uint32_t c3, uint32_t c4,
                          uint32_t c5, uint32_t c6, uint32_t c7, uint32_t c8,
                          uint32_t c9, uint32_t c10, uint32_t c11, uint32_t c12);
    ModulationRowColours (const ModulationRowColours&) = default;
    ModulationRowColours& operator= (const ModulationRowColours&) = default;

    /** c1 (top of the value-bar gradients), c2 (carried, not read). */
    std::vector<uint32_t> firstPair;
    /** c3 (bottom of the value-bar gradients), c4 (carried, not read). */
    std::vector<uint32_t> secondPair;
    uint32_t titleColour;
    uint32_t valueTextColour;
    uint32_t switchColour;
    uint32_t captionColour;
    /** Bar-field gradient, top and bottom. */
    std::vector<uint32_t> thirdPair;
    /** The column meter's gradient, top and bottom. */
    std::vector<uint32_t> fourthPair;
};

/** The modulation styling a processor keeps for its editors; filled once by the
    first main window built for the processor. */
struct ModulationStyle
{
    uint32_t outerFrameColour = 0;
    uint32_t innerFrameColour = 0;
    uint32_t sliderBackgroundColour = 0;
    uint32_t tickMarkColour = 0;
    /** Column i of the pop-up uses record i. */
    std::vector<ModulationRowColours> records;
    /** False until a main window filled the style; also selects the pop-up's
        gradient style (true: vertical). */
    bool filled = false;
    std::vector<uint32_t> innerGradientColours;
    std::vector<uint32_t> outerGradientColours;
};

void addModulationRowColours (ModulationStyle& style, const ModulationRowColours& row);
