#include "ui/toolkit/MIDIccPopup.h"
#include "params/QuilParam.h"
#include "ui/lnf/QuilMetrics.h"

namespace
{
    constexpr int minimumSize = 100;
    constexpr int boxMargin = 12;
    constexpr int boxHeight = 76;
}

MIDIccPopup::MIDIccPopup (MidiCCListener& map, const QuilParam& parameter)
    : button (map, parameter.getParameterIndex()),
      label (parameter.getLabel().toUpperCase())
{
    setComponentID (componentIdFor (parameter.getParameterIndex()));

    const juce::Font font (juce::jlimit (0.1f, 10000.0f, QuilMetrics::getFontHeight (*this)));
    requestedWidth = (int) std::ceil (font.getStringWidthFloat (label.getText())) + 50;

    const int size = juce::jmax (requestedWidth, minimumSize);
    boxArea = { (float) boxMargin, (float) boxMargin, (float) (size - 2 * boxMargin), (float) boxHeight };

    addAndMakeVisible (shadow);
    addAndMakeVisible (box);
    addAndMakeVisible (label);
    addAndMakeVisible (button);

    setSize (size, minimumSize);
}

MIDIccPopup::~MIDIccPopup() = default;

juce::String MIDIccPopup::componentIdFor (int parameterIndex)
{
    return "midiLearn" + juce::String (parameterIndex);
}

void MIDIccPopup::popupClosed()
{
    button.stopLearning();
}

void MIDIccPopup::resized()
{
    colourTable.refreshColours();

    const int w = getWidth(), h = getHeight();
    const int m = (w - juce::jmax (requestedWidth, minimumSize) + 2 * boxMargin) / 2;

    label.setBounds (0, m, w, 20);

    box.setColours (colourTable.getColour (16, 1), colourTable.getColour (17, 1), colourTable.getColour (20, 1));
    box.setBounds (boxArea.toNearestInt());

    button.setBounds (w / 2 - 34, h - m - 55, 68, 47);
    shadow.setBounds (boxArea.toNearestInt().translated (shadow.getOffset().x, shadow.getOffset().y));
}
