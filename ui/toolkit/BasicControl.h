#pragma once

#include "ui/toolkit/ControlGesture.h"
#include "ui/toolkit/ParamComponent.h"
#include "ui/toolkit/QuilTextEditor.h"

#include <memory>

class QuilParam;

/** The toolkit's parameter-bound control. It shows one QuilParam, turns drags into
    value changes through a drag gesture (vertical unless replaced), steps the value
    with the wheel, toggles between the default and the last other value on a
    double-click, and opens a small text field over its value text for typed values.

    Every drag is one host change gesture: the gesture begun at mouse-down is latched
    and ended at mouse-up, whatever buttons or modifiers change in between. A pop-up
    click (right button or control) belongs to MIDI learning and changes nothing.
    The component property "pIndex" holds the parameter's index.

    Subclasses draw it (paint, resized, updateGraphics) and may narrow the gesture area,
    replace the gesture, or take over the mouse handlers using the protected helpers. */
class BasicControl : public ParamComponent,
                     public juce::TextEditor::Listener,
                     public juce::TooltipClient
{
public:
    /** Binds the control to a parameter, which must outlive it. */
    explicit BasicControl (QuilParam& parameter);
    ~BasicControl() override;

    //==============================================================================
    /** The typed text as the parameter's normalised value. */
    virtual float valueForText (const juce::String& text);
    /** The parameter's name. */
    juce::String getTooltip() override;
    /** The parameter's value text at the last change seen by the poll. */
    virtual juce::String getValueText() const;
    /** The value text up to its last digit, point or comma ("440.0 Hz" → "440.0"). */
    juce::String getValueNumber() const;
    /** The rest of the value text, trimmed ("440.0 Hz" → "Hz"). */
    juce::String getValueUnit() const;

    void textEditorReturnKeyPressed (juce::TextEditor&) override;
    void textEditorEscapeKeyPressed (juce::TextEditor&) override;
    void textEditorFocusLost (juce::TextEditor&) override;

    /** Rebuilds the subclass's geometry; called after every value change the poll finds. */
    virtual void updateGraphics() {}

    void updateFromParameters() override;

    //==============================================================================
    void mouseMove (const juce::MouseEvent&) override;
    void mouseEnter (const juce::MouseEvent&) override;
    void mouseExit (const juce::MouseEvent&) override;
    void mouseDown (const juce::MouseEvent&) override;
    void mouseDrag (const juce::MouseEvent&) override;
    void mouseUp (const juce::MouseEvent&) override;
    void mouseDoubleClick (const juce::MouseEvent&) override;
    void mouseWheelMove (const juce::MouseEvent&, const juce::MouseWheelDetails&) override;
    void resized() override;

    //==============================================================================
    /** Replaces the drag gesture (for example by a horizontal one); a drag under way
        ends first. */
    void setGesture (std::unique_ptr<ControlGesture> newGesture);
    ControlGesture& getGesture() const noexcept { return *gesture; }

    QuilParam& getParameter() const noexcept { return *parameter; }
    juce::Rectangle<int> getGestureArea() const noexcept { return gestureArea; }
    /** −1 pointer away, 0 over the control, 1 over the value text. */
    int getHoverState() const noexcept { return hoverState; }
    bool isGestureOpen() const noexcept { return gestureOpen; }
    bool isValueEditorShowing() const noexcept { return valueEditor.getParentComponent() == this; }
    QuilTextEditor& getValueEditor() noexcept { return valueEditor; }

protected:
    /** The poll's work: re-reads the parameter and, when its value (or, as the caller
        says, something else shown with it) changed, updates the caches and repaints. */
    void refreshFromParameter (bool somethingElseChanged);

    /** The value text over the value editor's place, in the hover colour while the
        pointer is over it (and no button is down); nothing while the user types. */
    void paintValueText (juce::Graphics&, juce::Colour hoverColour);

    //==============================================================================
    /** Begins a drag on a parameter with a gesture, latched until endDrag; a pop-up
        click begins nothing. Returns whether a gesture is now open. */
    bool beginDrag (const juce::MouseEvent&, ControlGesture&, QuilParam&, juce::Rectangle<int> area);
    /** Hands a drag event to the gesture latched by beginDrag, if any. */
    void continueDrag (const juce::MouseEvent&, bool invert = false);
    /** Ends the change gesture that beginDrag began, and only that one. */
    void endDrag();

    /** The gesture area when it is at least 1 × 1, else the whole control. */
    juce::Rectangle<int> dragArea() const;

    /** Hover state for a pointer position; repaints when it changes. */
    void updateHover (juce::Point<int> position);

    /** Sets the parameter to its default, or back to the value it had before, as one
        gesture; restore remembers the value away from the default. */
    static void toggleDefault (QuilParam&, float& restore);

    /** The wheel's movement in the control's direction (vertical, sign-corrected). */
    virtual float wheelDelta (const juce::MouseWheelDetails&) const;
    /** True when a wheel event should move the value: not a pop-up click, not a repeat
        of the last event, a finite non-zero delta. Records the event's time. */
    bool takeWheelEvent (const juce::MouseEvent&, float delta);

    void openValueEditor (QuilTextEditor&, const juce::String& text);
    void closeValueEditor (QuilTextEditor&);

    /** The characters a typed value may hold. */
    static juce::String keepTypedCharacters (const juce::String& typed);
    /** True when a typed text sets a value: any text but an empty one or one that reads
        as not-a-number ("nan"). */
    static bool holdsValue (const juce::String& typed);
    /** Sets a normalised value (limited, finite) as one gesture. */
    static void setNormalisedAsGesture (QuilParam&, float normalised);
    /** A real value limited to the parameter's range, as one gesture; NaN: nothing. */
    static void setRealAsGesture (QuilParam&, float realValue);

    //==============================================================================
    float cachedValue;       // real value at the last poll
    float cachedNormalised;  // getValue() at the last poll
    float defaultValue;
    float restoreValue;  // where a double-click on the default goes back to
    QuilParam* parameter;
    QuilTextEditor valueEditor;  // a child only while the user types
    int hoverState = -1;
    juce::String valueText;
    std::unique_ptr<ControlGesture> gesture;
    juce::Rectangle<int> gestureArea;
    bool stepped = false;
    float wheelStepShift = 0.01f, wheelStep = 0.2f;
    juce::int64 lastWheelTime = 0;
    juce::Font font;

private:
    ControlGesture* activeGesture = nullptr;  // latched at mouse-down
    QuilParam* gestureParameter = nullptr;
    bool gestureOpen = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (BasicControl)
};
