#pragma once

#include "ui/toolkit/BasicControl.h"

/** A control dragged along one axis: vertically (up raises the value) as every
    BasicControl, or horizontally (right raises it). Wheel, double-click and typed
    values are the BasicControl's. */
class BasicSlider : public BasicControl
{
public:
    /** A vertical slider on the parameter, which must outlive it. */
    explicit BasicSlider (QuilParam& parameter);
    ~BasicSlider() override;

    /** Drags horizontally or vertically from the next mouse-down on, with sensitivity 1. */
    void setHorizontal (bool shouldBeHorizontal);
    bool isHorizontal() const noexcept { return horizontal; }

private:
    bool horizontal = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (BasicSlider)
};
