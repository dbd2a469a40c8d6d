#include "editor/VortaneAudioProcessorEditor.h"
#include "core/VortaneAudioProcessor.h"

VortaneAudioProcessorEditor::VortaneAudioProcessorEditor (VortaneAudioProcessor& p)
    : juce::AudioProcessorEditor (p), processor (p)
{
    setSize (703, 319);
}

VortaneAudioProcessorEditor::~VortaneAudioProcessorEditor() = default;

void VortaneAudioProcessorEditor::paint (juce::Graphics& g)
{
    g.fillAll (juce::Colour (0xff1b1d20));
}
