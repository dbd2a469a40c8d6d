#include "ui/toolkit/BasicKnob.h"
#include "ui/toolkit/FastSine.h"

BasicKnob::BasicKnob (QuilParam& p, const bool* rotary, float rotaryAngleScale)
    : BasicControl (p),
      rotaryFlag (rotary),
      rotaryGesture (std::make_unique<CtrlGestRound> (rotaryAngleScale))
{
}

BasicKnob::~BasicKnob() = default;

void BasicKnob::mouseDown (const juce::MouseEvent& e)
{
    // The whole knob is the rotary gesture's area, so its centre is the knob's.
    if (isRotary())
        beginDrag (e, *rotaryGesture, *parameter, getLocalBounds());
    else
        beginDrag (e, *gesture, *parameter, getLocalBounds());
}

void BasicKnob::paint (juce::Graphics& g)
{
    const auto w = (float) getWidth();
    const float c = w * 0.5f, r = w * 0.3935f;
    const juce::Colour lightBlue (0xFFADD8E6);
    const juce::PathStrokeType stroke (3.0f);

    juce::Path track;
    track.addCentredArc (c, c, r, r, 1.25f * juce::MathConstants<float>::pi, 0.0f, 1.5f * juce::MathConstants<float>::pi, true);
    g.setColour (juce::Colour (0xFF0000FF));
    g.strokePath (track, stroke);

    const float theta = 0.75f + 1.5f * cachedNormalised;  // half-turns
    const float cosT = FastSine::cosHalfTurns (theta), sinT = FastSine::sinHalfTurns (theta);
    g.setColour (lightBlue);
    g.drawLine (c + 0.34f * w * cosT, c + 0.34f * w * sinT, c + 0.2822f * w * cosT, c + 0.2822f * w * sinT, 2.0f);

    if (! isValueEditorShowing())
    {
        g.setFont (12.0f);
        g.drawText (valueText, getLocalBounds(), juce::Justification::centred, true);
    }

    juce::Path value;
    value.addCentredArc (c, c, r, r, 1.25f * juce::MathConstants<float>::pi, 0.0f,
                         1.5f * juce::MathConstants<float>::pi * cachedNormalised, true);
    g.strokePath (value, stroke);
}
