#pragma once

#include <juce_audio_processors/juce_audio_processors.h>
#include <vector>

class QuilParam;

/** Turns every completed change gesture into an undoable "changeParam" step;
    gestures ending within 50 ms of the current transaction's start join it. */
class QuilParamUndo : public juce::AudioProcessorParameter::Listener
{
public:
    explicit QuilParamUndo (juce::UndoManager* undoManager);
    ~QuilParamUndo() override;

    /** Registers as listener of every parameter, in index order. */
    void registerParameters (const juce::Array<juce::AudioProcessorParameter*>& parameters);

    void parameterValueChanged (int, float) override {}
    void parameterGestureChanged (int parameterIndex, bool gestureIsStarting) override;

private:
    juce::UndoManager* undoManager;
    std::vector<QuilParam*> params;
    std::vector<float> startValues;
    juce::int64 lastTransactionTime = 0;

    JUCE_DECLARE_NON_COPYABLE (QuilParamUndo)
};
