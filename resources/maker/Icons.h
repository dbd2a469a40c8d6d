#pragma once

#include <juce_graphics/juce_graphics.h>

/** The look-and-feel's icon set and the drive-mode button's two icons. */
namespace Icons
{
    struct Icon
    {
        juce::String fileName;
        juce::Path path;
    };

    /** In load order, each fitted to its extent: folder 12 × 12, plus 12 × 12,
        save 12 × 11.5, previous 10 × 10, next 10 × 10, linked 17.4 × 9.6,
        unlinked 17.4 × 9.5, lock 9.6 × 9.8. */
    std::vector<Icon> makeIconSet();

    /** A flame (hot) and a snowflake (cold). */
    juce::Path makeDriveHotIcon();
    juce::Path makeDriveColdIcon();
}
