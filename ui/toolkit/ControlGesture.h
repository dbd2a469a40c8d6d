#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class QuilParam;

/** Turns the mouse movement of one drag into changes of one parameter's real value.
    A control hands the mouse-down of a drag to beginGesture and every following drag
    event to dragGesture; the control itself ends the parameter's change gesture on
    mouse-up, and only when beginGesture reported that it began one. */
class ControlGesture
{
public:
    ControlGesture();
    virtual ~ControlGesture();

    void setSensitivity (float newSensitivity) noexcept { sensitivity = newSensitivity; }
    float getSensitivity() const noexcept { return sensitivity; }

    /** Records the drag's starting state and begins the parameter's change gesture.
        A pop-up click begins nothing and returns false. The area is in the control's
        coordinates. */
    virtual bool beginGesture (const juce::MouseEvent&, QuilParam&, juce::Rectangle<int> area) = 0;

    /** Moves the value for one drag event; pop-up clicks change nothing. */
    virtual void dragGesture (const juce::MouseEvent&, QuilParam&, bool invert) = 0;

    /** A pop-up click, which belongs to MIDI learning: right button or control key, the
        raw mask 0x22, tested on its bits. Wider than juce::ModifierKeys::isPopupMenu,
        which on Linux is the right button alone. */
    static bool isPopupClick (const juce::ModifierKeys& mods) noexcept
    {
        return (mods.getRawFlags() & 0x22) != 0;
    }

    /** v limited to the parameter's [minimum, maximum]. */
    static float limit (const QuilParam&, float v) noexcept;

    /** Sets a real value (limited) through the host-notifying setter; a value that is
        not finite leaves the parameter alone. */
    static void setLimited (QuilParam&, float realValue);

protected:
    /** 0.01 with shift held, else 1. */
    static float fineFactor (const juce::MouseEvent&) noexcept;

    /** 1 / length, or 0 for an empty length so that such an area moves nothing. */
    static float inverseOf (int length) noexcept { return length > 0 ? 1.0f / (float) length : 0.0f; }

    float sensitivity = 1.0f;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ControlGesture)
};
