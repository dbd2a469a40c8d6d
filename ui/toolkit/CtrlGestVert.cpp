#include "ui/toolkit/CtrlGestVert.h"
#include "params/QuilParam.h"

#include <cmath>

bool CtrlGestVert::beginGesture (const juce::MouseEvent& e, QuilParam& p, juce::Rectangle<int> area)
{
    if (isPopupClick (e.mods))
        return false;

    lastY = e.position.y;
    centreX = (float) (area.getX() + area.getWidth() / 2);
    inverseHeight = inverseOf (area.getHeight());
    p.beginChangeGesture();
    return true;
}

void CtrlGestVert::dragGesture (const juce::MouseEvent& e, QuilParam& p, bool invert)
{
    if (isPopupClick (e.mods))
        return;

    const float slowDown = 1.0f + 0.03f * juce::jmax (0.0f, std::abs (e.position.x - centreX) - 20.0f);
    float d = sensitivity * fineFactor (e) * (lastY - e.position.y) * inverseHeight / slowDown;
    if (invert)
        d = -d;

    setLimited (p, (float) p.getRealValue() + (float) p.getRangeLength() * d);
    lastY = e.position.y;
}
