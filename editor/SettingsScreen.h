#pragma once

#include "editor/QuillmereWebsiteButton.h"
#include "editor/SettingsScreenBackground.h"
#include "ui/toolkit/BgImage.h"
#include "ui/toolkit/DefaultSizeLabel.h"
#include "ui/toolkit/KnobRotationPreferenceButton.h"
#include "ui/toolkit/PluginScalerPreferenceButton.h"

class PluginScaler;

/** The overlay on which the user picks the knob drag mode and the interface scale,
    with a link to the maker's website. Any click on one of its buttons (the
    background included) flips its open flag and lays its parent out again; the
    parent turns the flag into the screen's size. */
class SettingsScreen : public juce::Component,
                       public juce::Button::Listener
{
public:
    /** Reads "knobRotation" into the knob-mode flag (absent: rotary). */
    SettingsScreen (PrefsFile& prefs, bool& knobModeFlag, PluginScaler& scaler);
    ~SettingsScreen() override;

    bool isOpen() const noexcept { return open; }
    void setOpen (bool shouldBeOpen) noexcept { open = shouldBeOpen; }

    void buttonClicked (juce::Button*) override;
    void resized() override;
    void paintOverChildren (juce::Graphics&) override;

    // The connectors' colour.
    static constexpr int connectorColourId = 0x2226000;

    /** A short line ending in a bracket facing the option column, as an outline. */
    static juce::Path makeConnector (juce::Rectangle<float> area);

    KnobRotationPreferenceButton& getKnobModeButton() noexcept { return knobModeButton; }
    PluginScalerPreferenceButton& getScaleButton() noexcept { return scaleButton; }
    QuillmereWebsiteButton& getWebsiteButton() noexcept { return websiteButton; }
    SettingsScreenBackground& getBackgroundButton() noexcept { return backgroundButton; }
    DefaultSizeLabel& getTitle() noexcept { return title; }
    const juce::Path& getConnector (int index) const noexcept { return index == 0 ? connector1 : connector2; }

private:
    BgImage background;
    SettingsScreenBackground backgroundButton;
    KnobRotationPreferenceButton knobModeButton;
    PluginScalerPreferenceButton scaleButton;
    QuillmereWebsiteButton websiteButton;
    DefaultSizeLabel title { "SETTINGS" }, knobModeLabel { "KNOB MODE" }, scaleLabel { "GUI SCALE" };
    juce::Path connector1, connector2;
    bool open = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SettingsScreen)
};
