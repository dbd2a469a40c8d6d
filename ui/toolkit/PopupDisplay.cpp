#include "ui/toolkit/PopupDisplay.h"
#include "ui/toolkit/PopupLifecycleHooks.h"

namespace
{
    juce::int64 systemMilliseconds() { return juce::Time::currentTimeMillis(); }

    /** The time of the press under way, or none when no button is down. */
    juce::Time currentPress()
    {
        for (auto& source : juce::Desktop::getInstance().getMouseSources())
            if (source.isDragging())
                return source.getLastMouseDownTime();

        return {};
    }
}

PopupDisplay::PopupDisplay() : clock (systemMilliseconds)
{
    setInterceptsMouseClicks (false, true);
}

PopupDisplay::~PopupDisplay()
{
    removeChildren();
}

bool PopupDisplay::launchPopup (std::unique_ptr<juce::Component> newContent, juce::Point<int> position,
                                juce::Component* target, bool withShadow)
{
    auto* parent = getParentComponent();

    // Misuse drops the pop-up rather than throwing: this runs inside mouse handlers.
    if (newContent == nullptr || parent == nullptr || ! isVisible() || target == nullptr
        || ! (target == parent || parent->isParentOf (target)))
        return false;

    const auto p = getLocalPoint (target, position);

    setAlwaysOnTop (true);
    const auto elapsed = clock() - closeTime;
    keepOpen = false;

    const juce::Point<int> placed (p.x < 0 ? 0 : juce::jmin (p.x, getWidth() - newContent->getWidth()),
                                   p.y < 0 ? 0 : juce::jmin (p.y, getHeight() - newContent->getHeight()));

    if (content != nullptr && content->getPosition() != placed)
    {
        placePopup (std::move (newContent), placed, withShadow);
        return true;
    }

    // The click that closed this pop-up, by taking the focus or by a press beside it,
    // must not reopen it.
    if (newContent->getComponentID() == lastPopupId && elapsed < 101)
        return false;

    placePopup (std::move (newContent), placed, withShadow);
    return true;
}

void PopupDisplay::removeChildren()
{
    for (auto* child : getChildren())
        if (auto* hooks = dynamic_cast<PopupLifecycleHooks*> (child))
            hooks->popupClosed();

    for (int i = getNumChildComponents(); --i >= 0;)
        removeChildComponent (i);

    showing = false;
    pressWatcher.reset();
}

void PopupDisplay::placePopup (std::unique_ptr<juce::Component> newContent, juce::Point<int> position,
                               bool withShadow)
{
    if (newContent == nullptr)
        return;

    const juce::ScopedValueSetter<bool> swapping (placing, true);

    removeChildren();
    content = std::move (newContent);

    if (auto* hooks = dynamic_cast<PopupLifecycleHooks*> (content.get()))
        hooks->popupShown();

    content->setTopLeftPosition (position);
    content->setWantsKeyboardFocus (true);
    addAndMakeVisible (*content, -1);

    if (withShadow)
    {
        shadow.setVisible (true);
        addChildComponent (shadow, 0);
        shadow.placeBehind (*content);
    }

    content->grabKeyboardFocus();
    lastPopupId = content->getComponentID();
    showing = true;
    openingPress = currentPress();
    pressWatcher = std::make_unique<PressWatcher> ([this] (const juce::MouseEvent& e) { pressedInWindow (e); });
}

void PopupDisplay::pressedInWindow (const juce::MouseEvent& e)
{
    if (! showing || content == nullptr || e.mouseDownTime == openingPress
        || ! PressWatcher::isWithin (*getTopLevelComponent(), e.eventComponent) || PressWatcher::isWithin (*content, e.eventComponent))
        return;

    closeTime = clock();
    closePopup();
}

void PopupDisplay::closePopup()
{
    removeChildren();
}

void PopupDisplay::buttonClicked (juce::Button* button)
{
    const auto name = button != nullptr ? button->getName() : juce::String();

    if (name == "ok" || name == "always")
        if (okAction)
            okAction();

    if (name == "always" && alwaysAction)
        alwaysAction();

    closeTime = clock();
    closePopup();
}

void PopupDisplay::focusOfChildComponentChanged (FocusChangeType)
{
    if (placing || keepOpen || ! showing)
        return;

    // No focused component means the window lost the system focus, not that the user
    // left the pop-up; a focus in another window is not this window's business.
    if (! getTopLevelComponent()->hasKeyboardFocus (true)
        || (content != nullptr && content->hasKeyboardFocus (true)))
        return;

    closeTime = focusCloseTime = clock();
    closePopup();
}

void PopupDisplay::updateFromParameters()
{
    const bool recent = clock() - focusCloseTime < 100;
    if (recent != recentlyClosed)
        recentlyClosed = recent;
}
