#include "ui/toolkit/BasicControl.h"
#include "ui/toolkit/CtrlGestVert.h"
#include "params/QuilParamGrittle.h"

#include <cmath>
#include <utility>

namespace
{
    // What a typed value may hold: the field refuses other keys, and Return drops other
    // characters from a text the field was given (the value text shown when it opened).
    const char* const valueCharacters = "-0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz#/. ";
}

BasicControl::BasicControl (QuilParam& p)
    : cachedValue ((float) p.getRealValue()),
      cachedNormalised (p.getValue()),
      defaultValue ((float) p.getDefaultRealValue()),
      restoreValue (defaultValue),
      parameter (&p),
      valueText (p.getCurrentValueAsText()),
      gesture (std::make_unique<CtrlGestVert>())
{
    setWantsKeyboardFocus (true);
    setRepaintsOnMouseActivity (true);

    valueEditor.addListener (this);
    valueEditor.setJustification (juce::Justification::centred);
    valueEditor.setBorder ({});
    // A caret blinks on its own timer even while its editor is hidden: it exists only
    // while the user types, so an idle window wakes no timer for it.
    valueEditor.setCaretVisible (false);
    valueEditor.setInputFilter (new juce::TextEditor::LengthAndCharacterRestriction (64, valueCharacters), true);

    getProperties().set ("pIndex", p.getParameterIndex());

    if (p.getNumSteps() >= 2)
    {
        // A display-stepped parameter counts its own steps.
        auto* grittle = dynamic_cast<QuilParamGrittle*> (&p);
        const int steps = grittle != nullptr && grittle->gSteps >= 1 ? grittle->gSteps : p.getNumSteps();
        stepped = true;
        wheelStepShift = wheelStep = 1.0f / (float) steps;
    }
}

BasicControl::~BasicControl()
{
    // A control taken away in the middle of a drag still closes the host's gesture.
    endDrag();
    valueEditor.removeListener (this);
}

//==============================================================================
float BasicControl::valueForText (const juce::String& text)
{
    return parameter->getValueForText (text);
}

juce::String BasicControl::getTooltip()
{
    return parameter->getName (100);
}

juce::String BasicControl::getValueText() const
{
    return valueText;
}

juce::String BasicControl::getValueNumber() const
{
    const int i = valueText.lastIndexOfAnyOf ("0123456789.,");
    return i < 0 ? juce::String() : valueText.substring (0, i + 1);
}

juce::String BasicControl::getValueUnit() const
{
    const int i = valueText.lastIndexOfAnyOf ("0123456789.,");
    return valueText.substring (i + 1).trim();
}

void BasicControl::updateFromParameters()
{
    refreshFromParameter (false);
}

void BasicControl::paintValueText (juce::Graphics& g, juce::Colour hoverColour)
{
    if (isValueEditorShowing())
        return;

    g.setColour (hoverState == 1 && ! isMouseButtonDown() ? hoverColour : juce::Colours::white);
    g.setFont (font);
    g.drawText (getValueText(), valueEditor.getBounds(), juce::Justification::centred, true);
}

void BasicControl::refreshFromParameter (bool somethingElseChanged)
{
    const auto v = (float) parameter->getRealValue();
    if (! somethingElseChanged && v == cachedValue)
        return;

    cachedValue = v;
    cachedNormalised = parameter->getValue();
    valueText = parameter->getCurrentValueAsText();
    updateGraphics();
    repaint();
}

//==============================================================================
void BasicControl::resized()
{
    gestureArea = getLocalBounds();
    valueEditor.setBounds ((getWidth() - 40) / 2, (getHeight() - 20) / 2, 40, 20);
}

juce::Rectangle<int> BasicControl::dragArea() const
{
    return gestureArea.getWidth() >= 1 && gestureArea.getHeight() >= 1 ? gestureArea : getLocalBounds();
}

void BasicControl::updateHover (juce::Point<int> position)
{
    const int state = valueEditor.getBounds().contains (position) ? 1 : 0;
    if (state != hoverState)
    {
        hoverState = state;
        repaint();
    }
}

void BasicControl::mouseMove (const juce::MouseEvent& e) { updateHover (e.getPosition()); }
void BasicControl::mouseEnter (const juce::MouseEvent& e) { updateHover (e.getPosition()); }

void BasicControl::mouseExit (const juce::MouseEvent&)
{
    hoverState = -1;
    repaint();
}

//==============================================================================
bool BasicControl::beginDrag (const juce::MouseEvent& e, ControlGesture& g, QuilParam& p, juce::Rectangle<int> area)
{
    endDrag();

    if (g.beginGesture (e, p, area))
    {
        activeGesture = &g;
        gestureParameter = &p;
        gestureOpen = true;
    }

    return gestureOpen;
}

