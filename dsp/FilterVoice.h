#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

struct ProcessorData;

/** The one voice of the synthesiser: runs continuously and does all of the
    plug-in's audio processing. */
class FilterVoice : public juce::SynthesiserVoice
{
public:
    explicit FilterVoice (ProcessorData* data);
    ~FilterVoice() override;

    bool canPlaySound (juce::SynthesiserSound*) override { return true; }
    void startNote (int, float, juce::SynthesiserSound*, int) override {}
    void stopNote (float, bool) override {}
    bool isVoiceActive() const override { return false; }
    void pitchWheelMoved (int) override {}
    void controllerMoved (int, int) override {}

    void renderNextBlock (juce::AudioBuffer<float>& buffer, int startSample, int numSamples) override;
    using juce::SynthesiserVoice::renderNextBlock;

    /** Rate-dependent set-up, called under the audio lock by prepareToPlay. */
    void prepare (double sampleRate, int blockSize);
    /** Clears the running signal state and re-reads the parameter targets. */
    void resetFilter();
    void updateParameterTargets();

private:
    ProcessorData* data;

    JUCE_DECLARE_NON_COPYABLE (FilterVoice)
};
