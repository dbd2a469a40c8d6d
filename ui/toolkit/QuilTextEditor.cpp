#include "ui/toolkit/QuilTextEditor.h"

#include <utility>

namespace
{
    juce::Component::SafePointer<QuilTextEditor> typingField;
}

/** Hands the keys that reach the field's window, and that nothing there used, to the
    field: the window's own focus may never settle on the field inside a host. */
class QuilTextEditor::KeyRouter : public juce::KeyListener
{
public:
    KeyRouter (QuilTextEditor& f, juce::Component& w) : field (f), window (&w) { w.addKeyListener (this); }

    ~KeyRouter() override
    {
        if (window != nullptr)
            window->removeKeyListener (this);
    }

    bool keyPressed (const juce::KeyPress& key, juce::Component* originating) override
    {
        // Keys the field saw itself were already its to use.
        if (PressWatcher::isWithin (field, originating) || ! field.isShowing())
            return false;

        return field.keyPressed (key);
    }

private:
    QuilTextEditor& field;
    juce::Component::SafePointer<juce::Component> window;
};

//==============================================================================
QuilTextEditor::QuilTextEditor() : juce::TextEditor ({}, 0)
{
    setBorder ({});
    setIndents (0, 0);
}

QuilTextEditor::~QuilTextEditor()
{
    stopTyping();
}

QuilTextEditor* QuilTextEditor::getTypingField() noexcept
{
    return typingField.getComponent();
}

void QuilTextEditor::startTyping()
{
    if (isTyping() || ! isShowing())
        return;

    if (auto* previous = getTypingField())
        previous->dismiss();

    typingField = this;
    keyRouter = std::make_unique<KeyRouter> (*this, *getTopLevelComponent());
    // A press anywhere outside the field closes it.
    pressWatcher = std::make_unique<PressWatcher> ([this] (const juce::MouseEvent& e)
    {
        if (! PressWatcher::isWithin (*this, e.eventComponent))
            dismiss();
    });
}

void QuilTextEditor::stopTyping()
{
    if (isTyping())
        typingField = nullptr;

    keyRouter.reset();
    pressWatcher.reset();
    openedText.reset();
}

void QuilTextEditor::dismiss()
{
    stopTyping();
    TextEditor::escapePressed();

    if (hasKeyboardFocus (false))
        giveAwayKeyboardFocus();
}

bool QuilTextEditor::isUntouched() const
{
    return openedText.has_value() && *openedText == getText();
}

void QuilTextEditor::mouseDown (const juce::MouseEvent& e)
{
    // A click into a field that stays on screen (the controller number) opens it. Where
    // the caret would land is of no use in a short field that shows a value: all of it
    // is selected and typing replaces it, with or without the window's focus. A caret
    // placed by a second click would let a full field refuse, or a short one mangle,
    // the number typed next.
    const bool popup = e.mods.isPopupMenu(), opening = ! popup && ! isTyping();
    startTyping();

    if (opening && isTyping())
        openedText = getText();

    wholeTextPress = ! popup && isUntouched();

    if (wholeTextPress)
        selectAll();
    else
        TextEditor::mouseDown (e);
}

void QuilTextEditor::mouseDrag (const juce::MouseEvent& e)
{
    if (! wholeTextPress)
        TextEditor::mouseDrag (e);
}

void QuilTextEditor::mouseUp (const juce::MouseEvent& e)
{
    if (! std::exchange (wholeTextPress, false))
        TextEditor::mouseUp (e);
}

void QuilTextEditor::mouseDoubleClick (const juce::MouseEvent& e)
{
    // Comes after the second press's mouseUp: the text tells whether it still counts.
    if (e.mods.isPopupMenu() || ! isUntouched())
        TextEditor::mouseDoubleClick (e);
}

bool QuilTextEditor::keyPressed (const juce::KeyPress& key)
{
    // With Ctrl held the framework would type the key's character ("-" of Ctrl+-) and
    // keep the key from the window's scale shortcuts. Return and Escape still close.
    const auto mods = key.getModifiers();

    if ((mods.isCtrlDown() || mods.isCommandDown()) && ! key.isKeyCode (juce::KeyPress::returnKey)
        && ! key.isKeyCode (juce::KeyPress::escapeKey))
        return juce::TextEditorKeyMapper<juce::TextEditor>::invokeKeyFunction (*this, key);

    return TextEditor::keyPressed (key);
}

void QuilTextEditor::focusLost (FocusChangeType cause)
{
    // No focused component at all means the window lost the system focus, which a host
    // may take and give back around every click: the user is still typing here, as the
    // owner, told of the loss, sees from isTyping().
    if (juce::Component::getCurrentlyFocusedComponent() != nullptr)
        stopTyping();

    TextEditor::focusLost (cause);
}

void QuilTextEditor::parentHierarchyChanged()
{
    TextEditor::parentHierarchyChanged();

    if (! isShowing())
        stopTyping();
}

void QuilTextEditor::visibilityChanged()
{
    TextEditor::visibilityChanged();

    if (! isShowing())
        stopTyping();
}

void QuilTextEditor::returnPressed()
{
    stopTyping();
    TextEditor::returnPressed();
}

void QuilTextEditor::escapePressed()
{
    stopTyping();
    TextEditor::escapePressed();
}
