#include "ui/toolkit/ModulationSliderStereo.h"
#include "params/ParamValueFormat.h"
#include "params/QuilParam.h"
#include "ui/lnf/QuilMetrics.h"
#include "ui/toolkit/ModulationColours.h"

#include <cmath>

namespace
{
    constexpr float columnWidth = 35.0f;
    constexpr int textTop = 148, textHeight = 30, switchTop = 178, switchHeight = 20;
    constexpr float barTop = 21.0f, barHeight = 126.0f;

    /** A bar from the centre of an area: up for positive values, at least 1 long when not zero. */
    juce::Rectangle<float> valueBar (juce::Rectangle<float> field, juce::Rectangle<float> area, float value)
    {
        float length = value * area.getHeight() * 0.5f;

        if (length != 0.0f && std::abs (length) < 1.0f)
            length = length > 0.0f ? 1.0f : -1.0f;

        const float centre = area.getCentreY();
        return { field.getX(), juce::jmin (centre, centre - length), field.getWidth(), std::abs (length) };
    }

    /** The column's upper-cased name and its number counted from 1: "CV 1". */
    juce::String columnTitle (const juce::StringArray& names, int column)
    {
        return names[column].toUpperCase() + " " + juce::String (column + 1);
    }
}

ModulationSliderStereo::ModulationSliderStereo (QuilParam& leftDepth, QuilParam* rightDepth, QuilParam* modeParam,
                                                const ModulationStyle& modulationStyle, int columnIndex,
                                                const juce::StringArray& columnNames, const std::atomic<float>* meterValue)
    : BasicControl (leftDepth),
      left (leftDepth),
      column (columnIndex),
      style (modulationStyle),
      modeParameter (rightDepth != nullptr ? modeParam : nullptr),
      hasMeter (meterValue != nullptr),
      title (columnTitle (columnNames, columnIndex)),
      colours (ModulationColours::rowFor (modulationStyle, columnIndex, getLookAndFeel())),
      meter (meterValue, juce::Colour (colours.fourthPair[0]), juce::Colour (colours.fourthPair[1])),
      right (rightDepth)
{
    // Depths move by these fractions of their range per wheel unit: with shift, without.
    wheelStepShift = 0.02f;
    wheelStep = 0.2f;
    rightRestore = right != nullptr ? (float) right->getDefaultRealValue() : 0.0f;

    rightEditor.addListener (this);
    rightEditor.setJustification (juce::Justification::centred);
    rightEditor.setBorder ({});
    rightEditor.setCaretVisible (false);  // as the value editor: a caret only while typing

    for (auto* editor : { &valueEditor, &rightEditor })
        editor->setInputFilter (new juce::TextEditor::LengthAndCharacterRestriction (64, "-0123456789. "), true);

    updateFromParameters();
    addAndMakeVisible (meter);
}

ModulationSliderStereo::~ModulationSliderStereo()
{
    rightEditor.removeListener (this);
}

void ModulationSliderStereo::takeColours()
{
    colours = ModulationColours::rowFor (style, column, getLookAndFeel());
    meter.setColours (juce::Colour (colours.fourthPair[0]), juce::Colour (colours.fourthPair[1]));
}

void ModulationSliderStereo::parentHierarchyChanged()
{
    BasicControl::parentHierarchyChanged();
    takeColours();
    updateGraphics();
}

void ModulationSliderStereo::updateFromParameters()
{
    const int newMode = modeParameter != nullptr ? truncateToIndex (modeParameter->getRealValue()).value_or (0) : 0;
    const bool newInverted = newMode == 1;
    const float l = (float) left.getRealValue();
    const float r = newInverted ? -l : right != nullptr ? (float) right->getRealValue()
                                                        : 0.0f;

    if (mode == newMode && l == cachedValue && r == rightValue)
        return;

    mode = newMode;
    stereo = mode != 0;
    inverted = newInverted;
    split = stereo && ! inverted;
    cachedValue = l;
    cachedNormalised = left.getValue();
    valueText = left.getCurrentValueAsText();
    rightValue = r;

    // The linked side's text is the negated value's own text, not "-" before the left one.
    if (inverted)
        rightValueText = left.getText (left.toNormalised ((double) r), 0);
    else
        rightValueText = right != nullptr ? right->getCurrentValueAsText() : juce::String();

    updateGraphics();
    repaint();
}

