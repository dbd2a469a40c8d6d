#pragma once

#include "support/EditorFixture.h"
#include "support/MouseEvents.h"

#include <vector>

/** Writes the window scale into the preferences before the editor reads them. */
struct ScaleInPrefs
{
    explicit ScaleInPrefs (const char* scale) { if (scale != nullptr) PrefsOnDisk::write ({ { "scale", scale } }); }
};

/** The editor in a real window on the display, driven through its window's peer
    as the windowing system would: mouse clicks and key presses. */
struct EditorOnDesktop : ScaleInPrefs, TestEditor
{
    explicit EditorOnDesktop (const char* scale = nullptr) : ScaleInPrefs (scale)
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

    void rightClick (juce::Component& c, juce::Point<float> p = { 10.0f, 10.0f })
    {
        click (c, p, 0, -1, juce::ModifierKeys::rightButtonModifier);
    }

    /** A click at the centre handled at once, with no window-system events in between:
        a pop-up also closes when the test display moves the window's focus for a moment. */
    void tap (juce::Component& c)
    {
        const auto at = inWindow (c, c.getLocalBounds().toFloat().getCentre());
        mouse (at, {});
        mouse (at, juce::ModifierKeys::leftButtonModifier);
        mouse (at, {});
        mouse ({ -50.0f, -50.0f }, {});
    }

    /** A pointer move by (dx, dy) from a drag's start, in the component's units, with buttons and keys. */
    struct Step { float dx, dy; int mods; };

    /** Moves to a point of a component, then through the steps (the first usually the
        press), releases with releaseMods where the last step ended and moves away. */
    void drag (juce::Component& c, juce::Point<float> from, const std::vector<Step>& steps, int releaseMods = 0)
    {
        // Window positions taken first: a pop-up click may replace the pop-up that holds c.
        std::vector<juce::Point<float>> at { inWindow (c, from) };
        for (const auto& s : steps)
            at.push_back (inWindow (c, from + juce::Point<float> (s.dx, s.dy)));
        mouse (at.front(), {});
        for (size_t i = 0; i < steps.size(); ++i)
            mouse (at[i + 1], steps[i].mods);
        mouse (at.back(), releaseMods);
        mouse ({ -50.0f, -50.0f }, {});
        juce::ModifierKeys::currentModifiers = {};
        pumpPosted();
    }

    /** The pop-up shown, when it is a T. */
    template <typename T>
    T* shownPopup() const
    {
        auto& display = window().getPopupDisplay();
        return display.isPopupShowing() ? dynamic_cast<T*> (display.getContent()) : nullptr;
    }

    bool insideWindow (juce::Component& c) const
    {
        return window().getLocalBounds().contains (window().getLocalArea (&c, c.getLocalBounds()));
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
        typeKeys (text, finalKey);
    }

    /** Types as a user does after a plain click, with no select-all first: the keys
        land wherever the click left the caret or selection. */
    void typeKeys (const juce::String& text, int finalKey = juce::KeyPress::returnKey)
    {
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
