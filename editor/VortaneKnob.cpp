#include "editor/VortaneKnob.h"
#include "editor/Squircle.h"
#include "params/QuilParamFrequencyHz.h"
#include "ui/lnf/QuilMetrics.h"
#include "ui/toolkit/FastSine.h"

#include <cmath>
#include <utility>

namespace
{
    constexpr float pi = juce::MathConstants<float>::pi;
    // The product's rotary drag turns a little faster than the generic knob's (the
    // gesture's sensitivity stays at its default, 1).
    constexpr float rotaryAngleFactor = 0.16f;

    /** A point at an angle clockwise from twelve o'clock (radians). */
    juce::Point<float> onCircle (float c, float radius, float angle) noexcept
    {
        return { c + radius * std::sin (angle), c - radius * std::cos (angle) };
    }

    /** A point at an angle in half-turns from three o'clock, clockwise (y down). */
    juce::Point<float> onScale (float c, float radius, float halfTurns) noexcept
    {
        return { c + radius * FastSine::cosHalfTurns (halfTurns), c + radius * FastSine::sinHalfTurns (halfTurns) };
    }
}

VortaneKnob::VortaneKnob (QuilParam& p, const std::atomic<double>* left, const std::atomic<double>* right,
                          const bool* rotary, int n, bool a, bool b, int k, bool c, bool d)
    : BasicKnob (p, rotary, rotaryAngleFactor),
      numSegments (juce::jmax (2, n)),
      thickness (a || numSegments >= 50 ? 1.5f : 2.0f),
      lastAccentIndex (numSegments - 1 - k),
      compact (a), darkCap (b), textAboveUnit (c), drawUnit (d),
      modulation (left, right),
      frequencyParameter (dynamic_cast<QuilParamFrequencyHz*> (&p))
{
    getProperties().set ("knob", true);

    setPaintingIsUnclipped (true);
    setBufferedToImage (true);

    segments.resize ((size_t) numSegments);
    valueEditor.setInputFilter (new juce::TextEditor::LengthAndCharacterRestriction (64, "0123456789khz. "), true);
}

VortaneKnob::~VortaneKnob() = default;

//==============================================================================
void VortaneKnob::computeRadii()
{
    centre = (float) getWidth() * 0.5f;
    outerRadius = centre - (compact ? 24.0f : 23.0f);
    innerRadius = centre - 26.0f;
    capRadius = centre - (compact ? 29.5f : 32.5f);
    ringRadius = centre - (compact ? 38.0f : 42.0f);
    notchRadius = centre - (compact ? 36.0f : 40.0f);
}

void VortaneKnob::updateColours()
{
    const auto colour = [this] (int id)
    { return findColour (id); };
    const int capBase = darkCap ? 0x2226002 : 0x2226006;

    capGradient = juce::ColourGradient (colour (capBase), centre, centre - capRadius,
                                        colour (capBase + 3), centre, centre + capRadius, false);
    capGradient.addColour (0.33, colour (capBase + 1));
    capGradient.addColour (0.66, colour (capBase + 2));

    const int sheenBase = darkCap ? 0x2226010 : 0x2226012;
    sheenGradient = juce::ColourGradient (colour (sheenBase), centre, centre,
                                          colour (sheenBase + 1), centre, centre + capRadius, false);
}

void VortaneKnob::resized()
{
    BasicKnob::resized();
    computeRadii();
    updateColours();
    buildCap();
    buildSheen();
    layOutText();

    alertColour = QuilMetrics::getAlertColour (*this);
    accentColour = findColour (0x2001400);
    modulationColour = findColour (0x2226001);

    updateFromParameters();
    hitPath = makeSquircle ((float) getWidth(), (float) getHeight());
    updateGraphics();
}

void VortaneKnob::buildCap()
{
    // A ring with a notch at the top: the outline runs round from just right of the
    // notch, dips in to the notch radius and back; the inner circle is cut out.
    const float c = centre;
    cap.clear();
    cap.addCentredArc (c, c, capRadius, capRadius, 0.0f, notchHalfAngle, 2.0f * pi - notchHalfAngle, true);
    cap.cubicTo (onCircle (c, capRadius, -notchHalfAngle * 0.5f), onCircle (c, notchRadius, -notchHalfAngle * 0.5f),
                 onCircle (c, notchRadius, 0.0f));
    cap.cubicTo (onCircle (c, notchRadius, notchHalfAngle * 0.5f), onCircle (c, capRadius, notchHalfAngle * 0.5f),
                 onCircle (c, capRadius, notchHalfAngle));
    cap.closeSubPath();
    cap.setUsingNonZeroWinding (false);
    cap.addEllipse (c - (ringRadius - 1.0f), c - (ringRadius - 1.0f), 2.0f * (ringRadius - 1.0f), 2.0f * (ringRadius - 1.0f));
}

