#pragma once

#include "ui/lnf/ColourTable.h"
#include "ui/toolkit/IconTitleButton.h"
#include <memory>

/** A logo button drawing drawables in their own colours; on hover, the logo's
    silhouette is laid over it in the colour of group 8 slot 1. */
class MulticolorTitleButton : public juce::Button,
                              public IconTitleButton
{
public:
    explicit MulticolorTitleButton (const juce::String& name, bool interactive = true, float pressOffset = 1.0f);
    ~MulticolorTitleButton() override;

    /** The picture shown normally and the one shown while pressed. */
    void setIcons (std::shared_ptr<juce::Drawable> normal, std::shared_ptr<juce::Drawable> pressed);

    /** The overlays' alpha (their colour's own alpha is replaced). */
    void setFillOpacity (float opacity) noexcept { fillOpacity = opacity; }
    float getFillOpacity() const noexcept { return fillOpacity; }

    /** Fits the pictures into an area of this size (shrinking only, centred; the
        pressed one moved by the press offset) and makes the hover overlays of
        their outlines. */
    void fitIcons (float width, float height);

    juce::Drawable* getNormalIcon() const noexcept { return normalIcon.get(); }
    juce::Drawable* getPressedIcon() const noexcept { return pressedIcon.get(); }
    const juce::DrawablePath& getHoverOverlay() const noexcept { return hoverOverlay; }
    const juce::DrawablePath& getPressedHoverOverlay() const noexcept { return pressedHoverOverlay; }
    ColourTable& getColourTable() noexcept { return colourTable; }

    void paintButton (juce::Graphics&, bool highlighted, bool down) override;
    void resized() override;

private:
    void fitIcon (juce::Drawable& icon, juce::DrawablePath& overlay,
                  juce::Rectangle<float> area, juce::Colour overlayColour);

    std::shared_ptr<juce::Drawable> normalIcon, pressedIcon;
    ColourTable colourTable { this };
    juce::DrawablePath hoverOverlay, pressedHoverOverlay;
    float fillOpacity = 1.0f;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MulticolorTitleButton)
};
