#include "dsp/FilterSynth.h"
#include "midi/MidiCCListener.h"

FilterSynth::FilterSynth (MidiCCListener* listener) : ccListener (listener) {}

FilterSynth::~FilterSynth() = default;

void FilterSynth::handleMidiEvent (const juce::MidiMessage& m)
{
    juce::Synthesiser::handleMidiEvent (m);
}

void FilterSynth::handleController (int midiChannel, int controllerNumber, int controllerValue)
{
    juce::Synthesiser::handleController (midiChannel, controllerNumber, controllerValue);
}
