#pragma once

#include <juce_audio_processors/juce_audio_processors.h>
#include <atomic>
#include <memory>

#include "core/ModulationStyle.h"

class QuilParam;
class QuilParamOnOff;
class QuilParamGrittleAmp12;
class QuilParamFrequencyHz;
class QuilParamPercentUnbounded;
class QuilParamFilterTypeSVF3;
class QuilParamGrittlePercent;
class QuilParamNamedSelector;
class QuilParamStereoMod;

/** The six modulation destinations, in the order used everywhere. */
enum ModDestination
{
    destIn = 0,
    destCutoff,
    destResonance,
    destType,
    destDrive,
    destOut,
    numDestinations
};

/** The block through which the audio side and the editor share values.
    Everything the audio thread writes and other threads read is an atomic. */
struct ProcessorData
{
    // Parameter groups, owned here until the processor adopts them.
    std::unique_ptr<juce::AudioProcessorParameterGroup> groups[5];

    // Typed parameter pointers (owned by the processor's parameter tree).
    QuilParamOnOff* power = nullptr;
    QuilParamGrittleAmp12* in = nullptr;
    QuilParamFrequencyHz* cutoff = nullptr;
    QuilParamPercentUnbounded* resonance = nullptr;
    QuilParamFilterTypeSVF3* type = nullptr;
    QuilParamGrittlePercent* drive = nullptr;
    QuilParamNamedSelector* driveMode = nullptr;
    QuilParamGrittleAmp12* out = nullptr;

    /** [destination][control input 0/1] */
    QuilParamStereoMod* stereoMode[numDestinations][2] {};
    /** [destination][control input 0/1][side 0 left / 1 right] */
    QuilParam* depth[numDestinations][2][2] {};

    // Meter read-outs, written by the voice once per block.
    std::atomic<float> inputLevel[2] { { 0.0f }, { 0.0f } };
    std::atomic<bool> inputClip[2] { { false }, { false } };
    std::atomic<float> outputLevel[2] { { 0.0f }, { 0.0f } };
    std::atomic<bool> outputClip[2] { { false }, { false } };
    std::atomic<float> cvLevel[2] { { 0.0f }, { 0.0f } };

    /** In L/R, Cutoff L/R, Resonance L/R, Type L/R, Drive L/R, Out L/R as the voice
        used them in its last block. */
    static constexpr int numDisplayValues = 12;
    std::atomic<double> displayValues[numDisplayValues] {
        { 0.75 }, { 0.75 }, { 0.75 }, { 0.75 }, { 0.75 }, { 0.75 }, { 0.0 }, { 0.0 }, { 0.5 }, { 0.5 }, { 0.75 }, { 0.75 }
    };

    ModulationStyle modulationStyle;

    std::atomic<int> mainInputChannels { 2 };
    std::atomic<int> sideChainChannels { 2 };
    std::atomic<int> mainOutputChannels { 2 };

    std::atomic<double> sampleRate { 44100.0 };
    std::atomic<int> blockSize { 128 };

    /** Filter voices alive now (each counts itself in and out). Without one the
        cutoff's texts and valueToHz read 0 Hz; an atomic count, so that asking
        takes no lock. */
    std::atomic<int> liveVoices { 0 };
};
