#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

/** Calls back on every mouse press in any window of the process for as long as it
    lives. Pop-ups and text fields use one while they are open to close on a press
    beside them: the keyboard focus cannot tell, as nothing there may take it, and
    inside a host the window may hold no focus at all. */
class PressWatcher : private juce::MouseListener
{
public:
    explicit PressWatcher (std::function<void (const juce::MouseEvent&)> onPress) : callback (std::move (onPress))
    {
        juce::Desktop::getInstance().addGlobalMouseListener (this);
    }

    ~PressWatcher() override { juce::Desktop::getInstance().removeGlobalMouseListener (this); }

    /** True when a component is the area itself or lies inside it. */
    static bool isWithin (const juce::Component& area, const juce::Component* c) noexcept
    {
        return c != nullptr && (c == &area || area.isParentOf (c));
    }

private:
    void mouseDown (const juce::MouseEvent& e) override { callback (e); }

    std::function<void (const juce::MouseEvent&)> callback;

    JUCE_DECLARE_NON_COPYABLE (PressWatcher)
};
