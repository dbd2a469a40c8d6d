#pragma once

#include "support/EditorFixture.h"

/** The editor in a real window on the display, driven through its window's peer
    as the windowing system would: mouse clicks and key presses. */
struct EditorOnDesktop : TestEditor
{
    EditorOnDesktop()
    {
        editor->setTopLeftPosition (40, 40);
        editor->addToDesktop (juce::ComponentPeer::windowAppearsOnTaskbar);
        editor->setVisible (true);
        editor->toFront (true);
        // A click would ask the window manager to activate the window again, and its
        // answer, late on a busy machine, can move the keyboard focus out of a pop-up.
        editor->setBroughtToFrontOnMouseClick (false);
        pumpUntil ([this] { return editor->isShowing() && editor->getPeer() != nullptr; });
        // The window's focus reaches the editor through the window manager, seconds
        // late on a busy machine or not at all, and a pop-up opened before it arrived
        // would close: ask again until the editor has it.
        for (int attempt = 0; attempt < 5 && ! pumpUntil ([this] { return editor->hasKeyboardFocus (true); }); ++attempt)
            peer().toFront (true);
        pumpPosted();
    }

    ~EditorOnDesktop()
    {
        editor->removeFromDesktop();
    }

    juce::ComponentPeer& peer() const { return *editor->getPeer(); }

    /** A point of a component in the window's coordinates, transforms included. */
    juce::Point<float> inWindow (juce::Component& c, juce::Point<float> p) const
    {
        return editor->getLocalPoint (&c, p);
    }

    void mouse (juce::Point<float> position, juce::ModifierKeys mods)
    {
        // Mouse events take their keyboard modifiers from the global state, which the
        // windowing system keeps up to date.
        juce::ModifierKeys::currentModifiers = mods;
        peer().handleMouseEvent (juce::MouseInputSource::InputSourceType::mouse, position, mods,
                                 juce::MouseInputSource::defaultPressure, juce::MouseInputSource::defaultOrientation,
                                 eventTime);
    }

    /** Moves to a point of a component, presses and releases there. */
    void click (juce::Component& c, juce::Point<float> p, int modifiers = 0, int releaseModifiers = -1,
                int button = juce::ModifierKeys::leftButtonModifier)
    {
        const auto at = inWindow (c, p);
        mouse (at, juce::ModifierKeys (modifiers));
        mouse (at, juce::ModifierKeys (modifiers | button));
        mouse (at, juce::ModifierKeys (releaseModifiers < 0 ? modifiers : releaseModifiers));
        pumpPosted();
        mouse ({ -50.0f, -50.0f }, {});
        juce::ModifierKeys::currentModifiers = {};

        // The next click comes too late to make a double click with this one.
        eventTime += juce::MouseEvent::getDoubleClickTimeout() + 1;
    }

    /** Two clicks close enough in time to make a double click. */
    void doubleClick (juce::Component& c, juce::Point<float> p, int modifiers = 0)
    {
        click (c, p, modifiers);
        eventTime -= juce::MouseEvent::getDoubleClickTimeout();
        click (c, p, modifiers);
    }

    void clickCentre (juce::Component& c, int modifiers = 0)
    {
        click (c, c.getLocalBounds().toFloat().getCentre(), modifiers);
    }

    bool press (juce::juce_wchar key, int modifiers = juce::ModifierKeys::commandModifier)
    {
        return peer().handleKeyPress (juce::KeyPress (key, juce::ModifierKeys (modifiers), key));
    }

    /** The time stamp of the mouse events sent. */
    juce::int64 eventTime = juce::Time::currentTimeMillis();

    /** Replaces the focused text field's text by typing, then presses return (or another key). */
    void type (const juce::String& text, int finalKey = juce::KeyPress::returnKey)
    {
        press ('a');
        for (auto c : text)
            press (c, 0);
        peer().handleKeyPress (juce::KeyPress (finalKey));
        pumpPosted();
    }

    /** Waits for the window (editor and its peer) to reach a size. */
    bool sizeBecomes (int w, int h)
    {
        return pumpUntil ([&] { return editor->getWidth() == w && editor->getHeight() == h
                                       && peer().getBounds().getWidth() == w && peer().getBounds().getHeight() == h; });
    }
};
