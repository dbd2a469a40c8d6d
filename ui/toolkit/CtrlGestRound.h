#pragma once

#include "ui/toolkit/ControlGesture.h"

/** Rotary drag: the value follows the pointer's angle around the area's centre,
    0 at 144° left of straight up and 1 at 144° right of it. With shift the movement
    is relative and ten times finer, and jumps across the bottom gap are dropped. */
class CtrlGestRound : public ControlGesture
{
public:
    /** One turn of the pointer per range, the generic knob's. */
    static constexpr float oneTurnPerRange = 1.0f / juce::MathConstants<float>::twoPi;

    explicit CtrlGestRound (float angleScale = oneTurnPerRange);

    bool beginGesture (const juce::MouseEvent&, QuilParam&, juce::Rectangle<int> area) override;
    /** Acts only once the pointer has moved since mouse-down; invert is not used. */
    void dragGesture (const juce::MouseEvent&, QuilParam&, bool invert) override;

    /** The normalised value that a point asks for (may lie outside 0..1). */
    float angleValue (juce::Point<float> p) const noexcept;

private:
    float centreX = 0.0f, centreY = 1.0f;
    float angleScale;
    float lastAngleValue = 0.0f;
};
