#pragma once

#include "ui/toolkit/ControlGesture.h"

/** Vertical drag: moving up raises the value; the area's full height is the full
    range while the pointer stays within 20 units of the area's centre line, and the
    change shrinks farther to the side. */
class CtrlGestVert : public ControlGesture
{
public:
    bool beginGesture (const juce::MouseEvent&, QuilParam&, juce::Rectangle<int> area) override;
    void dragGesture (const juce::MouseEvent&, QuilParam&, bool invert) override;

private:
    float lastY = 0.0f, inverseHeight = 1.0f, centreX = 1.0f;
};
