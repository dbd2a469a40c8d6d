#include "ui/toolkit/MIDIccPopupBg.h"

namespace
{
    constexpr float cornerRadius = 5.0f;
}

MIDIccPopupBg::MIDIccPopupBg() = default;
MIDIccPopupBg::~MIDIccPopupBg() = default;

void MIDIccPopupBg::setColours (juce::Colour top, juce::Colour bottom, juce::Colour outline)
{
    gradientTop = top;
    gradientBottom = bottom;
    outlineColour = outline;
    rebuildGradient();
    repaint();
}

void MIDIccPopupBg::resized()
{
    rebuildGradient();
}

void MIDIccPopupBg::rebuildGradient()
{
    gradient = juce::ColourGradient (gradientTop, 0.0f, 0.0f, gradientBottom, 0.0f, (float) getHeight(), false);
    gradient.addColour (0.84, gradientBottom);
}

void MIDIccPopupBg::paint (juce::Graphics& g)
{
    const auto area = getLocalBounds().toFloat();

    g.setGradientFill (gradient);
    g.fillRoundedRectangle (area, cornerRadius);
    g.setColour (outlineColour);
    g.drawRoundedRectangle (area, cornerRadius, 1.0f);
}