void BasicControl::continueDrag (const juce::MouseEvent& e, bool invert)
{
    if (gestureOpen)
        activeGesture->dragGesture (e, *gestureParameter, invert);
}

void BasicControl::endDrag()
{
    if (! gestureOpen)
        return;

    gestureOpen = false;
    activeGesture = nullptr;
    std::exchange (gestureParameter, nullptr)->endChangeGesture();
}

void BasicControl::mouseDown (const juce::MouseEvent& e)
{
    beginDrag (e, *gesture, *parameter, dragArea());
}

void BasicControl::mouseDrag (const juce::MouseEvent& e)
{
    continueDrag (e);
}

void BasicControl::mouseUp (const juce::MouseEvent&)
{
    endDrag();
}

void BasicControl::setGesture (std::unique_ptr<ControlGesture> newGesture)
{
    jassert (newGesture != nullptr);
    if (activeGesture == gesture.get())
        endDrag();

    gesture = std::move (newGesture);
}

//==============================================================================
void BasicControl::toggleDefault (QuilParam& p, float& restore)
{
    const auto current = (float) p.getRealValue();
    const auto byDefault = (float) p.getDefaultRealValue();
    float target = restore;

    if (current != byDefault)
    {
        restore = current;
        target = byDefault;
    }

    setRealAsGesture (p, target);
}

void BasicControl::mouseDoubleClick (const juce::MouseEvent& e)
{
    if (ControlGesture::isPopupClick (e.mods))
        return;

    updateHover (e.getPosition());

    if (hoverState == 0)
        toggleDefault (*parameter, restoreValue);
    else
        openValueEditor (valueEditor, getValueText());
}

//==============================================================================
float BasicControl::wheelDelta (const juce::MouseWheelDetails& wheel) const
{
    return wheel.isReversed ? -wheel.deltaY : wheel.deltaY;
}

bool BasicControl::takeWheelEvent (const juce::MouseEvent& e, float delta)
{
    const auto time = e.eventTime.toMilliseconds();

    if (ControlGesture::isPopupClick (e.mods) || time == lastWheelTime)
        return false;

    // A scroll across the control's direction (or no movement at all) is not a step.
    if (delta == 0.0f || ! std::isfinite (delta))
        return false;

    lastWheelTime = time;
    return true;
}

void BasicControl::mouseWheelMove (const juce::MouseEvent& e, const juce::MouseWheelDetails& wheel)
{
    const float delta = wheelDelta (wheel);
    if (! takeWheelEvent (e, delta))
        return;

    const float step = e.mods.isShiftDown() ? wheelStepShift : wheelStep;
    const auto range = (float) parameter->getRangeLength();
    const float d = stepped ? (delta > 0.0f ? step : -step) * range
                            : delta * range * step;

    setRealAsGesture (*parameter, (float) parameter->getRealValue() + d);
}

//==============================================================================
void BasicControl::openValueEditor (QuilTextEditor& editor, const juce::String& text)
{
    editor.setCaretVisible (true);
    addAndMakeVisible (editor);
    editor.toFront (false);
    editor.setText (text, true);
    editor.startTyping();
    editor.grabKeyboardFocus();
    editor.selectAll();
    repaint();
}

void BasicControl::closeValueEditor (QuilTextEditor& editor)
{
    if (editor.getParentComponent() == this)
    {
        removeChildComponent (&editor);
        editor.setCaretVisible (false);
        repaint();
    }
}

juce::String BasicControl::keepTypedCharacters (const juce::String& typed)
{
    return typed.retainCharacters (valueCharacters);
}

bool BasicControl::holdsValue (const juce::String& typed)
{
    // Text without a number reads as 0 and an infinite one is limited to the range, as
    // the parameter reads it; only a number that is none ("nan") would set nothing sane.
    return typed.isNotEmpty() && ! std::isnan (typed.getDoubleValue());
}

void BasicControl::setNormalisedAsGesture (QuilParam& p, float normalised)
{
    setRealAsGesture (p, (float) ((double) normalised * p.getRangeLength() + p.getRangeStart()));
}

void BasicControl::setRealAsGesture (QuilParam& p, float realValue)
{
    // An infinite value is limited like any other; a NaN has no place in the range.
    if (! std::isnan (realValue))
        p.setRealValueAsGesture (ControlGesture::limit (p, realValue));
}

void BasicControl::textEditorReturnKeyPressed (juce::TextEditor&)
{
    const auto text = keepTypedCharacters (valueEditor.getText());

    if (holdsValue (text))
        setNormalisedAsGesture (*parameter, valueForText (text));

    closeValueEditor (valueEditor);
}

void BasicControl::textEditorEscapeKeyPressed (juce::TextEditor&)
{
    closeValueEditor (valueEditor);
}

void BasicControl::textEditorFocusLost (juce::TextEditor&)
{
    if (! valueEditor.isTyping())
        closeValueEditor (valueEditor);
}
