#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** The button under the whole settings screen: a click on the screen's empty
    area is a click on it. Draws a fill only when asked to. */
class SettingsScreenBackground : public juce::Button
{
public:
    SettingsScreenBackground();
    ~SettingsScreenBackground() override;

    void setFill (juce::Colour colour)
    {
        fillColour = colour.getARGB();
        fill = true;
        repaint();
    }

    void paintButton (juce::Graphics&, bool over, bool down) override;

private:
    juce::uint32 fillColour = 0;
    bool fill = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SettingsScreenBackground)
};