void ModulationSliderStereo::resized()
{
    if (getHeight() < 2)
        return;

    sliderArea = { 0.0f, 20.0f, columnWidth, 128.0f };
    titleArea = { 0, 0, (int) columnWidth, 20 };
    meterArea = { 2.0f, barTop, 2.0f, barHeight };
    barArea = hasMeter ? juce::Rectangle<float> (6.0f, barTop, 28.0f, barHeight)
                       : juce::Rectangle<float> (1.0f, barTop, 33.0f, barHeight);
    meter.setBounds (meterArea.toNearestInt());
    gestureArea = sliderArea.toNearestInt();

    updateGraphics();
}

void ModulationSliderStereo::updateGraphics()
{
    const int barX = (int) barArea.getX(), barW = (int) barArea.getWidth();
    const bool withMode = modeParameter != nullptr;
    const juce::Rectangle<int> captions = withMode ? juce::Rectangle<int> (1, textTop, (int) columnWidth - barW - 1, textHeight)
                                                   : juce::Rectangle<int> (0, textTop, (int) columnWidth, textHeight);
    const juce::Rectangle<int> values = withMode ? juce::Rectangle<int> (barX, textTop, barW, textHeight)
                                                 : juce::Rectangle<int> (0, textTop, (int) columnWidth, textHeight);

    // Both sides' texts show whenever the column is stereo: in the linked mode the right
    // one shows, and takes, the negated depth.
    if (stereo && withMode)
    {
        leftTextArea = values.withHeight (textHeight / 2);
        rightTextArea = leftTextArea.translated (0, textHeight / 2);
    }
    else
    {
        leftTextArea = values;
        rightTextArea = {};
    }

    valueEditor.setBounds (leftTextArea);
    rightEditor.setBounds (rightTextArea);
    leftCaptionArea = captions.withHeight (textHeight / 2);
    rightCaptionArea = leftCaptionArea.translated (0, textHeight / 2);

    // The switch stays inside the column, however short the pop-up makes it.
    modeSwitchArea = withMode ? juce::Rectangle<int> (values.getX(), switchTop, values.getWidth(),
                                                      juce::jlimit (0, switchHeight, getHeight() - switchTop))
                              : juce::Rectangle<int>();
    modeGlyph = makeModeGlyph();

    const auto textColour = juce::Colour (colours.valueTextColour);
    for (auto* editor : { static_cast<juce::TextEditor*> (&valueEditor), static_cast<juce::TextEditor*> (&rightEditor) })
    {
        editor->setColour (juce::TextEditor::textColourId, textColour);
        editor->setColour (juce::TextEditor::highlightColourId, textColour);
        editor->setColour (juce::CaretComponent::caretColourId, textColour);
    }

    background.clear();
    background.addRoundedRectangle (sliderArea, cornerRadius);
    barField.clear();
    barField.addRoundedRectangle (barArea, cornerRadius);

    juce::Rectangle<float> leftArea = barArea, rightArea;
    if (stereo)
    {
        const float half = barArea.getWidth() * 0.5f;
        leftArea = barArea.withWidth (half - 0.5f);
        rightArea = barArea.withTrimmedLeft (half);
    }

    leftField.clear();
    leftField.addRoundedRectangle (leftArea, cornerRadius);
    rightField.clear();
    if (stereo)
        rightField.addRoundedRectangle (rightArea, cornerRadius);

    leftValueBar.clear();
    leftValueBar.addRectangle (valueBar (leftArea, barArea, cachedValue));
    rightValueBar.clear();
    if (stereo)
        rightValueBar.addRectangle (valueBar (rightArea, barArea, rightValue));
}

