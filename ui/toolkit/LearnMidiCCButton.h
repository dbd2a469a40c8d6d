#pragma once

#include "midi/MidiCCListener.h"
#include "ui/toolkit/QuilTextEditor.h"

#include <atomic>

/** Binds a MIDI controller to one parameter: a three-state button (" Learn" arms
    learning, "  Rec" waits for a controller and cancels on a click, "Unmap" removes
    the binding) over a field that shows the bound controller and takes a typed one.

    It works on the processor's controller map through the map's atomic
    operations only, and always shows what the map holds: the map may change on
    the audio thread (learning) or from a restored state at any moment. A change
    made on the message thread reaches the button as an asynchronous update; one
    made on another thread only raises a flag, which a timer reads, since posting a
    message would take the message queue's lock on the audio thread. */
class LearnMidiCCButton : public juce::Component,
                          public juce::TooltipClient,
                          public juce::TextEditor::Listener,
                          public MidiCCListener::Listener,
                          public juce::AsyncUpdater,
                          private juce::Timer
{
public:
    enum State
    {
        idle = 0,
        learning = 1,
        learned = 2
    };

    LearnMidiCCButton (MidiCCListener& map, int parameterIndex);
    ~LearnMidiCCButton() override;

    /** Any thread, the audio thread included: records the index and defers the rest
        without locks. */
    void midiMappingChanged (int index) override;
    void handleAsyncUpdate() override;
    juce::String getTooltip() override;

    /** Disarms learning when it still waits for this parameter (the pop-up closed). */
    void stopLearning();

    /** Shows a state: its caption, its field text and colour. */
    void setLearnState (int newState);

    int getLearnState() const noexcept { return state; }
    const juce::String& getCaption() const noexcept { return captions[state]; }
    juce::String getFieldText() const { return field.getText(); }
    QuilTextEditor& getField() noexcept { return field; }
    int getParameterIndex() const noexcept { return parameterIndex; }
    juce::Colour getGlyphColour (int s) const noexcept { return glyphColours[s]; }

    void mouseDown (const juce::MouseEvent&) override;
    void visibilityChanged() override;
    void paint (juce::Graphics&) override;
    void resized() override;

    void textEditorReturnKeyPressed (juce::TextEditor&) override;
    void textEditorEscapeKeyPressed (juce::TextEditor&) override;
    void textEditorFocusLost (juce::TextEditor&) override;

protected:
    /** Fills the glyph, hovered-glyph and frame colours of the three states. */
    virtual void updateStateColours();

    void layOut (float frameCornerSize);
    void paintButton (juce::Graphics&, bool withUpperOutline);

    juce::Colour glyphColours[3], hoverGlyphColours[3], frameColours[3];

private:
    /** The state the map asks for: waiting, bound or neither. */
    int stateFromMap (int controller) const;
    /** Tells every listener of the map, as a change made here requires. */
    void notifyMap();
    /** Re-reads the map and shows it, field text included. */
    void showMap();
    /** Shows a change that another thread flagged. */
    void timerCallback() override;

    MidiCCListener& map;
    int state = idle;
    const juce::String captions[3] { " Learn", "  Rec", "Unmap" };
    const int parameterIndex;
    int cachedController = -2;  // -2: the first check always counts as a change
    // The index the map reported last; the state check reads the map itself, which
    // may be newer still.
    std::atomic<int> reportedIndex { -1 };
    std::atomic<bool> changedElsewhere { false };
    QuilTextEditor field;
    juce::Rectangle<int> captionArea;
    juce::Path glyphs[3], upperFrame, lowerFrame, upperOutline, lowerOutline;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (LearnMidiCCButton)
};
