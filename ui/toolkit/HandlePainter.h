#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** Draws a slider's handle at a rectangle of its slider. The slider moves the
    rectangle as its value changes; the painter only draws. */
class HandlePainter
{
public:
    HandlePainter() = default;
    virtual ~HandlePainter() = default;

    virtual void paintHandle (juce::Graphics& g) = 0;

    void setHandleBounds (juce::Rectangle<float> newBounds) noexcept { bounds = newBounds; }
    juce::Rectangle<float> getHandleBounds() const noexcept { return bounds; }

protected:
    juce::Rectangle<float> bounds;

private:
    JUCE_DECLARE_NON_COPYABLE (HandlePainter)
};
