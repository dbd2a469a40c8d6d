#pragma once

#include <juce_graphics/juce_graphics.h>

/** The embedded interface font: a Roboto Regular subset holding the characters the
    interface draws. */
namespace InterfaceFont
{
    const void* getData() noexcept;
    size_t getSize() noexcept;

    /** A new typeface made from the embedded data. */
    juce::Typeface::Ptr createTypeface();
}
