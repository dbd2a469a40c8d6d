#pragma once

#include "ui/toolkit/ControlGesture.h"

/** Horizontal drag: moving right raises the value; the area's full width is the full
    range while the pointer stays within 20 units of the area's centre line. */
class CtrlGestHoriz : public ControlGesture
{
public:
    bool beginGesture (const juce::MouseEvent&, QuilParam&, juce::Rectangle<int> area) override;
    /** The invert flag is not used. */
    void dragGesture (const juce::MouseEvent&, QuilParam&, bool invert) override;

private:
    float lastX = 0.0f, inverseWidth = 1.0f, centreY = 1.0f;
};
