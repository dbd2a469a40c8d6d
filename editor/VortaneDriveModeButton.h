#pragma once

#include "ui/toolkit/ParamComponent.h"

class QuilParam;

/** One of the two round icon buttons of "Drive Mode": the hot one (a flame, lit in
    red while the mode is "Hot") or the cold one (a snowflake, lit in blue while it
    is "Cold"), so exactly one of the pair is lit. A click on either steps the mode
    to its next value, wrapping, as one change gesture, whatever the button and
    modifiers: it offers no MIDI learning, so a right-click or control-click steps too. */
class VortaneDriveModeButton : public ParamComponent
{
public:
    /** param: "Drive Mode" (not owned; e.g. *data.driveMode). hotIcon: true for the
        hot button, false for the cold one. */
    VortaneDriveModeButton (QuilParam& param, bool hotIcon);
    ~VortaneDriveModeButton() override;

    void mouseDown (const juce::MouseEvent&) override;
    void updateFromParameters() override;
    void resized() override;
    void paint (juce::Graphics&) override;

    bool isLit() const noexcept { return lit; }
    bool isHotButton() const noexcept { return hot; }
    const juce::Path& getIcon() const noexcept { return icon; }

private:
    QuilParam& param;
    const bool hot;
    bool above = false, lit = false;

    juce::Colour litColour, litHoverColour, unlitColour, unlitHoverColour;
    juce::ColourGradient litBackground, hoverBackground;
    const juce::Path iconShape;  // as embedded; fitted into icon on every resize
    juce::Path icon, background;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VortaneDriveModeButton)
};
