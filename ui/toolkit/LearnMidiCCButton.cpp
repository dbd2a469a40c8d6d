#include "ui/toolkit/LearnMidiCCButton.h"
#include "ui/toolkit/ControlGesture.h"

namespace
{
    constexpr float fieldFontHeight = 13.0f;
    constexpr float captionFontHeight = 12.0f;

    const juce::String learningText = juce::String::fromUTF8 ("\xc2\xb7 \xc2\xb7 \xc2\xb7");

    // Typing reaches one controller more than learning: the bank controller 118,
    // which then both moves its parameter and stores the bank.
    constexpr int bankController = 118;

    bool canBeTyped (int controller) noexcept
    {
        return MidiCCListener::isLearnable (controller) || controller == bankController;
    }
}

LearnMidiCCButton::LearnMidiCCButton (MidiCCListener& controllerMap, int index)
    : map (controllerMap), parameterIndex (index)
{
    map.addCCListener (this);

    field.setFont (juce::Font (fieldFontHeight));
    field.setJustification (juce::Justification::centred);
    field.setInputRestrictions (5, "Cc0123456789");
    field.addListener (this);
    addAndMakeVisible (field);

    setWantsKeyboardFocus (true);
    setRepaintsOnMouseActivity (true);

    glyphColours[idle] = juce::Colour (0xFF808080);
    glyphColours[learning] = juce::Colour (0xFFFF0000);
    glyphColours[learned] = juce::Colour (0xFF008000);

    handleAsyncUpdate();
    // Controllers are learnt on the audio thread; the button lives only while its
    // pop-up shows, so the timer costs nothing otherwise.
    startTimerHz (30);
}

LearnMidiCCButton::~LearnMidiCCButton()
{
    stopTimer();
    // The field may lose the focus as it goes, after the rest of the button.
    field.removeListener (this);
    cancelPendingUpdate();
    map.removeCCListener (this);

    if (map.cancelLearning (parameterIndex))
        map.notifyListeners (map.learningIndex.load());
}

juce::String LearnMidiCCButton::getTooltip()
{
    return "Learn Midi CC";
}

void LearnMidiCCButton::midiMappingChanged (int index)
{
    reportedIndex.store (index, std::memory_order_relaxed);

    if (juce::MessageManager::existsAndIsCurrentThread())
        triggerAsyncUpdate();
    else
        changedElsewhere.store (true);
}

void LearnMidiCCButton::timerCallback()
{
    if (changedElsewhere.exchange (false))
        handleAsyncUpdate();
}

int LearnMidiCCButton::stateFromMap (int controller) const
{
    if (parameterIndex >= 0 && map.learningIndex.load() == parameterIndex)
        return learning;

    return controller >= 0 ? learned : idle;
}

void LearnMidiCCButton::handleAsyncUpdate()
{
    const int controller = map.findController (parameterIndex);

    // Only a change is shown, so a number being typed survives unrelated updates.
    if (controller != cachedController || stateFromMap (controller) != state)
        showMap();
    else
        repaint();
}

void LearnMidiCCButton::showMap()
{
    cachedController = map.findController (parameterIndex);
    setLearnState (stateFromMap (cachedController));
}

void LearnMidiCCButton::notifyMap()
{
    map.notifyListeners (map.learningIndex.load());
}

void LearnMidiCCButton::stopLearning()
{
    if (map.cancelLearning (parameterIndex))
        notifyMap();
}

void LearnMidiCCButton::mouseDown (const juce::MouseEvent& e)
{
    // The pop-up click belongs to the window, not the button.
    if (ControlGesture::isPopupClick (e.mods))
        return;

    if (state == idle && parameterIndex >= 0)
        map.startLearning (parameterIndex);
    else if (state == learning)
        map.cancelLearning (parameterIndex);
    else if (state == learned)
        map.unassignParameter (parameterIndex);

    notifyMap();
    // A controller that arrived meanwhile is shown, not hidden behind the click.
    showMap();
}

void LearnMidiCCButton::textEditorReturnKeyPressed (juce::TextEditor&)
{
    const int controller = field.getText().retainCharacters ("1234567890").getIntValue();

    // Anything that cannot be typed puts the field back to the map.
    if (canBeTyped (controller) && parameterIndex >= 0)
    {
        map.cancelLearning (parameterIndex);
        map.assignController (controller, parameterIndex);
        notifyMap();
    }

    showMap();
    grabKeyboardFocus();
}

void LearnMidiCCButton::textEditorEscapeKeyPressed (juce::TextEditor&)
{
    setLearnState (state);
}

void LearnMidiCCButton::textEditorFocusLost (juce::TextEditor&)
{
    if (! field.isTyping())
        setLearnState (state);
}

void LearnMidiCCButton::setLearnState (int newState)
{
    state = juce::jlimit ((int) idle, (int) learned, newState);
    field.setColour (juce::TextEditor::textColourId, glyphColours[state]);

    field.clear();
    field.setText (state == idle           ? juce::String ("- -")
                       : state == learning ? learningText
                                           : "CC " + juce::String (cachedController),
                   false);

    // While waiting, clicks go through the field to the button, which cancels.
    field.setInterceptsMouseClicks (state != learning, state != learning);
    repaint();
}

