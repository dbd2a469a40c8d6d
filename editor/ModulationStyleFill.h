#pragma once

#include "core/ModulationStyle.h"
#include <juce_gui_basics/juce_gui_basics.h>

/** Copies the modulation pop-up's colours out of a look-and-feel into a processor's
    styling, once: frame, slider, gradient and tick colours and the eight row records.
    Does nothing and returns false when the styling is already filled. */
bool fillModulationStyle (ModulationStyle& style, juce::LookAndFeel& lookAndFeel);
