#include "editor/VortaneSliderLegendButton.h"
#include "params/QuilParam.h"

#include <cmath>

VortaneSliderLegendButton::VortaneSliderLegendButton (QuilParam& parameter, const juce::String& stepText,
                                                      bool onLeft, bool alternative, float stepValue)
    : text (stepText),
      value (stepValue),
      param (&parameter),
      selected (false),
      textOnLeft (onLeft),
      justification (onLeft ? juce::Justification::centredRight : juce::Justification::centredLeft),
      alternativeColours (alternative)
{
    selected = showsStep();
    setRepaintsOnMouseActivity (true);
    setPaintingIsUnclipped (true);
}

VortaneSliderLegendButton::~VortaneSliderLegendButton() = default;

bool VortaneSliderLegendButton::showsStep() const noexcept
{
    const auto tolerance = 1.0e-4 * std::abs (param->getRangeLength());
    return std::abs (param->getRealValue() - (double) value) <= tolerance;
}

void VortaneSliderLegendButton::mouseDown (const juce::MouseEvent&)
{
    // Any button sets the step: a label carries no parameter index, so no learn pop-up
    // claims a right-click or control-click here.
    param->setRealValueAsGesture (value);
}

void VortaneSliderLegendButton::updateFromParameters()
{
    const bool nowSelected = showsStep();

    if (nowSelected != selected)
    {
        selected = nowSelected;
        repaint();
    }
}

void VortaneSliderLegendButton::resized()
{
    const int w = getWidth(), h = getHeight();
    const int textWidth = juce::jmax (0, w - 9);

    textArea = { textOnLeft ? 0 : 9, 0, textWidth, h };

    // Beside a level slider the text has 12 units, narrower than names such as "-23" or
    // "-inf": those are narrowed to fit rather than cut down to another number.
    glyphs.clear();
    glyphs.addFittedText (juce::Font (10.0f), text, (float) textArea.getX(), (float) textArea.getY(),
                          (float) textArea.getWidth(), (float) textArea.getHeight(), justification, 1, 0.7f);

    // A small triangle pointing at the slider.
    const float f = textOnLeft ? 1.0f : 0.0f;
    const float x0 = (float) (w - 4) * f;
    const float xa = x0 + (textOnLeft ? 0.0f : 4.0f), xb = x0 + 4.0f * f, y = (float) h * 0.5f;
    juce::Path triangle;
    triangle.startNewSubPath (xa, y - 3.0f);
    triangle.lineTo (xb, y);
    triangle.lineTo (xa, y + 3.0f);
    triangle.closeSubPath();
    mark = triangle.createPathWithRoundedCorners (1.5f);

    if (alternativeColours)
    {
        textColour = findColour (0x2227010).getARGB();
        secondColour = findColour (0x2227011).getARGB();
        selectedColour = findColour (0x2227012).getARGB();
    }
    else
    {
        textColour = findColour (0x2000900).withMultipliedBrightness (1.2f).getARGB();
        secondColour = findColour (0x2000901).withMultipliedBrightness (1.2f).getARGB();
        selectedColour = findColour (0x2000902).withMultipliedBrightness (1.2f).getARGB();
    }

    updateFromParameters();
}

void VortaneSliderLegendButton::paint (juce::Graphics& g)
{
    const juce::Colour colour (selected ? selectedColour : textColour);
    g.setColour (colour);
    glyphs.draw (g);

    g.setColour (colour.withAlpha ((juce::uint8) 0x66));
    g.fillPath (mark);

    if (isMouseOver())
    {
        g.setColour (juce::Colour (selectedColour));
        g.strokePath (mark, juce::PathStrokeType (1.0f, juce::PathStrokeType::mitered, juce::PathStrokeType::butt));
    }
}
