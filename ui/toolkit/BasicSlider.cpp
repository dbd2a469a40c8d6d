#include "ui/toolkit/BasicSlider.h"
#include "ui/toolkit/CtrlGestHoriz.h"
#include "ui/toolkit/CtrlGestVert.h"

BasicSlider::BasicSlider (QuilParam& parameterToShow)
    : BasicControl (parameterToShow)
{
}

BasicSlider::~BasicSlider() = default;

void BasicSlider::setHorizontal (bool shouldBeHorizontal)
{
    if (shouldBeHorizontal == horizontal)
        return;

    horizontal = shouldBeHorizontal;
    std::unique_ptr<ControlGesture> newGesture;

    if (horizontal)
        newGesture = std::make_unique<CtrlGestHoriz>();
    else
        newGesture = std::make_unique<CtrlGestVert>();

    newGesture->setSensitivity (1.0f);
    setGesture (std::move (newGesture));
}