juce::Path ModulationSliderStereo::makeModeGlyph() const
{
    juce::Path glyph;
    if (modeSwitchArea.isEmpty())
        return glyph;

    const auto c = modeSwitchArea.toFloat().getCentre();
    const float r = juce::jmin (3.5f, modeSwitchArea.getHeight() * 0.5f - 1.0f);
    if (r <= 0.0f)
        return glyph;

    // Mono: one ring; linked: two overlapping rings; unlinked: two rings apart.
    juce::Path rings;
    if (mode == 0)
        rings.addEllipse (c.x - r, c.y - r, 2.0f * r, 2.0f * r);
    else
    {
        const float offset = mode == 1 ? r * 0.6f : r * 1.4f;
        rings.addEllipse (c.x - offset - r, c.y - r, 2.0f * r, 2.0f * r);
        rings.addEllipse (c.x + offset - r, c.y - r, 2.0f * r, 2.0f * r);
    }

    juce::PathStrokeType (1.5f).createStrokedPath (glyph, rings);
    return glyph;
}

ModulationSliderStereo::Part ModulationSliderStereo::partAt (juce::Point<int> p) const
{
    if (sliderArea.contains (p.toFloat()))
        return stereo && p.x >= getWidth() / 2 ? rightBar : leftBar;
    if (leftTextArea.contains (p))
        return leftText;
    if (rightTextArea.contains (p))
        return rightText;
    if (modeSwitchArea.contains (p))
        return modeSwitch;
    return noPart;
}

QuilParam& ModulationSliderStereo::parameterOf (Part part) const
{
    return part == rightBar && split ? *right : left;
}

void ModulationSliderStereo::mouseMove (const juce::MouseEvent& e)
{
    BasicControl::mouseMove (e);

    // Only the highlighted part depends on the pointer, so a move within it draws nothing.
    if (const auto part = partAt (e.getPosition()); part != noPart && part != hovered)
    {
        hovered = part;
        repaint();
    }
}

void ModulationSliderStereo::mouseDown (const juce::MouseEvent& e)
{
    if (ControlGesture::isPopupClick (e.mods))
        return;

    // The halves as the mode is now, though the poll may not have seen it change yet.
    updateFromParameters();

    // A press outside every part does nothing, whatever was hovered last.
    hovered = partAt (e.getPosition());
    repaint();

    // The drag keeps the parameter and direction it began with, whatever the mode does meanwhile.
    dragInverted = modeParameter != nullptr && hovered == rightBar && ! split;

    if (hovered == leftBar || hovered == rightBar)
        beginDrag (e, *gesture, parameterOf (hovered), dragArea());
    else if (hovered == modeSwitch)
        stepMode();
}

void ModulationSliderStereo::stepMode()
{
    if (modeParameter == nullptr)
        return;

    const double value = modeParameter->getRealValue();
    const double next = value >= modeParameter->getRangeEnd() ? modeParameter->getRangeStart()
                                                              : std::trunc (value) + 1.0;
    modeParameter->setRealValueAsGesture ((float) next);
    updateFromParameters();
}

void ModulationSliderStereo::mouseDrag (const juce::MouseEvent& e)
{
    // Only a press on a bar began a drag; the linked half moves the left depth the other way.
    continueDrag (e, dragInverted);
}

void ModulationSliderStereo::mouseDoubleClick (const juce::MouseEvent& e)
{
    if (ControlGesture::isPopupClick (e.mods))
        return;

    // The press before it has read the mode already.
    switch (hovered)
    {
        case rightBar:
            if (split)
            {
                toggleDefault (*right, rightRestore);
                break;
            }
            [[fallthrough]];
        case leftBar:
            toggleDefault (left, restoreValue);
            break;
        case leftText:
            openValueEditor (valueEditor, valueText);
            break;
        case rightText:
            if (! rightTextArea.isEmpty())
                openValueEditor (rightEditor, rightValueText);
            break;
        case modeSwitch:
        case noPart:
            break;
    }
}

void ModulationSliderStereo::mouseWheelMove (const juce::MouseEvent& e, const juce::MouseWheelDetails& wheel)
{
    // The half under the pointer as the column shows it now: the last hovered part may
    // predate a mode change or lie outside every part.
    updateFromParameters();
    const auto part = partAt (e.getPosition());
    const float delta = wheelDelta (wheel);
    if ((part != leftBar && part != rightBar) || ! takeWheelEvent (e, delta))
        return;

    auto& p = parameterOf (part);
    float step = delta * (float) p.getRangeLength() * (e.mods.isShiftDown() ? wheelStepShift : wheelStep);
    if (part == rightBar && inverted)
        step = -step;

    setRealAsGesture (p, (float) p.getRealValue() + step);
}

