#include "editor/VortaneSlider.h"
#include "params/QuilParam.h"
#include "ui/lnf/QuilMetrics.h"

VortaneSlider::VortaneSlider (QuilParam& param, const std::atomic<double>* modLeft, const std::atomic<double>* modRight)
    : BasicControl (param),
      modulation (modLeft, modRight)
{
}

VortaneSlider::~VortaneSlider() = default;

void VortaneSlider::updateFromParameters()
{
    refreshFromParameter (modulation.poll());
}

void VortaneSlider::resized()
{
    if (getHeight() <= 1)
        return;

    BasicControl::resized();
    valueEditor.setBounds ((getWidth() - 32) / 2, getHeight() - 40, 32, 14);
    font = juce::Font (QuilMetrics::getFontHeight (*this));
    valueEditor.setFont (font);

    const auto colour = [this] (int id)
    { return findColour (id).getARGB(); };
    accentColour = colour (0x2001003);
    c0 = colour (alternativeColours ? 0x2227000 : 0x2001000);
    c1 = colour (alternativeColours ? 0x2227001 : 0x2001001);
    c2 = colour (0x2227002);
    c3 = colour (0x2227003);

    updateGraphics();
    updateFromParameters();
}

void VortaneSlider::updateGraphics()
{
    const auto w = (float) getWidth(), h = (float) getHeight();
    const float cx = w * 0.5f, halfHeight = h * 0.5f - 18.0f;
    const float span = 1.5f * halfHeight, bottom = 1.75f * halfHeight;
    const float yv = bottom - cachedNormalised * span;

    juce::Path line;
    line.startNewSubPath (cx - 0.5f, bottom);
    line.lineTo (cx - 0.5f, yv);
    barStroke.createStrokedPath (bar, line);

    // The stroker drops a line of no length; at the minimum the bar is its rounded caps.
    if (yv >= bottom)
    {
        const float r = barStroke.getStrokeThickness() * 0.5f;
        bar.clear();
        bar.addEllipse (cx - 0.5f - r, bottom - r, 2.0f * r, 2.0f * r);
    }

    bar.setUsingNonZeroWinding (false);

    // Where a modulation line lies over the bar it cuts a thin gap into it (even-odd).
    const auto addModulationLine = [&] (float x, float modulated)
    {
        juce::Path modLine, stroked;
        modLine.startNewSubPath (x, yv);
        modLine.lineTo (x, bottom - modulated * span);
        juce::PathStrokeType (1.0f).createStrokedPath (stroked, modLine);
        bar.addPath (stroked);
    };
    addModulationLine (cx - 1.5f, modulation.getLeft());
    addModulationLine (cx + 0.5f, modulation.getRight());

    handle.setHandleBounds (juce::Rectangle<float> (VortaneSliderHandle::size, VortaneSliderHandle::size)
                                .withCentre ({ cx - 0.5f, yv }));
    repaint();
}

void VortaneSlider::paint (juce::Graphics& g)
{
    // Over the slider but not over its value text the bar lightens.
    const auto shade = [this] (juce::uint32 c)
    {
        return hoverState == 0 ? QuilMetrics::adjustColour (*this, juce::Colour (c)) : juce::Colour (c);
    };

    const auto area = bar.getBounds();
    juce::ColourGradient fill (shade (c0), area.getX(), area.getY(), shade (c1), area.getX(), area.getBottom(), false);
    if (alternativeColours)
    {
        fill.addColour (0.21, shade (c0));
        fill.addColour (0.4, shade (c2));
        fill.addColour (0.62, shade (c3));
    }
    g.setGradientFill (fill);
    g.fillPath (bar);

    handle.paintHandle (g);

    paintValueText (g, juce::Colour (accentColour));
}
