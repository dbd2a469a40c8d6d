#pragma once

#include "core/VortaneAudioProcessor.h"

#include <memory>

/** A real processor with a chosen bus layout, prepared like a host would. */
struct TestProcessor
{
    explicit TestProcessor (int mainIn = 2, int sideChain = 2, int mainOut = 2,
                            double sampleRate = 48000.0, int blockSize = 64)
        : processor (std::make_unique<VortaneAudioProcessor>())
    {
        setLayout (mainIn, sideChain, mainOut);
        prepare (sampleRate, blockSize);
    }

    static juce::AudioChannelSet setFor (int channels)
    {
        return channels == 1 ? juce::AudioChannelSet::mono()
             : channels == 2 ? juce::AudioChannelSet::stereo()
                             : juce::AudioChannelSet::disabled();
    }

    bool setLayout (int mainIn, int sideChain, int mainOut)
    {
        juce::AudioProcessor::BusesLayout layout;
        layout.inputBuses.add (setFor (mainIn));
        layout.inputBuses.add (setFor (sideChain));
        layout.outputBuses.add (setFor (mainOut));
        return processor->setBusesLayout (layout);
    }

    void prepare (double sampleRate, int blockSize)
    {
        processor->setRateAndBufferSizeDetails (sampleRate, blockSize);
        processor->prepareToPlay (sampleRate, blockSize);
    }

    /** A buffer shaped as the host would pass it: max(inputs, outputs) channels. */
    juce::AudioBuffer<float> makeBuffer (int numSamples) const
    {
        const int channels = juce::jmax (processor->getTotalNumInputChannels(),
                                         processor->getTotalNumOutputChannels());
        juce::AudioBuffer<float> buffer (channels, numSamples);
        buffer.clear();
        return buffer;
    }

    VortaneAudioProcessor& operator*() const { return *processor; }
    VortaneAudioProcessor* operator->() const { return processor.get(); }

    std::unique_ptr<VortaneAudioProcessor> processor;
};