void LearnMidiCCButton::updateStateColours()
{
    const auto colour = [this] (int id)
    { return findColour (id); };

    glyphColours[idle] = colour (0x2002001);
    hoverGlyphColours[idle] = colour (0x2002000);
    frameColours[idle] = colour (0x2002004);

    glyphColours[learning] = colour (0x2002002);
    hoverGlyphColours[learning] = colour (0x2002002);
    frameColours[learning] = colour (0x2002005);

    glyphColours[learned] = colour (0x2002000);
    hoverGlyphColours[learned] = colour (0x2002001);
    frameColours[learned] = colour (0x2002003);
}

void LearnMidiCCButton::visibilityChanged()
{
    repaint();
}

void LearnMidiCCButton::resized()
{
    layOut (2.5f);
}

void LearnMidiCCButton::paint (juce::Graphics& g)
{
    paintButton (g, true);
}

void LearnMidiCCButton::layOut (float frameCornerSize)
{
    const int w = getWidth(), h = getHeight();
    const int upperHeight = h - h / 2;

    field.setFont (juce::Font (fieldFontHeight));
    field.setJustification (juce::Justification::centred);
    field.setBounds (0, upperHeight, w, h / 2);

    updateStateColours();

    // The glyphs sit in a square at the upper part's left.
    const float side = (float) juce::jmax (0, upperHeight - 13);
    const juce::Rectangle<float> square (6.5f, 6.5f, side, side);
    const float cx = square.getCentreX(), cy = square.getCentreY();

    glyphs[learning].clear();
    glyphs[learning].addEllipse (square);

    juce::Path cross;
    cross.startNewSubPath (square.getX() + side * 0.15f, square.getY() + side * 0.15f);
    cross.lineTo (square.getRight() - side * 0.15f, square.getBottom() - side * 0.15f);
    cross.startNewSubPath (square.getRight() - side * 0.15f, square.getY() + side * 0.15f);
    cross.lineTo (square.getX() + side * 0.15f, square.getBottom() - side * 0.15f);
    glyphs[learned].clear();
    juce::PathStrokeType (2.0f, juce::PathStrokeType::curved, juce::PathStrokeType::rounded)
        .createStrokedPath (glyphs[learned], cross);

    // A slim upright mark, about 2.5 wide and 10 high.
    const float halfWidth = 1.25f, halfHeight = juce::jmin (5.0f, side * 0.5f);
    auto& mark = glyphs[idle];
    mark.clear();
    mark.startNewSubPath (cx, cy - halfHeight);
    mark.cubicTo (cx + halfWidth, cy - halfHeight, cx + halfWidth, cy - halfHeight * 0.4f, cx + halfWidth, cy);
    mark.cubicTo (cx + halfWidth, cy + halfHeight * 0.4f, cx + halfWidth, cy + halfHeight, cx, cy + halfHeight);
    mark.cubicTo (cx - halfWidth, cy + halfHeight, cx - halfWidth, cy + halfHeight * 0.4f, cx - halfWidth, cy);
    mark.cubicTo (cx - halfWidth, cy - halfHeight * 0.4f, cx - halfWidth, cy - halfHeight, cx, cy - halfHeight);
    mark.closeSubPath();

    // Inset by half a point and one point smaller: the 1-point outline stays inside.
    const auto frame = [] (juce::Rectangle<int> part)
    {
        return juce::Rectangle<float> ((float) part.getX() + 0.5f, (float) part.getY() + 0.5f,
                                       (float) juce::jmax (0, part.getWidth() - 1),
                                       (float) juce::jmax (0, part.getHeight() - 1));
    };
    const juce::Rectangle<int> upper (0, 0, w, upperHeight), lower (0, upperHeight, w, h / 2);
    const juce::PathStrokeType outlineStroke (1.0f, juce::PathStrokeType::curved, juce::PathStrokeType::rounded);

    upperFrame.clear();
    upperFrame.addRoundedRectangle (frame (upper), frameCornerSize);
    lowerFrame.clear();
    lowerFrame.addRoundedRectangle (frame (lower), frameCornerSize);
    upperOutline.clear();
    outlineStroke.createStrokedPath (upperOutline, upperFrame);
    lowerOutline.clear();
    outlineStroke.createStrokedPath (lowerOutline, lowerFrame);

    captionArea = upper.withTrimmedLeft (juce::jmax (0, upperHeight - 2));

    field.setTopLeftPosition (field.getX(), field.getY() - 1);
    setLearnState (state);
}

void LearnMidiCCButton::paintButton (juce::Graphics& g, bool withUpperOutline)
{
    const auto glyph = glyphColours[state];

    g.setColour (frameColours[state]);
    g.fillPath (upperFrame);
    g.setColour (frameColours[state].darker (0.4f));
    g.fillPath (lowerFrame);

    if (withUpperOutline)
    {
        g.setColour (glyph);
        g.fillPath (upperOutline);
    }

    g.setColour (glyph.withBrightness (0.4f).withMultipliedSaturation (0.6f));
    g.fillPath (lowerOutline);

    g.setColour (isMouseOverOrDragging() ? hoverGlyphColours[state] : glyph);
    g.fillPath (glyphs[state]);

    g.setFont (juce::Font (captionFontHeight));
    g.drawText (captions[state], captionArea, juce::Justification::centredLeft, true);
}
