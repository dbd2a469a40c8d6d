#include "editor/VortaneFilterGraphControl.h"
#include "editor/FilterGraphSVF.h"
#include "editor/Squircle.h"
#include "params/QuilParam.h"

#include <cmath>

namespace
{
    float finiteOrZero (double v) noexcept
    {
        return std::isfinite (v) ? (float) v : 0.0f;
    }

    float normalisedOr (const QuilParam* p, float absent) noexcept
    {
        return p != nullptr ? finiteOrZero (p->getValue()) : absent;
    }

    float realOr (const QuilParam* p, float absent) noexcept
    {
        return p != nullptr ? finiteOrZero (p->getRealValue()) : absent;
    }
}

VortaneFilterGraphControl::VortaneFilterGraphControl (QuilParam* cutoffToUse, QuilParam* resonanceToUse, QuilParam* typeToUse)
    : cutoffParam (cutoffToUse),
      resonanceParam (resonanceToUse),
      typeParam (typeToUse),
      graph (std::make_unique<FilterGraphSVF>())
{
    setInterceptsMouseClicks (false, false);
}

VortaneFilterGraphControl::~VortaneFilterGraphControl() = default;

void VortaneFilterGraphControl::updateFromParameters()
{
    const float c = normalisedOr (cutoffParam, 0.5f);
    const float r = normalisedOr (resonanceParam, 0.0f);
    const float t = realOr (typeParam, 0.0f);
    const float d = realOr (slopeParam, 0.0f);

    if (polled && c == cutoff && r == resonance && t == type && d == slope)
        return;

    polled = true;
    cutoff = c;
    resonance = r;
    type = t;
    slope = d;

    graph->buildPath (openPath, closedPath, { cutoff, resonance, type, slope }, graphArea);
    repaint();
}

void VortaneFilterGraphControl::resized()
{
    const int w = getWidth(), h = getHeight();

    // The curve fills the lower two thirds.
    graphArea = juce::Rectangle<int> (0, h / 3, w, h - h / 3).toFloat();

    clipPath = makeSquircle ((float) w, (float) h);

    // The curve depends on the size too: rebuild it even when no value changed.
    polled = false;
    updateFromParameters();

    const auto clipBounds = clipPath.getBounds();
    const float ymax = clipBounds.getBottom();
    const juce::Colour colour (graphColour);
    const auto inner = colour.withAlpha ((juce::uint8) juce::roundToInt (fillAlpha * 255.0f));
    fill = juce::ColourGradient (inner, clipBounds.getCentre(), colour.withAlpha ((juce::uint8) 0x30),
                                 { ymax / 2.0f, ymax }, true);
    fill.addColour (0.62, inner);
}

void VortaneFilterGraphControl::paint (juce::Graphics& g)
{
    g.reduceClipRegion (clipPath);
    g.setGradientFill (fill);
    g.fillPath (closedPath);

    g.setColour (juce::Colour (graphColour));
    g.strokePath (openPath, juce::PathStrokeType (1.5f, juce::PathStrokeType::mitered, juce::PathStrokeType::rounded));
}