void VortaneKnob::buildSheen()
{
    // The crescent, 2 units thick at the bottom, between the lower half of the cap and
    // the same half raised by 2.
    sheen.clear();
    if (capRadius <= 0.0f)
        return;

    const float c = centre, r = capRadius;
    sheen.startNewSubPath (c + r, c - 2.0f);
    for (float a = pi * 0.5f + 0.05f; a < pi * 1.5f; a += 0.05f)
        sheen.lineTo (c + r * std::sin (a), c - 2.0f - r * std::cos (a));
    sheen.lineTo (c - r, c - 2.0f);
    for (float a = pi * 1.5f; a > pi * 0.5f; a -= 0.05f)
        sheen.lineTo (c + r * std::sin (a), c - r * std::cos (a));
    sheen.lineTo (c + r, c);
    sheen.closeSubPath();
}

void VortaneKnob::layOutText()
{
    const float c = centre;
    valueRect = { c - 25.0f, c - 12.0f, 50.0f, 12.0f };
    unitRect = { c - 25.0f, c, 50.0f, 12.0f };
    const bool noUnit = getValueUnit().isEmpty();

    if (! textAboveUnit)
    {
        if (noUnit)
            valueRect.translate (0.0f, 6.0f);
    }
    else if (compact)
    {
        unitRect.setHeight (0.0f);
    }
    else if (! noUnit)
    {
        valueRect.translate (0.0f, -12.0f);
        unitRect.translate (0.0f, -12.0f);
    }
    else
    {
        valueRect.translate (0.0f, 6.0f);
    }

    valueEditor.setBounds (valueRect.toNearestInt());
    font = juce::Font (QuilMetrics::getFontHeight (*this));
    valueEditor.setFont (font);
    valueEditor.applyFontToAllText (font);
}

bool VortaneKnob::hitTest (int x, int y)
{
    return hitPath.contains ((float) x, (float) y);
}

//==============================================================================
void VortaneKnob::updateFromParameters()
{
    const bool modulationChanged = modulation.poll();
    const double hz = frequencyParameter != nullptr ? frequencyParameter->valueToHz (parameter->getValue()) : displayHz;
    const bool hzChanged = hz != displayHz;
    displayHz = hz;

    // Until the first poll the cache is not what is drawn: draw whatever it holds.
    const bool firstPoll = ! std::exchange (polled, true);
    refreshFromParameter (firstPoll || modulationChanged || hzChanged);
}

void VortaneKnob::updateGraphics()
{
    const double range = parameter->getRangeLength();
    const double modulated[2] = { modulation.getLeft(), modulation.getRight() };
    for (int side = 0; side < 2; ++side)
        modulationPosition[side] = range > 0.0 ? (float) (modulated[side] / range) : 0.0f;

    const float c = centre, v = cachedNormalised;
    const juce::PathStrokeType roundStroke (thickness, juce::PathStrokeType::curved, juce::PathStrokeType::rounded);

    // Scale: segments near the value swell and lean towards it.
    const float p = 0.75f + 1.5f * v;
    for (int i = 0; i < numSegments; ++i)
    {
        const float a = 0.75f + 1.5f * (float) i / (float) (numSegments - 1);
        const float closeness = juce::jlimit (-1.0f, 1.0f, (p - a) * 15.0f);
        const float w = 1.0f - std::abs (closeness);

        juce::Path line;
        line.startNewSubPath (onScale (c, outerRadius + 2.5f * w * w, a - skew * closeness));
        line.lineTo (onScale (c, innerRadius - 5.0f * w * w, a + skew * closeness));
        auto& segment = segments[(size_t) i];
        segment.clear();
        roundStroke.createStrokedPath (segment, line);
    }

    const float theta = 1.25f * pi + 1.5f * pi * v;
    rotatedCap = cap;
    rotatedCap.applyTransform (juce::AffineTransform::rotation (theta, c, c));

    buildDot (theta);

    const juce::PathStrokeType arcStroke (2.0f, juce::PathStrokeType::curved, juce::PathStrokeType::rounded);
    const float arcRadius[2] = { ringRadius - 3.0f, ringRadius - 6.0f };
    for (int side = 0; side < 2; ++side)
    {
        auto& arc = modulationArc[side];
        arc.clear();
        const float end = 1.25f * pi + 1.5f * pi * modulationPosition[side];
        if (end == theta || ! std::isfinite (end))
            continue;  // no modulation: nothing to show

        juce::Path line;
        line.addCentredArc (c, c, arcRadius[side], arcRadius[side], 0.0f, theta, end, true);
        arcStroke.createStrokedPath (arc, line);
    }
}

