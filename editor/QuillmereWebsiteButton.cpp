#include "editor/QuillmereWebsiteButton.h"

QuillmereWebsiteButton::QuillmereWebsiteButton()
    : juce::HyperlinkButton (getLinkText(), getWebsite())
{
}

QuillmereWebsiteButton::~QuillmereWebsiteButton() = default;

juce::URL QuillmereWebsiteButton::getWebsite()
{
    return juce::URL (JucePlugin_ManufacturerWebsite);
}

juce::String QuillmereWebsiteButton::getLinkText()
{
    return getWebsite().getDomain() + " ";
}

void QuillmereWebsiteButton::setIcon (std::unique_ptr<juce::Drawable> newIcon)
{
    icon = std::move (newIcon);
    resized();
    repaint();
}

void QuillmereWebsiteButton::resized()
{
    colourTable.refreshColours();
    hoverTextColour = colourTable.getColour (8, 1);
    textColour = hoverTextColour.withAlpha ((juce::uint8) 0xDE);

    const float h = (float) getHeight();

    if (icon != nullptr)
        icon->setTransformToFit ({ 0.0f, 0.0f, h, h },
                                 juce::RectanglePlacement (juce::RectanglePlacement::centred
                                                           | juce::RectanglePlacement::onlyReduceInSize));

    const juce::Font linkFont (14.0f);
    const auto layout = [&] (juce::GlyphArrangement& glyphs, float x)
    {
        glyphs.clear();
        glyphs.addFittedText (linkFont, getLinkText(), x, 0.0f, juce::jmax (0.0f, (float) getWidth() - x), h,
                              juce::Justification::centredLeft, 1, 0.0f);
    };
    layout (text, h + 10.0f);
    layout (pressedText, h + 12.0f);

    if (icon != nullptr)
    {
        outline.setPath (icon->getOutlineAsPath());

        const juce::FillType fill (hoverTextColour.withAlpha ((juce::uint8) 0x21));
        if (outline.getFill() != fill)
        {
            outline.setFill (fill);
            outline.repaint();
        }
    }
}

void QuillmereWebsiteButton::paintButton (juce::Graphics& g, bool over, bool down)
{
    g.setColour (getTextColour (over));
    (down ? pressedText : text).draw (g);

    if (icon != nullptr)
    {
        icon->draw (g, 1.0f);

        if (over)
            outline.draw (g, 1.0f);
    }
}
