#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** The MIDI-learn pop-up's box: a rounded rectangle filled with a vertical
    gradient whose lowest 16 % is solid, with a thin outline. */
class MIDIccPopupBg : public juce::Component
{
public:
    MIDIccPopupBg();
    ~MIDIccPopupBg() override;

    void setColours (juce::Colour top, juce::Colour bottom, juce::Colour outline);

    void paint (juce::Graphics&) override;
    void resized() override;

private:
    void rebuildGradient();

    juce::Colour gradientTop, gradientBottom, outlineColour;
    juce::ColourGradient gradient;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MIDIccPopupBg)
};
