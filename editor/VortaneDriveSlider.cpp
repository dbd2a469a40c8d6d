#include "editor/VortaneDriveSlider.h"
#include "params/QuilParam.h"
#include "ui/lnf/QuilMetrics.h"
#include "ui/toolkit/FastSine.h"

VortaneDriveSlider::VortaneDriveSlider (QuilParam& param, const std::atomic<double>* modLeft,
                                        const std::atomic<double>* modRight)
    : BasicSlider (param),
      modulation (modLeft, modRight)
{
    setPaintingIsUnclipped (true);
    setHorizontal (true);
}

VortaneDriveSlider::~VortaneDriveSlider() = default;

void VortaneDriveSlider::updateFromParameters()
{
    refreshFromParameter (modulation.poll());
}

void VortaneDriveSlider::resized()
{
    BasicControl::resized();

    outerRadius = 520.0f;
    innerRadius = 516.0f;
    accentColour = findColour (0x2001400).getARGB();
    handle = { 0.0f, flipped ? 3.0f : 25.0f, 4.0f, 4.0f };

    valueEditor.setBounds (getWidth() / 2 - 17, 6, 34, 14);
    font = juce::Font (QuilMetrics::getFontHeight (*this));
    valueEditor.setFont (font);

    // Only the scale's band drags the value at full rate.
    gestureArea = { 14, 18, getWidth() - 28, 20 };

    scale = juce::ColourGradient (findColour (0x2227001), 0.0f, 0.0f, findColour (0x2227000), 1.0f, 0.0f, false);
    scale.addColour (0.38, findColour (0x2227003));
    scale.addColour (0.6, findColour (0x2227002));
    scale.addColour (0.79, findColour (0x2227000));

    updateFromParameters();
    updateGraphics();
}

void VortaneDriveSlider::updateGraphics()
{
    using namespace FastSine;

    const auto w = (float) getWidth(), h = (float) getHeight();
    const float v = cachedNormalised;
    const float cx = w * 0.5f, cy = h * 0.5f + 496.5f;

    // The scale is an arc of a large ellipse around a centre far below: 0.075 half-turns
    // about straight up. Segments near the value swell, the more so in the middle.
    const float swell = 2.25f * sinHalfTurns (v) + 1.5f;
    const float p = 1.4625f + 0.075f * v;
    const juce::PathStrokeType stroke (2.0f, juce::PathStrokeType::curved, juce::PathStrokeType::rounded);

    for (int i = 0; i < numSegments; ++i)
    {
        const float a = 1.4625f + 0.075f * (float) i / (float) (numSegments - 1);
        const float c = juce::jlimit (-1.0f, 1.0f, (p - a) * 40.0f);
        const float g = (1.0f - std::abs (c)) * (1.0f - std::abs (c)) * swell;
        const float a0 = a - skew * c, a1 = a + skew * c;

        juce::Point<float> from (cx + (outerRadius + 8.0f * g) * cosHalfTurns (a0), cy + (outerRadius + g) * sinHalfTurns (a0));
        juce::Point<float> to (cx + (innerRadius - 8.0f * g) * cosHalfTurns (a1), cy + (innerRadius - g) * sinHalfTurns (a1));

        if (flipped)
        {
            from.y = h * 0.5f - from.y;
            to.y = h * 0.5f - to.y;
        }

        juce::Path line;
        line.startNewSubPath (from);
        line.lineTo (to);
        segments[(size_t) i].clear();
        stroke.createStrokedPath (segments[(size_t) i], line);
    }

    const float travel = w - 40.0f;
    handle = { v * travel + 16.5f, handle.getY(), 7.0f, 7.0f };

    const float y = handle.getY();
    juce::Path left, right;
    left.startNewSubPath (v * travel + 20.0f, y + 2.0f);
    left.lineTo (modulation.getLeft() * travel + 20.0f, y + 2.0f);
    right.startNewSubPath (handle.getCentreX(), y + 5.0f);
    right.lineTo (modulation.getRight() * travel + 20.0f, y + 5.0f);
    stroke.createStrokedPath (leftLine, left);
    stroke.createStrokedPath (rightLine, right);

    repaint();
}

void VortaneDriveSlider::paint (juce::Graphics& g)
{
    {
        juce::Graphics::ScopedSaveState state (g);
        g.addTransform (juce::AffineTransform::translation (0.0f, paintOffset));

        g.setColour (juce::Colour (accentColour));
        g.fillPath (leftLine);
        g.fillPath (rightLine);

        g.setColour (juce::Colours::white);
        g.fillEllipse (handle);
        g.setColour (juce::Colours::black);
        g.drawEllipse (handle, 1.0f);

        const float v = cachedNormalised;
        for (int i = 0; i < numSegments; ++i)
        {
            const float t = (float) i / (float) (numSegments - 1);
            const float near = 1.0f - std::abs (juce::jlimit (-1.0f, 1.0f, (t - v) * 15.0f));
            const float alpha = t < v ? 1.0f : 0.8f * near * near + 0.11f;
            const auto alphaByte = alpha <= 0.0f ? 0 : alpha >= 1.0f ? 255
                                                                     : juce::roundToInt (alpha * 255.0f);
            g.setColour (scale.getColourAtPosition ((double) t).withAlpha ((juce::uint8) alphaByte));
            g.fillPath (segments[(size_t) i]);
        }
    }

    paintValueText (g, juce::Colour (accentColour));
}
