#include "ui/toolkit/ModulationMeter.h"

#include <cmath>

ModulationMeter::ModulationMeter (const std::atomic<float>* v, juce::Colour topColour, juce::Colour bottomColour)
    : TimerComponent (30), value (v), top (topColour), bottom (bottomColour)
{
    setInterceptsMouseClicks (false, false);
}

ModulationMeter::~ModulationMeter() = default;

void ModulationMeter::setColours (juce::Colour topColour, juce::Colour bottomColour)
{
    top = topColour;
    bottom = bottomColour;
    repaint();
}

void ModulationMeter::timerCallback()
{
    if (value == nullptr)
        return;

    const float raw = value->load (std::memory_order_relaxed);
    const float v = std::isfinite (raw) ? juce::jlimit (-1.0f, 1.0f, raw) : 0.0f;

    if (v != displayed)
    {
        displayed = v;
        repaint();
    }
}

void ModulationMeter::resized()
{
    const float w = (float) getWidth(), h = (float) getHeight();
    upperHalf = { 0.0f, 0.0f, w, h * 0.5f };
    lowerHalf = { 0.0f, h * 0.5f, w, h * 0.5f };
}

void ModulationMeter::paint (juce::Graphics& g)
{
    const float h = (float) getHeight();
    const float d = (h * 0.5f - 1.0f) * displayed;

    if (d == 0.0f)
        return;

    g.reduceClipRegion ((d > 0.0f ? upperHalf : lowerHalf).toNearestInt());
    g.setGradientFill (juce::ColourGradient (top, 0.0f, 0.0f, bottom, 0.0f, h, false));

    const float y1 = h * 0.5f - d, y2 = h * 0.5f + d;
    g.fillRoundedRectangle (0.0f, juce::jmin (y1, y2), (float) getWidth(), std::abs (y2 - y1), 1.0f);
}
