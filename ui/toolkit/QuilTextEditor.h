#pragma once

#include "ui/toolkit/PressWatcher.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <memory>
#include <optional>

/** The small text field for typed values (controls) and controller numbers (MIDI-learn
    pop-up): no border, no indents.

    One field at a time takes typed keys: the typing field. Opening a field (startTyping)
    dismisses the one open before, as Escape would. Inside a host the plug-in's window
    often never holds the keyboard focus, so keys arrive at the window itself rather than
    at the field: while a field is typing, keys that reach its window unused are handed
    to it, and a press anywhere outside it dismisses it. The window losing or regaining
    the system focus, which hosts cause around every click, dismisses nothing. */
class QuilTextEditor : public juce::TextEditor
{
public:
    QuilTextEditor();
    ~QuilTextEditor() override;

    /** Makes this the typing field; the previous one is dismissed. */
    void startTyping();
    /** Stops taking keys; the field's owner closes or restores it. */
    void stopTyping();
    /** True while this field takes typed keys. Still true when a loss of focus was only
        the window's: an owner told of a focus loss then keeps the field open. */
    bool isTyping() const noexcept { return getTypingField() == this; }

    /** The field now taking typed keys, if any. */
    static QuilTextEditor* getTypingField() noexcept;

    /** A click that opens the field selects its whole text, so that what the user
        types replaces it. Further clicks, a double click's second one among them, do
        the same until the text changes; after that they place the caret as usual. */
    void mouseDown (const juce::MouseEvent&) override;
    void mouseDrag (const juce::MouseEvent&) override;
    void mouseUp (const juce::MouseEvent&) override;
    void mouseDoubleClick (const juce::MouseEvent&) override;
    /** Keys with Ctrl (or the command key) held are shortcuts, never text: the field's
        editing shortcuts work, the others are left to the window (the scale steps). */
    bool keyPressed (const juce::KeyPress&) override;
    void focusLost (FocusChangeType) override;
    void parentHierarchyChanged() override;
    void visibilityChanged() override;

protected:
    void returnPressed() override;
    void escapePressed() override;

private:
    /** Dismisses the field as Escape does: its owner restores or closes it. */
    void dismiss();
    /** True while a field opened by a click still shows the text it opened with. */
    bool isUntouched() const;

    class KeyRouter;
    std::unique_ptr<KeyRouter> keyRouter;
    std::unique_ptr<PressWatcher> pressWatcher;
    std::optional<juce::String> openedText;  // the text a click opened the field with
    bool wholeTextPress = false;             // the press under way selects all

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (QuilTextEditor)
};
