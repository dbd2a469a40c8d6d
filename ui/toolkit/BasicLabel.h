#pragma once

#include "ui/toolkit/BaseColoredComponent.h"

/** A text laid out once into glyphs (at most two lines) and drawn in the colour of
    group 8 slot 1 of its colour table. */
class BasicLabel : public BaseColoredComponent
{
public:
    BasicLabel();
    ~BasicLabel() override;

    /** Stores the text, lays it out again and repaints. */
    void setText (const juce::String& newText);
    const juce::String& getText() const noexcept { return text; }

    void setFontHeight (float newHeight);
    float getFontHeight() const noexcept { return fontHeight; }

    void setJustification (juce::Justification newJustification);
    juce::Justification getJustification() const noexcept { return justification; }

    const juce::GlyphArrangement& getGlyphs() const noexcept { return glyphs; }

    void paint (juce::Graphics& g) override;
    /** The glyphs are fitted to the label's size, so a new size lays them out again. */
    void resized() override;

protected:
    void layoutText();
    void drawGlyphs (juce::Graphics& g, juce::Colour colour) const;

private:
    juce::String text;
    juce::GlyphArrangement glyphs;
    float fontHeight = 13.0f;
    juce::Justification justification { juce::Justification::centred };

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (BasicLabel)
};
