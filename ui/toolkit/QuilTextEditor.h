#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** The small text field for typed values (controls) and controller numbers (MIDI-learn
    pop-up): no border, no indents. */
class QuilTextEditor : public juce::TextEditor
{
public:
    QuilTextEditor();
    ~QuilTextEditor() override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (QuilTextEditor)
};
