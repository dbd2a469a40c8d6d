#pragma once

#include <juce_graphics/juce_graphics.h>

/** The look-and-feel's eight embedded icon outlines, in the framework's path-data
    form, in load order: folder, plus, save, previous, next, linked, unlinked, lock. */
namespace IconSet
{
    static constexpr int numIcons = 8;

    /** The data block of icon i (0-based); null with size 0 outside the set. */
    const void* getData (int index) noexcept;
    size_t getSize (int index) noexcept;

    /** The outline of icon i; an empty path outside the set. */
    juce::Path loadIcon (int index);
}
