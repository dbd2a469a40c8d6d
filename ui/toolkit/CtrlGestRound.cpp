#include "ui/toolkit/CtrlGestRound.h"
#include "params/QuilParam.h"

#include <cmath>

CtrlGestRound::CtrlGestRound (float scale) : angleScale (scale) {}

float CtrlGestRound::angleValue (juce::Point<float> p) const noexcept
{
    // Measured from straight up, clockwise positive.
    return 0.5f + 1.25f * angleScale * std::atan2 (p.x - centreX, centreY - p.y);
}

bool CtrlGestRound::beginGesture (const juce::MouseEvent& e, QuilParam& p, juce::Rectangle<int> area)
{
    if (isPopupClick (e.mods))
        return false;

    centreX = (float) (area.getX() + area.getWidth() / 2);
    centreY = (float) (area.getY() + area.getHeight() / 2);
    lastAngleValue = angleValue (e.position);
    p.beginChangeGesture();
    return true;
}

void CtrlGestRound::dragGesture (const juce::MouseEvent& e, QuilParam& p, bool)
{
    if (isPopupClick (e.mods) || ! e.mouseWasDraggedSinceMouseDown())
        return;

    const float a = angleValue (e.position);
    float normalised = a;

    if (e.mods.isShiftDown())
    {
        // Fine and relative; a jump such as crossing the bottom gap is dropped.
        float d = (a - lastAngleValue) * 0.1f;
        if (d >= 0.08f || d <= -0.08f)
            d = 0.0f;
        normalised = p.getValue() + d;
    }

    setLimited (p, (float) ((double) normalised * p.getRangeLength() + p.getRangeStart()));
    lastAngleValue = a;
}