void VortaneKnob::buildDot (float theta)
{
    const float x = centre - 3.0f + (ringRadius - 4.5f) * std::sin (theta);
    const float y = centre - 3.0f - (ringRadius - 4.5f) * std::cos (theta);
    constexpr float k = 1.35f;

    dot.clear();
    dot.startNewSubPath (x + 3.0f, y);
    dot.cubicTo (x + 6.0f - k, y, x + 6.0f, y + k, x + 6.0f, y + 3.0f);
    dot.cubicTo (x + 6.0f, y + 6.0f - k, x + 6.0f - k, y + 6.0f, x + 3.0f, y + 6.0f);
    dot.cubicTo (x + k, y + 6.0f, x, y + 6.0f - k, x, y + 3.0f);
    dot.cubicTo (x, y + k, x + k, y, x + 3.0f, y);
    dot.closeSubPath();

    dotOutline.clear();
    juce::PathStrokeType (1.0f, juce::PathStrokeType::curved, juce::PathStrokeType::rounded).createStrokedPath (dotOutline, dot);
}

//==============================================================================
juce::String VortaneKnob::getDisplayedNumber() const
{
    const auto number = getValueNumber();
    if (! compact)
        return number;

    // Decimal count 0 gives the shortest form ("250").
    const double n = number.getDoubleValue();
    return juce::String (n, n <= 99.499 ? 1 : 0);
}

void VortaneKnob::paint (juce::Graphics& g)
{
    g.setColour (juce::Colours::black.withAlpha ((juce::uint8) 0x1A));
    g.fillPath (rotatedCap, juce::AffineTransform::translation (0.0f, 2.0f));
    g.setColour (juce::Colours::black.withAlpha ((juce::uint8) 0x33));
    g.fillPath (rotatedCap, juce::AffineTransform::translation (0.0f, 1.0f));
    g.setGradientFill (capGradient);
    g.fillPath (rotatedCap);

    const float v = cachedNormalised;
    for (int i = 0; i < numSegments; ++i)
    {
        const float t = (float) i / (float) (numSegments - 1);
        const float d = juce::jlimit (-1.0f, 1.0f, (t - v) * 15.0f);
        const float w2 = (1.0f - std::abs (d)) * (1.0f - std::abs (d));
        const auto base = i > lastAccentIndex ? alertColour : accentColour;

        if (t < v)
            g.setColour (juce::Colour (base.getHue(), base.getSaturation(), 1.0f, 1.0f));
        else
            g.setColour (juce::Colour (base.getHue(), juce::jlimit (0.0f, 1.0f, 0.5f - 0.8f * w2),
                                       juce::jmin (1.0f, w2 + 0.8f),
                                       (juce::uint8) juce::jlimit (0, 255, juce::roundToInt ((0.8f * w2 + 0.11f) * 255.0f))));
        g.fillPath (segments[(size_t) i]);
    }

    if (! isValueEditorShowing())
    {
        const bool lit = ! isMouseButtonDown() && hoverState == 1;
        g.setFont (font);
        g.setColour (lit ? accentColour : juce::Colours::white);
        g.drawText (getDisplayedNumber(), valueRect, juce::Justification::centred, true);

        if (drawUnit)
        {
            const auto unit = getValueUnit();
            g.setColour (juce::Colour (0xCC0E0D13));
            g.drawText (unit, unitRect.translated (0.5f, 0.5f), juce::Justification::centred, true);
            g.setColour (unitColour);
            g.drawText (unit, unitRect, juce::Justification::centred, true);
        }
    }

    g.setColour (modulationColour);
    g.fillPath (modulationArc[0]);
    g.fillPath (modulationArc[1]);

    g.setColour (juce::Colours::white);
    g.fillPath (dot);
    g.setColour (juce::Colours::black);
    g.fillPath (dotOutline);

    juce::Graphics::ScopedSaveState state (g);
    g.reduceClipRegion (rotatedCap);
    g.setGradientFill (sheenGradient);
    g.fillPath (sheen);
}
