#include "ui/toolkit/MonocolorTitleButton.h"

MonocolorTitleButton::MonocolorTitleButton (const juce::String& name, bool isInteractive, float offset)
    : juce::Button (name), IconTitleButton (isInteractive, offset)
{
}

MonocolorTitleButton::~MonocolorTitleButton() = default;

void MonocolorTitleButton::setIconPath (const juce::Path& outline)
{
    iconPath = outline;
    pressedIconPath = outline;
    pressedIconPath.applyTransform (juce::AffineTransform::translation (pressOffset, pressOffset));
    repaint();
}

void MonocolorTitleButton::resized()
{
    colourTable.refreshColours();

    const auto normal = colourTable.getColour (8, 1);
    const auto highlight = normal.withMultipliedBrightness (1.2f);
    setColour (ColourTable::colourId (8, 3), highlight);
    colourTable.setCachedColour (8, 3, highlight);

    const juce::Rectangle<float> available (0.0f, 0.0f,
                                            (float) getWidth() - pressOffset,
                                            (float) getHeight() - pressOffset);
    const auto bounds = iconPath.getBounds();

    if (! bounds.isEmpty() && ! available.isEmpty())
    {
        const float scale = juce::jmin (available.getWidth() / bounds.getWidth(),
                                        available.getHeight() / bounds.getHeight());
        const auto fitted = bounds.withSize (bounds.getWidth() * scale, bounds.getHeight() * scale)
                                .withCentre (available.getCentre());
        iconPath.applyTransform (juce::AffineTransform::translation (-bounds.getX(), -bounds.getY())
                                     .scaled (scale)
                                     .translated (fitted.getX(), fitted.getY()));
    }

    pressedIconPath = iconPath;
    pressedIconPath.applyTransform (juce::AffineTransform::translation (pressOffset, pressOffset));
}

void MonocolorTitleButton::paintButton (juce::Graphics& g, bool highlighted, bool down)
{
    const bool lit = interactive && (highlighted || down);
    const auto& path = down && interactive ? pressedIconPath : iconPath;

    if (g.isClipEmpty() || path.isEmpty())
        return;

    g.setColour (colourTable.getColour (8, lit ? 3 : 1));
    g.fillPath (path);
}
