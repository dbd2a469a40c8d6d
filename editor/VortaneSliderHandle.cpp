#include "editor/VortaneSliderHandle.h"

namespace
{
    constexpr float centre = VortaneSliderHandle::size * 0.5f;

    /** The shadow outside the handle's disc: a thick stroke hanging down from the
        centre, with the disc cut out of it (even-odd). */
    juce::Path shadowBelow (float lineEnd)
    {
        juce::Path line;
        line.startNewSubPath (centre, centre);
        line.lineTo (centre, lineEnd);

        juce::Path shadow;
        juce::PathStrokeType (17.5f, juce::PathStrokeType::curved, juce::PathStrokeType::rounded)
            .createStrokedPath (shadow, line);
        shadow.setUsingNonZeroWinding (false);

        // A circle of four cubics, their handles 0.275 of the diameter long.
        constexpr float s = VortaneSliderHandle::size, k = 0.275f * s;
        shadow.startNewSubPath (centre, 0.0f);
        shadow.cubicTo (centre + k, 0.0f, s, centre - k, s, centre);
        shadow.cubicTo (s, centre + k, centre + k, s, centre, s);
        shadow.cubicTo (centre - k, s, 0.0f, centre + k, 0.0f, centre);
        shadow.cubicTo (0.0f, centre - k, centre - k, 0.0f, centre, 0.0f);
        shadow.closeSubPath();
        return shadow;
    }

    juce::ColourGradient shadowGradient (float centreY)
    {
        return { juce::Colours::black, centre, centreY, juce::Colours::transparentBlack, centre, centreY + 8.0f, true };
    }
}

VortaneSliderHandle::VortaneSliderHandle()
    : highlight (juce::Colour (0x0DFAFAFAu), 0.0f, 4.0f, juce::Colour (0x40FAFAFAu), 0.0f, 8.0f, false),
      shadow1 (shadowGradient (14.4f)),
      shadow2 (shadowGradient (13.5f)),
      shadowPath1 (shadowBelow (14.4f)),
      shadowPath2 (shadowBelow (13.5f))
{
    highlight.addColour (1.0, juce::Colour (0x2A101010u));
    bounds = { 0.0f, 0.0f, size, size };
}

VortaneSliderHandle::~VortaneSliderHandle() = default;

void VortaneSliderHandle::paintHandle (juce::Graphics& g)
{
    {
        juce::Graphics::ScopedSaveState state (g);
        g.addTransform (juce::AffineTransform::translation (bounds.getX(), bounds.getY()));

        g.setGradientFill (shadow1);
        g.fillPath (shadowPath1);
        g.setGradientFill (shadow2);
        g.fillPath (shadowPath2);

        const juce::Rectangle<float> disc (0.0f, 0.0f, size, size);
        g.setColour (juce::Colour (0x66080A08u));
        g.fillEllipse (disc);
        g.setGradientFill ({ juce::Colour (0x00000000u), 0.0f, 0.0f, juce::Colour (0x80080A08u), 0.0f, size, false });
        g.fillEllipse (disc);
        g.setGradientFill (highlight);
        g.fillEllipse (disc.reduced (2.0f));
    }

    juce::ColourGradient rim (juce::Colour (0xFF8C938Bu), bounds.getX(), bounds.getY(),
                              juce::Colour (0xFF0E1412u), bounds.getX(), bounds.getBottom(), false);
    rim.addColour (0.85, juce::Colour (0xFF0E1412u));
    g.setGradientFill (rim);
    g.drawEllipse (bounds, 1.0f);

    const auto dot = bounds.reduced (juce::jmin (4.5f, bounds.getWidth() * 0.5f), juce::jmin (4.5f, bounds.getHeight() * 0.5f));
    g.setColour (juce::Colours::white);
    g.fillEllipse (dot);
    g.setColour (juce::Colour (0xFF090909u));
    g.drawEllipse (dot, 1.0f);
}
