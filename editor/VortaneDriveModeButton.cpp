#include "editor/VortaneDriveModeButton.h"
#include "editor/VortaneResources.h"
#include "params/QuilParam.h"

#include <cmath>

VortaneDriveModeButton::VortaneDriveModeButton (QuilParam& paramToUse, bool hotIcon)
    : param (paramToUse),
      hot (hotIcon),
      iconShape (VortaneResources::getDriveModeIcon (hotIcon))
{
    setRepaintsOnMouseActivity (true);
    updateFromParameters();
}

VortaneDriveModeButton::~VortaneDriveModeButton() = default;

void VortaneDriveModeButton::mouseDown (const juce::MouseEvent&)
{
    // Any button and any modifiers step the mode: the button offers no MIDI learning
    // (it carries no "pIndex"), so a right-click or control-click has nothing else to do.
    const double minimum = param.getRangeStart(), maximum = param.getRangeEnd();
    const double current = param.getRealValue();
    double next = (std::isfinite (current) ? current : minimum) + 1.0;

    if (next > maximum)
        next = minimum;
    else if (next < minimum)
        next = maximum;

    // Begins and ends its gesture inside this call: nothing is left open for mouse-up.
    param.setRealValueAsGesture ((float) next);
}

void VortaneDriveModeButton::updateFromParameters()
{
    const bool nowAbove = param.getRealValue() > 0.5;

    if (polled && nowAbove == above)
        return;

    polled = true;
    above = nowAbove;
    lit = hot ? above : ! above;
    repaint();
}

void VortaneDriveModeButton::resized()
{
    const int w = getWidth(), h = getHeight();

    const auto shape = iconShape.getBounds();
    icon = iconShape;
    if (shape.getWidth() > 0.0f && shape.getHeight() > 0.0f)
    {
        const float target = hot ? 12.0f : 13.0f;
        const float scale = target / juce::jmax (shape.getWidth(), shape.getHeight());
        icon.applyTransform (juce::AffineTransform::translation (-shape.getCentre())
                                 .scaled (scale)
                                 .translated ((float) (w / 2), (float) (h / 2)));
    }

    litColour = juce::Colour (hot ? 0xFFFF4848 : 0xFF4EE1FF);
    litHoverColour = litColour.withMultipliedBrightness (1.35f);
    unlitColour = juce::Colour (0xFF525565);
    unlitHoverColour = unlitColour.withMultipliedBrightness (1.4f);

    background.clear();
    background.addEllipse (1.0f, 1.0f, (float) juce::jmax (0, w - 2), (float) juce::jmax (0, h - 2));

    const juce::Point<float> centre ((float) ((w - 2) / 2 + 1), (float) ((h - 2) / 2 + 1));
    const juce::Point<float> edge ((float) (w - 1), centre.y);
    litBackground = juce::ColourGradient (litColour.withAlpha ((juce::uint8) 0x45), centre,
                                          litColour.withAlpha ((juce::uint8) 0), edge, true);
    hoverBackground = juce::ColourGradient (litColour.withAlpha ((juce::uint8) 0x22), centre,
                                            litColour.withAlpha ((juce::uint8) 0), edge, true);
}

void VortaneDriveModeButton::paint (juce::Graphics& g)
{
    const bool hovered = isMouseOver();

    if (lit || hovered)
    {
        g.setGradientFill (lit ? litBackground : hoverBackground);
        g.fillPath (background);
    }

    g.setColour (lit ? (hovered ? litHoverColour : litColour)
                     : (hovered ? unlitHoverColour : unlitColour));
    g.fillPath (icon);
}
