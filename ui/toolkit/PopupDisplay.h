#pragma once

#include "ui/toolkit/ParamComponent.h"
#include "ui/toolkit/PressWatcher.h"
#include "ui/toolkit/ShadowEffect.h"
#include <functional>
#include <memory>

/** A transparent, always-on-top layer over a window that shows at most one small
    pop-up at a time, with a drop shadow. A pop-up closes when the keyboard focus
    moves to another component of the window, when the mouse is pressed anywhere in
    the window outside it, when a button reporting to the display is clicked, or when
    another pop-up replaces it; clicking the control that opened a pop-up while it is
    open closes it without reopening it. The window as a whole losing or regaining the
    system focus (hosts cause this around every click into an embedded window) closes
    nothing. */
class PopupDisplay : public ParamComponent,
                     public juce::Button::Listener
{
public:
    PopupDisplay();
    ~PopupDisplay() override;

    /** Shows content with its top-left corner at a position in the target's
        coordinates, kept inside the display. The display takes the content; when
        it cannot show it (no content, no target inside the display's parent, the
        display not visible, or the same pop-up asked for again right after it was
        closed) the content is deleted and false returned. */
    bool launchPopup (std::unique_ptr<juce::Component> content, juce::Point<int> position,
                      juce::Component* target, bool withShadow);

    /** Shows content at a position in the display's coordinates, replacing the
        pop-up shown before. */
    void placePopup (std::unique_ptr<juce::Component> content, juce::Point<int> position, bool withShadow);

    /** Removes the pop-up (the display keeps owning it until the next one). */
    void closePopup();

    bool isPopupShowing() const noexcept { return showing; }
    juce::Component* getContent() const noexcept { return content.get(); }
    ShadowEffect& getShadow() noexcept { return shadow; }
    bool wasRecentlyClosed() const noexcept { return recentlyClosed; }

    void setKeepOpen (bool shouldKeepOpen) noexcept { keepOpen = shouldKeepOpen; }
    void setOkAction (std::function<void()> action) { okAction = std::move (action); }
    void setAlwaysAction (std::function<void()> action) { alwaysAction = std::move (action); }

    void focusOfChildComponentChanged (FocusChangeType cause) override;
    void updateFromParameters() override;
    void buttonClicked (juce::Button* button) override;

    /** Milliseconds of wall-clock time. */
    using Clock = juce::int64 (*)();

    /** Replaces the clock that times closing and reopening (tests). */
    void setClock (Clock newClock) noexcept { clock = newClock; }

private:
    void removeChildren();
    /** A press in the window outside the pop-up closes it, unless that same press
        opened it. */
    void pressedInWindow (const juce::MouseEvent&);

    std::unique_ptr<juce::Component> content;
    bool keepOpen = false;
    juce::int64 closeTime = 0;
    juce::int64 focusCloseTime = 0;
    bool recentlyClosed = false;
    juce::String lastPopupId;
    bool showing = false;
    // While a pop-up is being swapped in, focus moves are the display's own.
    bool placing = false;
    ShadowEffect shadow { 0.2f, 5.0f, 4, 4 };
    std::function<void()> okAction, alwaysAction;
    Clock clock;
    std::unique_ptr<PressWatcher> pressWatcher;  // while a pop-up shows
    juce::Time openingPress;  // the press during which the pop-up shown was placed

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PopupDisplay)
};
