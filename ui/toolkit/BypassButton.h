#pragma once

#include "ui/toolkit/BasicButton.h"

/** The power switch: a round button with a power glyph, lit while the parameter
    is on. */
class BypassButton : public BasicButton
{
public:
    explicit BypassButton (QuilParam& power);
    ~BypassButton() override;

    void paint (juce::Graphics&) override;
    void resized() override;
    juce::String getTooltip() override { return "Bypass"; }

    const juce::Path& getGlyph() const noexcept { return glyph; }

private:
    bool circularBackground = true;
    bool drawBackground = true;
    juce::Path glyph, background, backgroundOutline;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (BypassButton)
};
