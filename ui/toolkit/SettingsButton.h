#pragma once

#include "ui/lnf/ColourTable.h"

/** The toggle that opens and closes the settings screen: a gear with the caption
    "SETTINGS", and while toggled a cross over the gear's hub with "CLOSE".
    Clicking does not toggle it; its owner sets the toggle state. */
class SettingsButton : public juce::Button
{
public:
    explicit SettingsButton (const juce::String& name = "settings");
    ~SettingsButton() override;

    /** Rebuilds the gear and cross for the current width. */
    virtual void drawIcon();

    const juce::Path& getGearPath() const noexcept { return gearPath; }
    const juce::Path& getCrossPath() const noexcept { return crossPath; }
    const juce::String& getCaption() const noexcept { return getToggleState() ? closeText : settingsText; }
    juce::Colour getCurrentColour() const noexcept { return juce::Colour (currentColour); }
    ColourTable& getColourTable() noexcept { return colourTable; }

    void paintButton (juce::Graphics&, bool highlighted, bool down) override;
    void resized() override;

private:
    ColourTable colourTable { this };
    const juce::String settingsText { "SETTINGS" }, closeText { "CLOSE" };
    juce::Rectangle<int> textArea;
    juce::Path gearPath, crossPath;
    juce::uint32 currentColour = 0, toggledOverlayColour = 0;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SettingsButton)
};
