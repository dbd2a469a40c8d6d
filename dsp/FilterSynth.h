#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

class MidiCCListener;

/** The one sound: applies to every note and channel. */
struct noSound : public juce::SynthesiserSound
{
    bool appliesToNote (int) override { return true; }
    bool appliesToChannel (int) override { return true; }
};

/** Hosts the filter voice: the framework splits each block at MIDI events, and
    controllers become MIDI learning, learnt parameter changes, preset requests and
    the filter reset. Notes, pitch wheel and program changes do nothing. */
class FilterSynth : public juce::Synthesiser
{
public:
    explicit FilterSynth (MidiCCListener* ccListener);
    ~FilterSynth() override;

    void handleMidiEvent (const juce::MidiMessage& m) override;
    void handleController (int midiChannel, int controllerNumber, int controllerValue) override;
    void handleProgramChange (int, int) override {}

    /** The audio lock: held for the whole rendering of a block. */
    const juce::CriticalSection& getLock() const noexcept { return lock; }

private:
    MidiCCListener* ccListener;
};
