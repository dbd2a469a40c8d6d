#include "ui/toolkit/DefaultSizeLabel.h"
#include "ui/lnf/QuilMetrics.h"

DefaultSizeLabel::DefaultSizeLabel (const juce::String& labelText)
{
    setInterceptsMouseClicks (false, false);
    setFontHeight (13.0f);
    setJustification (juce::Justification::centred);
    setText (labelText);
}

DefaultSizeLabel::~DefaultSizeLabel() = default;

void DefaultSizeLabel::setFixedColour (juce::Colour colour)
{
    fixedColour = colour.getARGB();
    useFixedColour = true;
    repaint();
}

void DefaultSizeLabel::resized()
{
    colourTable.refreshColours();
    setFontHeight (QuilMetrics::getFontHeight (*this));
}

void DefaultSizeLabel::paint (juce::Graphics& g)
{
    drawGlyphs (g, useFixedColour ? juce::Colour (fixedColour) : colourTable.getColour (8, 1));
}
