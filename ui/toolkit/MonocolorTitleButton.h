#pragma once

#include "ui/lnf/ColourTable.h"
#include "ui/toolkit/IconTitleButton.h"

/** A logo button filling one outline in the colour of group 8 slot 1, brightened
    on hover; the outline is fitted to the button on every resize. */
class MonocolorTitleButton : public juce::Button,
                             public IconTitleButton
{
public:
    explicit MonocolorTitleButton (const juce::String& name, bool interactive = true, float pressOffset = 1.0f);
    ~MonocolorTitleButton() override;

    /** The outline; a copy moved by the press offset is shown while pressed. */
    void setIconPath (const juce::Path& outline);

    const juce::Path& getIconPath() const noexcept { return iconPath; }
    const juce::Path& getPressedIconPath() const noexcept { return pressedIconPath; }
    ColourTable& getColourTable() noexcept { return colourTable; }

    void paintButton (juce::Graphics&, bool highlighted, bool down) override;
    void resized() override;

private:
    ColourTable colourTable { this };
    juce::Path iconPath, pressedIconPath;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MonocolorTitleButton)
};
