#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

class VortaneAudioProcessor;

/** The plug-in's window. */
class VortaneAudioProcessorEditor : public juce::AudioProcessorEditor
{
public:
    explicit VortaneAudioProcessorEditor (VortaneAudioProcessor& processor);
    ~VortaneAudioProcessorEditor() override;

    void paint (juce::Graphics& g) override;

private:
    VortaneAudioProcessor& processor;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VortaneAudioProcessorEditor)
};
