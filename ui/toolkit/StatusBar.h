#pragma once

#include "ui/toolkit/BasicLabel.h"

/** The line at the bottom of a window: a right-aligned status text, optionally
    followed by the build's date and time, over an optional image from the
    look-and-feel. */
class StatusBar : public BaseColoredComponent
{
public:
    /** The label's colour, the maker's status-bar colour ID. */
    static constexpr int statusTextColourId = 0x2229001;

    StatusBar();
    ~StatusBar() override;

    /** The normal text; shown by the next showBuildInfo. */
    void setStatusText (const juce::String& text) { statusText = text; }
    const juce::String& getStatusText() const noexcept { return statusText; }

    /** Shows the status text, followed by the build's date and time when asked. */
    void showBuildInfo (bool show);

    /** ", " + the compiler's build date + ", " + its build time. */
    static juce::String getBuildInfo();

    /** The label starts at the left edge instead of 10 points in. */
    void setFlushLeft (bool shouldBeFlushLeft);

    BasicLabel& getLabel() noexcept { return label; }
    const BasicLabel& getLabel() const noexcept { return label; }

    void paint (juce::Graphics& g) override;
    void resized() override;

private:
    juce::Image statusImage;
    BasicLabel label;
    bool flushLeft = false;
    juce::String statusText;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (StatusBar)
};
