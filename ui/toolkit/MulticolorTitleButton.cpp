#include "ui/toolkit/MulticolorTitleButton.h"

MulticolorTitleButton::MulticolorTitleButton (const juce::String& name, bool isInteractive, float offset)
    : juce::Button (name), IconTitleButton (isInteractive, offset)
{
}

MulticolorTitleButton::~MulticolorTitleButton() = default;

void MulticolorTitleButton::setIcons (std::shared_ptr<juce::Drawable> normal,
                                      std::shared_ptr<juce::Drawable> pressed)
{
    normalIcon = std::move (normal);
    pressedIcon = std::move (pressed);
    repaint();
}

void MulticolorTitleButton::fitIcons (float width, float height)
{
    if (normalIcon == nullptr || pressedIcon == nullptr)
        return;

    colourTable.refreshColourGroup (8);
    const auto overlayColour = colourTable.getColour (8, 1).withAlpha (fillOpacity);
    const float t = pressOffset;

    fitIcon (*normalIcon, hoverOverlay, { 0.0f, 0.0f, width - t, height - t }, overlayColour);
    fitIcon (*pressedIcon, pressedHoverOverlay, { t, t, width - t, height - t }, overlayColour);
}

void MulticolorTitleButton::fitIcon (juce::Drawable& icon, juce::DrawablePath& overlay,
                                     juce::Rectangle<float> area, juce::Colour overlayColour)
{
    icon.setTransformToFit (area, juce::RectanglePlacement (juce::RectanglePlacement::centred | juce::RectanglePlacement::onlyReduceInSize));
    overlay.setPath (icon.getOutlineAsPath());

    const juce::FillType fill (overlayColour);
    if (overlay.getFill() != fill)
    {
        overlay.setFill (fill);
        overlay.repaint();
    }
}

void MulticolorTitleButton::resized()
{
    colourTable.refreshColours();
}

void MulticolorTitleButton::paintButton (juce::Graphics& g, bool highlighted, bool down)
{
    if (normalIcon != nullptr && pressedIcon != nullptr)
        (down && interactive ? pressedIcon : normalIcon)->draw (g, 1.0f);

    if (interactive && highlighted)
        (down ? pressedHoverOverlay : hoverOverlay).draw (g, 1.0f);
}
