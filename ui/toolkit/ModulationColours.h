#pragma once

#include "core/ModulationStyle.h"
#include <juce_gui_basics/juce_gui_basics.h>

/** The colours the modulation widgets draw with: the processor's styling where it
    holds what they need, otherwise the look-and-feel's plain colours. The styling is
    filled by the first main window after the panel's controls exist, and another
    host of the widgets may never fill it, so nothing here assumes it is complete. */
namespace ModulationColours
{
    /** Record `column` of the style, or a record of plain colours when the style has
        none there or one of its colour pairs is short. */
    ModulationRowColours rowFor (const ModulationStyle& style, int column, juce::LookAndFeel& lookAndFeel);

    /** A record made of the look-and-feel's plain colours. */
    ModulationRowColours plainRow (juce::LookAndFeel& lookAndFeel);

    /** The list when it has at least `needed` entries, else `needed` copies of the plain colour. */
    std::vector<uint32_t> atLeast (const std::vector<uint32_t>& list, size_t needed, juce::Colour plain);

    juce::Colour plainBackground (juce::LookAndFeel& lookAndFeel);
    juce::Colour plainSecondary (juce::LookAndFeel& lookAndFeel);
    juce::Colour plainText (juce::LookAndFeel& lookAndFeel);
}
