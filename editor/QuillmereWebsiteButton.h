#pragma once

#include "ui/lnf/ColourTable.h"
#include <memory>

/** The link to the maker's website: an icon followed by the web domain, moving
    2 points right while pressed, with the icon's silhouette lit on hover. */
class QuillmereWebsiteButton : public juce::HyperlinkButton
{
public:
    QuillmereWebsiteButton();
    ~QuillmereWebsiteButton() override;

    static juce::URL getWebsite();
    /** The domain shown, followed by a blank. */
    static juce::String getLinkText();

    void setIcon (std::unique_ptr<juce::Drawable> newIcon);
    juce::Drawable* getIcon() const noexcept { return icon.get(); }
    const juce::GlyphArrangement& getTextGlyphs (bool pressed) const noexcept { return pressed ? pressedText : text; }
    const juce::DrawablePath& getOutline() const noexcept { return outline; }
    juce::Colour getTextColour (bool over) const noexcept { return over ? hoverTextColour : textColour; }

    void resized() override;
    void paintButton (juce::Graphics&, bool over, bool down) override;

private:
    ColourTable colourTable { this };
    std::unique_ptr<juce::Drawable> icon;
    juce::GlyphArrangement text, pressedText;
    juce::DrawablePath outline;
    juce::Colour textColour, hoverTextColour;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (QuillmereWebsiteButton)
};
