#pragma once

#include "ui/toolkit/HandlePainter.h"

/** The level sliders' round handle: a dark disc with a soft shadow below it, a
    highlight, a graded rim and a white centre dot. Its gradients and shadow paths
    are made once for the 16 x 16 handle and only filled when painting. */
class VortaneSliderHandle : public HandlePainter
{
public:
    static constexpr float size = 16.0f;

    /** A 16 x 16 handle at (0, 0). */
    VortaneSliderHandle();
    ~VortaneSliderHandle() override;

    void paintHandle (juce::Graphics& g) override;

private:
    juce::ColourGradient highlight, shadow1, shadow2;
    juce::Path shadowPath1, shadowPath2;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VortaneSliderHandle)
};
