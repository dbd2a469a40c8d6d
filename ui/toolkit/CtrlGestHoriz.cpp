#include "ui/toolkit/CtrlGestHoriz.h"
#include "params/QuilParam.h"

#include <cmath>

bool CtrlGestHoriz::beginGesture (const juce::MouseEvent& e, QuilParam& p, juce::Rectangle<int> area)
{
    if (isPopupClick (e.mods))
        return false;

    lastX = e.position.x;
    centreY = (float) (area.getY() + area.getHeight() / 2);
    inverseWidth = inverseOf (area.getWidth());
    p.beginChangeGesture();
    return true;
}

void CtrlGestHoriz::dragGesture (const juce::MouseEvent& e, QuilParam& p, bool)
{
    if (isPopupClick (e.mods))
        return;

    const float slowDown = 1.0f + 0.05f * juce::jmax (0.0f, std::abs (e.position.y - centreY) - 20.0f);
    const float d = sensitivity * fineFactor (e) * (e.position.x - lastX) * inverseWidth
        * (float) p.getRangeLength() / slowDown;

    setLimited (p, (float) p.getRealValue() + d);
    lastX = e.position.x;
}
