#include "ui/toolkit/BypassButton.h"

BypassButton::BypassButton (QuilParam& power) : BasicButton (power, false)
{
}

BypassButton::~BypassButton() = default;

void BypassButton::resized()
{
    colourTable.refreshColours();

    const auto bounds = getLocalBounds().toFloat();
    background.clear();

    if (circularBackground)
        background.addEllipse (bounds.reduced (0.5f));
    else
        background.addRoundedRectangle (1.5f, 1.5f, bounds.getWidth() - 3.0f, bounds.getHeight() - 3.0f, 2.5f);

    backgroundOutline.clear();
    juce::PathStrokeType (1.0f).createStrokedPath (backgroundOutline, background);

    const float s = (float) juce::jmin (getWidth(), getHeight());
    const float cx = s * 0.5f, cy = s * 0.5f, r = s * 0.25f;
    juce::Path line;
    line.startNewSubPath (cx, 0.225f * s);
    line.lineTo (cx, 0.45f * s);

    if (r > 0.0f)
    {
        // An open ring with its gap facing up, clockwise from 45° to 315° off the top.
        const float start = juce::MathConstants<float>::pi * 0.25f;
        const float end = juce::MathConstants<float>::pi * 1.75f;
        line.startNewSubPath (cx + r * std::sin (start), cy - r * std::cos (start));
        for (float a = start + 0.05f; a < end; a += 0.05f)
            line.lineTo (cx + r * std::sin (a), cy - r * std::cos (a));
        line.lineTo (cx + r * std::sin (end), cy - r * std::cos (end));
    }

    glyph.clear();
    juce::PathStrokeType (2.0f, juce::PathStrokeType::curved, juce::PathStrokeType::rounded)
        .createStrokedPath (glyph, line);
}

void BypassButton::paint (juce::Graphics& g)
{
    const bool on = cachedValue != 0;
    const bool hover = isMouseOver();

    if (drawBackground)
    {
        g.setColour (colourTable.getColour (6, on ? 1 : 2));
        g.fillPath (background);
    }

    g.setColour (colourTable.getColour (1, hover ? 1 : 2));
    g.fillPath (backgroundOutline);

    const int slot = on ? (hover ? 3 : 1) : (hover ? 4 : 2);
    g.setColour (colourTable.getColour (1, slot));
    g.fillPath (glyph);
}
