#pragma once

#include <juce_core/juce_core.h>
#include <atomic>

#include "midi/RealtimeListenerList.h"

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

    /** Message thread. A listener added twice is kept once. */
    void addCCListener (Listener* l);
    /** Message thread. Once this returns, the listener is not called again. */
    void removeCCListener (Listener* l);
    /** Any thread, the audio thread included: midiMappingChanged on every
        listener, first to last, without locks or allocation. */
    void notifyListeners (int index);
    int getNumCCListeners() const { return listeners.size(); }

    /** Audio thread: when learning is armed, claims it (one compare-and-exchange,
        so a learn button changing it meanwhile wins or loses as a whole) and binds
        the controller to the parameter being learnt. Returns the learnt index or -1. */
    int learnController (int controllerNumber);

    /** Binds a controller to a parameter, first unbinding every other controller
        of that parameter (a parameter has at most one controller). */
    void assignController (int controllerNumber, int parameterIndex);

    /** Unbinds every controller of a parameter; entries that meanwhile point
        elsewhere are left alone. */
    void unassignParameter (int parameterIndex);

    /** The lowest controller bound to a parameter, or -1. */
    int findController (int parameterIndex) const noexcept;

    /** Arms learning for a parameter (one store: the last armed parameter wins). */
    void startLearning (int parameterIndex);

    /** Disarms learning only while it still waits for this parameter, so neither a
        controller just learnt nor another parameter's learning is undone. True
        when it disarmed it. */
    bool cancelLearning (int parameterIndex);

    /** The map entry of a controller: the parameter it moves, or -1 (also for numbers
        outside 0..127). An entry restored from a host's state may name no parameter:
        the processor ignores such a controller when it arrives. */
    int getMappedParameter (int controllerNumber) const noexcept;

    /** Controllers 1..117 except 64 (the sustain pedal) can be learnt. */
    static bool isLearnable (int controllerNumber) noexcept;

    std::atomic<int> ccMap[numControllers];
    std::atomic<int> learningIndex { -1 };
    std::atomic<int> storedBank { 0 };

private:
    RealtimeListenerList<Listener> listeners;

    JUCE_DECLARE_NON_COPYABLE (MidiCCListener)
};
