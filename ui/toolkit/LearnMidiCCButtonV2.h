#pragma once

#include "ui/lnf/ColourTable.h"
#include "ui/toolkit/LearnMidiCCButton.h"

/** The learn button in the toolkit's widget colours, with the look-and-feel's
    corner size and no outline round its upper part. */
class LearnMidiCCButtonV2 : public LearnMidiCCButton
{
public:
    LearnMidiCCButtonV2 (MidiCCListener& controllerMap, int index);
    ~LearnMidiCCButtonV2() override;

    ColourTable& getColourTable() noexcept { return colourTable; }

    void paint (juce::Graphics&) override;
    void resized() override;

protected:
    void updateStateColours() override;

private:
    ColourTable colourTable { this };

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (LearnMidiCCButtonV2)
};
