#pragma once

#include "ui/lnf/QuilLnF.h"

/** How widgets reach the maker's look-and-feel operations: through a checked cast,
    so that under any other look-and-feel they get the standard metrics (font height
    13, small font height 10, corner size 6, no status-bar image) and the maker's
    base colours instead of a crash. */
namespace QuilMetrics
{
    /** The look-and-feel as the maker's, or null when it is another one. */
    QuilLnF* asQuilLnF (juce::LookAndFeel& lookAndFeel) noexcept;

    float getFontHeight (juce::LookAndFeel&);
    float getSmallFontHeight (juce::LookAndFeel&);
    float getCornerSize (juce::LookAndFeel&);
    juce::Image getStatusBarImage (juce::LookAndFeel&);
    juce::Colour getAccentColour (juce::LookAndFeel&);
    juce::Colour getAccentDarkColour (juce::LookAndFeel&);
    juce::Colour getAlertColour (juce::LookAndFeel&);
    juce::Colour adjustColour (juce::LookAndFeel&, juce::Colour colour);

    // The same for a component's own look-and-feel.
    float getFontHeight (const juce::Component&);
    float getSmallFontHeight (const juce::Component&);
    float getCornerSize (const juce::Component&);
    juce::Image getStatusBarImage (const juce::Component&);
    juce::Colour getAccentColour (const juce::Component&);
    juce::Colour getAccentDarkColour (const juce::Component&);
    juce::Colour getAlertColour (const juce::Component&);
    juce::Colour adjustColour (const juce::Component&, juce::Colour colour);
}
