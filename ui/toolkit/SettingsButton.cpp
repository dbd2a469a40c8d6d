#include "ui/toolkit/SettingsButton.h"

SettingsButton::SettingsButton (const juce::String& name) : juce::Button (name)
{
    setWantsKeyboardFocus (true);
    setRepaintsOnMouseActivity (true);
    setToggleable (true);
    setClickingTogglesState (false);
}

SettingsButton::~SettingsButton() = default;

void SettingsButton::resized()
{
    colourTable.refreshColours();
    toggledOverlayColour = colourTable.getColour (10, 3).getARGB();
    textArea = { 0, 30, getWidth(), juce::jmax (getHeight() - 30, 0) };
    drawIcon();
}

void SettingsButton::drawIcon()
{
    const float c = (float) getWidth() * 0.5f;

    crossPath.clear();
    crossPath.startNewSubPath (c - 3.0f, 10.0f);
    crossPath.lineTo (c + 3.0f, 16.0f);
    crossPath.startNewSubPath (c + 3.0f, 10.0f);
    crossPath.lineTo (c - 3.0f, 16.0f);
    {
        juce::Path stroked;
        juce::PathStrokeType (2.0f, juce::PathStrokeType::curved, juce::PathStrokeType::rounded)
            .createStrokedPath (stroked, crossPath);
        crossPath = stroked;
    }

    // Twelve teeth: outer radius 11, root radius 8.8, each tooth 15° wide, around (c, 13).
    const auto at = [c] (float radius, float degrees)
    {
        const float a = juce::degreesToRadians (degrees);
        return juce::Point<float> (c + radius * std::sin (a), 13.0f - radius * std::cos (a));
    };

    juce::Path gear;
    gear.startNewSubPath (c, 4.2f);
    for (int i = 0; i <= 10; ++i)
    {
        const float a = (float) i * 30.0f;
        gear.lineTo (at (11.0f, a));
        gear.lineTo (at (11.0f, a + 15.0f));
        gear.lineTo (at (8.8f, a + 15.0f));
        gear.lineTo (at (8.8f, a + 30.0f));
    }
    gear.lineTo (c - 5.499997f, 3.4737186f);
    gear.lineTo (c - 2.8470073f, 2.374815f);
    gear.lineTo (c - 2.2776058f, 4.4998522f);
    gear.closeSubPath();

    gearPath = gear.createPathWithRoundedCorners (2.0f);
    // Even-odd filling turns the hub below into a hole.
    gearPath.setUsingNonZeroWinding (false);

    const float r = 6.16f, k = 3.388f, cy = 13.0f;
    gearPath.startNewSubPath (c, cy - r);
    gearPath.cubicTo (c + k, cy - r, c + r, cy - k, c + r, cy);
    gearPath.cubicTo (c + r, cy + k, c + k, cy + r, c, cy + r);
    gearPath.cubicTo (c - k, cy + r, c - r, cy + k, c - r, cy);
    gearPath.cubicTo (c - r, cy - k, c - k, cy - r, c, cy - r);
    gearPath.closeSubPath();
}

void SettingsButton::paintButton (juce::Graphics& g, bool highlighted, bool down)
{
    // A disabled button (or one inside a disabled parent) keeps the colour it had.
    if (isEnabled())
    {
        const auto colour = down ? colourTable.getColour (1, 3)
            : highlighted        ? colourTable.getColour (10, 3)
                                 : colourTable.getColour (1, 1);
        currentColour = colour.getARGB();
    }

    g.setColour (juce::Colour (currentColour));
    g.fillPath (gearPath);

    if (getToggleState())
    {
        g.setColour (juce::Colour (toggledOverlayColour));
        g.fillPath (crossPath);
        g.setColour (juce::Colour (currentColour));
    }

    g.setFont (10.0f);
    g.drawText (getCaption(), textArea, juce::Justification::centredTop, true);
}
