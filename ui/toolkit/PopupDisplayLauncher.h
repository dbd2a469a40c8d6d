#pragma once

#include "ui/toolkit/PopupDisplay.h"

/** Mixed into a window: owns the window's pop-up display, which the window adds
    as a child and lays out over itself. Controls reach it by walking up from
    themselves. */
class PopupDisplayLauncher
{
public:
    PopupDisplayLauncher();
    virtual ~PopupDisplayLauncher();

    PopupDisplay& getPopupDisplay() noexcept { return popupDisplay; }

    /** The first of target and its ancestors that is a launcher, or null. */
    static PopupDisplayLauncher* findFor (juce::Component* target);

    /** Shows content for target through the launcher above it. Without a launcher,
        or when the display cannot show it, the content is deleted and false returned. */
    static bool launch (juce::Component* target, std::unique_ptr<juce::Component> content,
                        juce::Point<int> position, bool withShadow);

    bool launchPopup (std::unique_ptr<juce::Component> content, juce::Point<int> position,
                      juce::Component* target, bool withShadow);

protected:
    PopupDisplay popupDisplay;

private:
    JUCE_DECLARE_NON_COPYABLE (PopupDisplayLauncher)
};
