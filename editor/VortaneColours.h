#pragma once

#include <juce_graphics/juce_graphics.h>

/** The product's colour constants. */
namespace VortaneColours
{
    static constexpr juce::uint32 green = 0xFF23D359;       // G1, the accent
    static constexpr juce::uint32 lightGreen = 0xFF89FE84;  // G2, also the filter graph's colour
    static constexpr juce::uint32 sage = 0xFFBCCE99;        // G3
}
