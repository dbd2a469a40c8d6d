#pragma once

#include <juce_audio_processors/juce_audio_processors.h>
#include <atomic>
#include <memory>
#include <vector>

#include "core/LockFreeQueue.h"

class QuilParam;

/** Turns every completed change gesture into an undoable "changeParam" step;
    gestures ending within 50 ms of the current transaction's start join it.

    The undo history belongs to the message thread. Gestures that end elsewhere
    (learnt MIDI controllers on the audio thread, a host's own thread) are handed
    over through a lock-free queue together with the time they ended, and a timer
    records them in order, so they merge exactly as if recorded at once. */
class QuilParamUndo : public juce::AudioProcessorParameter::Listener,
                      private juce::Timer
{
public:
    /** Milliseconds since 1970. */
    using Clock = juce::int64 (*)();

    explicit QuilParamUndo (juce::UndoManager* undoManager);
    ~QuilParamUndo() override;

    /** Registers as listener of every parameter, in index order. */
    void registerParameters (const juce::Array<juce::AudioProcessorParameter*>& parameters);

    void parameterValueChanged (int, float) override {}
    void parameterGestureChanged (int parameterIndex, bool gestureIsStarting) override;

    /** Empties the history. Off the message thread the request queues behind the
        gestures handed over before it. */
    void clearUndoHistory();

    /** Message thread: records the gestures handed over from other threads. */
    void recordPending();

    /** Replaces the clock that stamps gesture ends (tests). */
    void setClock (Clock newClock) noexcept { clock = newClock; }

    static constexpr double mergeWindowSeconds = 0.05;
    static constexpr int pendingIntervalMs = 50;  // gestures carry their own times: recording later changes no step

private:
    struct Step
    {
        int index = -1;
        float oldValue = 0.0f, newValue = 0.0f;
        juce::int64 time = 0;
        bool clearsHistory = false;
    };

    static bool ownsHistoryHere();
    void record (const Step& step);
    void timerCallback() override;

    juce::UndoManager* undoManager;
    std::vector<juce::AudioProcessorParameter*> registered;
    std::vector<QuilParam*> params;
    std::unique_ptr<std::atomic<float>[]> startValues;
    juce::int64 lastTransactionTime = 0;

    LockFreeQueue<Step, 256> pending;
    std::atomic<bool> clearRequested { false };
    Clock clock;

    JUCE_DECLARE_NON_COPYABLE (QuilParamUndo)
};
