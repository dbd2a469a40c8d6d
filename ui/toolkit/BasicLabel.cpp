#include "ui/toolkit/BasicLabel.h"

BasicLabel::BasicLabel() = default;

BasicLabel::~BasicLabel() = default;

void BasicLabel::setText (const juce::String& newText)
{
    text = newText;
    layoutText();
    repaint();
}

void BasicLabel::setFontHeight (float newHeight)
{
    fontHeight = newHeight;
    layoutText();
    repaint();
}

void BasicLabel::setJustification (juce::Justification newJustification)
{
    justification = newJustification;
    layoutText();
    repaint();
}

void BasicLabel::layoutText()
{
    glyphs.clear();

    // Fitting into an empty box would squeeze the text to nothing; the next
    // resize lays it out properly.
    if (getWidth() <= 0 || getHeight() <= 0 || text.isEmpty())
        return;

    glyphs.addFittedText (juce::Font (fontHeight), text, 0.0f, 0.0f,
                          (float) getWidth(), (float) getHeight(), justification, 2, 0.0f);
}

void BasicLabel::resized()
{
    layoutText();
}

void BasicLabel::drawGlyphs (juce::Graphics& g, juce::Colour colour) const
{
    g.setColour (colour);
    glyphs.draw (g);
}

void BasicLabel::paint (juce::Graphics& g)
{
    drawGlyphs (g, colourTable.getColour (8, 1));
}
