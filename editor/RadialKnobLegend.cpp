#include "editor/RadialKnobLegend.h"
#include "params/QuilParam.h"
#include "ui/lnf/QuilMetrics.h"

#include <cmath>

namespace
{
    constexpr float startAngle = -2.3561945f;  // −135°
    constexpr float sweep = 4.712389f;         // 270°
    constexpr float ringEnd = 2.576106f;       // the sweep's half plus 0.22 rad

    juce::Colour scaledRgb (juce::Colour c, float factor)
    {
        return juce::Colour::fromRGBA ((juce::uint8) ((float) c.getRed() * factor), (juce::uint8) ((float) c.getGreen() * factor),
                                       (juce::uint8) ((float) c.getBlue() * factor), c.getAlpha());
    }

    juce::Colour brightened (juce::Colour c)
    {
        const auto up = [] (juce::uint8 v)
        { return (juce::uint8) (255.0f - (255.0f - (float) v) / 1.4f); };
        return juce::Colour::fromRGBA (up (c.getRed()), up (c.getGreen()), up (c.getBlue()), c.getAlpha());
    }
}

RadialKnobLegend::RadialKnobLegend (QuilParam& p, const juce::StringArray& legendEntries)
    : parameter (p), entries (legendEntries)
{
}

RadialKnobLegend::~RadialKnobLegend() = default;

double RadialKnobLegend::valueOfEntry (int index) const
{
    const int n = entries.size();
    return parameter.getRangeStart() + (n > 1 ? index * parameter.getRangeLength() / (n - 1) : 0.0);
}

juce::Rectangle<float> RadialKnobLegend::getEntryBox (int index) const
{
    return juce::isPositiveAndBelow (index, boxes.size()) ? boxes.getReference (index) : juce::Rectangle<float>();
}

//==============================================================================
void RadialKnobLegend::resized()
{
    const auto w = (float) getWidth(), h = (float) getHeight();
    accentColour = findColour (0x2001400);
    labelColour = findColour (0x2224000);
    selectedGradient = juce::ColourGradient (accentColour.withBrightness (1.0f), 0.0f, 0.0f,
                                             scaledRgb (accentColour, 1.0f / 1.4f), w, h, true);

    cx = w / 2.0f;
    cy = h / 2.0f;
    radius = w / 2.0f;
    labelRadius = radius - 7.0f;
    const int n = entries.size();
    angleStep = n > 1 ? sweep / (float) (n - 1) : 0.0f;

    boxes.clearQuick();
    for (int i = 0; i < n; ++i)
    {
        const float a = startAngle + (float) i * angleStep;
        boxes.add ({ cx - 10.0f + labelRadius * std::sin (a), cy - 5.0f - labelRadius * std::cos (a), 20.0f, 10.0f });
    }

    // The ring where the texts stand, a little longer than the sweep at each end.
    hitPath.clear();
    const float outer = radius + 2.0f, inner = radius - 16.0f;
    const auto at = [this] (float r, float a)
    { return juce::Point<float> (cx + r * std::sin (a), cy - r * std::cos (a)); };

    if (outer > 0.0f)
    {
        hitPath.startNewSubPath (at (outer, -ringEnd));
        for (float a = -ringEnd + 0.05f; a < ringEnd; a += 0.05f)
            hitPath.lineTo (at (outer, a));
        hitPath.lineTo (at (outer, ringEnd));
    }
    if (inner > 0.0f)
    {
        for (float a = ringEnd; a > -ringEnd; a -= 0.05f)
            hitPath.lineTo (at (inner, a));
        hitPath.lineTo (at (inner, -ringEnd));
    }
    hitPath.closeSubPath();
}

bool RadialKnobLegend::hitTest (int x, int y)
{
    return hitPath.contains ((float) x, (float) y);
}

//==============================================================================
int RadialKnobLegend::entryAt (juce::Point<int> p) const
{
    const int n = entries.size();
    if (n < 2)
        return n - 1;

    // Rounded to the nearest entry; past the ends of the ring it is the end entry.
    const float a = std::atan2 ((float) p.x - cx, cy - (float) p.y);
    const int i = (int) ((a / (1.5f * juce::MathConstants<float>::pi) + 0.5f) * (float) (n - 1) + 0.5f);
    return juce::jlimit (0, n - 1, i);
}

void RadialKnobLegend::updateSelected()
{
    // Entry values go through the parameter's float storage: compare with a tolerance.
    const double tolerance = 1.0e-4 * juce::jmax (1.0e-9, std::abs (parameter.getRangeLength()));
    selected = -1;
    for (int i = 0; i < entries.size(); ++i)
        if (std::abs (lastValue - valueOfEntry (i)) <= tolerance)
            selected = i;
}

void RadialKnobLegend::setHovered (int index)
{
    // The pointer moves within an entry far more often than across to another.
    if (index == hovered)
        return;

    hovered = index;
    repaint();
}

void RadialKnobLegend::mouseMove (const juce::MouseEvent& e)
{
    setHovered (entryAt (e.getPosition()));
}

void RadialKnobLegend::mouseEnter (const juce::MouseEvent& e)
{
    mouseMove (e);
}

void RadialKnobLegend::mouseExit (const juce::MouseEvent&)
{
    setHovered (-1);
}

void RadialKnobLegend::mouseDown (const juce::MouseEvent& e)
{
    // Any button sets the entry: the legend carries no parameter index, so no learn
    // pop-up claims a right-click or control-click here.
    if (entries.isEmpty())
        return;

    setHovered (entryAt (e.getPosition()));
    // The poll redraws the selection when the value has moved.
    parameter.setRealValueAsGesture ((float) valueOfEntry (hovered));
}

void RadialKnobLegend::updateFromParameters()
{
    const double v = parameter.getRealValue();
    if (polled && v == lastValue)
        return;

    polled = true;
    lastValue = v;
    updateSelected();
    repaint();
}

//==============================================================================
void RadialKnobLegend::paint (juce::Graphics& g)
{
    g.setFont (QuilMetrics::getSmallFontHeight (*this));

    g.setColour (labelColour);
    for (int i = 0; i < entries.size(); ++i)
        g.drawText (entries[i], boxes[i], juce::Justification::centred, false);

    if (hovered >= 0)
    {
        g.setColour (brightened (accentColour));
        g.drawText (entries[hovered], boxes[hovered], juce::Justification::centred, false);
    }

    if (selected >= 0)
    {
        g.setGradientFill (selectedGradient);
        g.drawText (entries[selected], boxes[selected], juce::Justification::centred, false);
    }
}
