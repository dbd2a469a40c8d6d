#include "editor/SettingsScreenBackground.h"

SettingsScreenBackground::SettingsScreenBackground() : juce::Button ("Settings screen background")
{
}

SettingsScreenBackground::~SettingsScreenBackground() = default;

void SettingsScreenBackground::paintButton (juce::Graphics& g, bool, bool)
{
    if (fill)
        g.fillAll (juce::Colour (fillColour));
}
