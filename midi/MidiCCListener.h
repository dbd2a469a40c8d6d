#pragma once

#include <juce_core/juce_core.h>
#include <atomic>

/** Which MIDI controller moves which parameter, the state of MIDI learning and the
    actions that incoming controllers trigger. Every field is a 32-bit atomic: the
    audio thread (learning by MIDI) and the message thread (learn buttons, state
    restore) change them without a shared lock. */
class MidiCCListener
{
public:
    static constexpr int numControllers = 128;

    /** Told of every change of the map or of learning. May be called on the audio
        thread: record the index and defer the work. */
    struct Listener
    {
        virtual ~Listener() = default;
        virtual void midiMappingChanged (int index) = 0;
    };

    MidiCCListener();
    virtual ~MidiCCListener();

    virtual void ccMappedValueChanged (int parameterIndex, float value) = 0;
    virtual void presetSelectRequested (int presetNumber, int bank) = 0;
    virtual void resetVoices() {}

    void addCCListener (Listener* l);
    void removeCCListener (Listener* l);
    /** Calls midiMappingChanged on every listener, first to last. */
    void notifyListeners (int index);

    std::atomic<int> ccMap[numControllers];
    std::atomic<int> learningIndex { -1 };
    std::atomic<int> storedBank { 0 };

private:
    juce::CriticalSection listenerLock;
    juce::Array<Listener*> listeners;

    JUCE_DECLARE_NON_COPYABLE (MidiCCListener)
};