void ModulationSliderStereo::textEditorReturnKeyPressed (juce::TextEditor& editor)
{
    updateFromParameters();
    auto& field = &editor == &rightEditor ? rightEditor : valueEditor;
    const bool isRight = &field == &rightEditor;
    const auto text = keepTypedCharacters (field.getText());
    auto& p = isRight && split ? *right : left;

    if (holdsValue (text))
    {
        const float typed = p.getValueForText (text) * (float) p.getRangeLength() + (float) p.getRangeStart();
        // The linked side shows the left depth negated, so what is typed there is negated back.
        setRealAsGesture (p, isRight && inverted ? -typed : typed);
    }

    closeValueEditor (field);
    updateFromParameters();
}

void ModulationSliderStereo::textEditorEscapeKeyPressed (juce::TextEditor& editor)
{
    closeValueEditor (&editor == &rightEditor ? rightEditor : valueEditor);
}

void ModulationSliderStereo::textEditorFocusLost (juce::TextEditor& editor)
{
    auto& field = &editor == &rightEditor ? rightEditor : valueEditor;
    if (! field.isTyping())
        closeValueEditor (field);
}

void ModulationSliderStereo::paint (juce::Graphics& g)
{
    g.setColour (juce::Colour (style.sliderBackgroundColour));
    g.fillPath (background);

    const juce::Colour fieldTop (colours.thirdPair[0]), fieldBottom (colours.thirdPair[1]);
    const auto fieldGradient = [&] (bool under)
    {
        return juce::ColourGradient (under ? fieldTop.darker (0.3f) : fieldTop, 0.0f, barArea.getY(),
                                     under ? fieldBottom.darker (0.3f) : fieldBottom, 0.0f, barArea.getBottom(), false);
    };

    {
        juce::Graphics::ScopedSaveState state (g);
        g.reduceClipRegion (barField);
        g.setGradientFill (fieldGradient (hovered == leftBar || (! stereo && hovered == rightBar)));
        g.fillPath (leftField);
        if (stereo)
        {
            g.setGradientFill (fieldGradient (hovered == rightBar));
            g.fillPath (rightField);
        }
    }

    const juce::ColourGradient barGradient (juce::Colour (colours.firstPair[0]), 0.0f, barArea.getY(),
                                            juce::Colour (colours.secondPair[0]), 0.0f, barArea.getBottom(), false);
    for (int side = 0; side < (stereo ? 2 : 1); ++side)
    {
        juce::Graphics::ScopedSaveState state (g);
        g.reduceClipRegion (side == 0 ? leftField : rightField);
        g.setGradientFill (barGradient);
        g.fillPath (side == 0 ? leftValueBar : rightValueBar);
    }

    const juce::Colour textColour (colours.valueTextColour);
    g.setFont (QuilMetrics::getSmallFontHeight (*this));

    if (! isValueEditorShowing())
    {
        g.setColour (hovered == leftText ? textColour.brighter (0.6f) : textColour);
        g.drawText (valueText, leftTextArea, juce::Justification::centred, true);
    }

    if (stereo && modeParameter != nullptr && rightEditor.getParentComponent() != this)
    {
        g.setColour (hovered == rightText ? textColour.brighter (0.6f) : textColour);
        g.drawText (rightValueText, rightTextArea, juce::Justification::centred, true);
    }

    if (modeParameter != nullptr && stereo)
    {
        g.setColour (juce::Colour (colours.captionColour));
        g.drawText ("L", leftCaptionArea, juce::Justification::centred, false);
        g.drawText ("R", rightCaptionArea, juce::Justification::centred, false);
    }

    g.setColour (juce::Colour (colours.titleColour));
    g.setFont (QuilMetrics::getFontHeight (*this));
    g.drawText (title, titleArea, juce::Justification::centred, true);

    const juce::Colour switchColour (colours.switchColour);
    g.setColour (hovered == modeSwitch ? switchColour.brighter (0.6f) : switchColour);
    g.fillPath (modeGlyph);
}
