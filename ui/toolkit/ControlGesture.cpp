#include "ui/toolkit/ControlGesture.h"
#include "params/QuilParam.h"

#include <cmath>

ControlGesture::ControlGesture() = default;
ControlGesture::~ControlGesture() = default;

float ControlGesture::limit (const QuilParam& p, float v) noexcept
{
    const auto minimum = (float) p.getRangeStart();
    return v <= minimum ? minimum : juce::jmin (v, (float) p.getRangeEnd());
}

void ControlGesture::setLimited (QuilParam& p, float realValue)
{
    if (std::isfinite (realValue))
        p.setRealValueNotifyingHost (limit (p, realValue));
}

float ControlGesture::fineFactor (const juce::MouseEvent& e) noexcept
{
    return e.mods.isShiftDown() ? 0.01f : 1.0f;
}
