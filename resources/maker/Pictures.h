#pragma once

#include <juce_graphics/juce_graphics.h>

/** The two background pictures, 1406 × 638 pixels: twice the 703 × 319 point
    panel, so that they are drawn at half size. */
namespace Pictures
{
    static constexpr int width = 1406, height = 638;

    /** Opaque: the dark panel with wells under the three knobs, grooves for the two
        level sliders, the drive arc's bed and housings for the meters. */
    juce::Image makeControlPanel();

    /** Translucent veil over the panel with plates behind the settings' options. */
    juce::Image makeSettingsScreen();
}
