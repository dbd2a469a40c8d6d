#pragma once

#include <juce_audio_basics/juce_audio_basics.h>

#include "core/ProcessorData.h"
#include "dsp/AudioMeter.h"
#include "dsp/BipolarMeter.h"
#include "dsp/CutoffLaw.h"
#include "dsp/Double2.h"
#include "dsp/LookupTables.h"
#include "dsp/ParamSmoother.h"
#include "dsp/StateVariableFilter.h"
#include "dsp/ZF1Pole.h"
#include "dsp/fixedIirStage.h"

class QuilParam;

/** The one voice of the synthesiser: runs continuously and does all of the plug-in's
    audio processing. Per host sample and channel: CV mix and smoothing, input level,
    4x up-sampling, four steps of the state-variable filter each followed by the drive
    chain at 16x, 4x down-sampling, output level, "Power" crossfade and meters.

    Both channels go through the same arithmetic side by side (Double2). A render
    stretch is worked in chunks, stage by stage over the whole chunk, so that the
    oversampling cascades run as pipelines; the arithmetic of every sample is the same
    as a sample-by-sample run. */
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
    /** Clears the filter's integrators and the per-sample values, then re-reads the
        parameter targets (MIDI controller 120). */
    void resetFilter();
    void updateParameterTargets();
    void resetParameterSmoothers();

    /** The last rendered sample's filtered output after the output level, per channel,
        at full precision (the buffer only carries floats). */
    double lastWet (int side) const noexcept { return side == 0 ? wet.left() : wet.right(); }

    static constexpr int maxChunk = 64;

private:
    enum MainSmoother
    {
        smCutoff,
        smResonance,
        smType,
        smIn,
        smOut,
        smDrive,
        smDriveMode,
        numMainSmoothers
    };

    struct DriveCoefficients
    {
        Double2 lowCut;    // 0.75 x drive, before the shaper
        Double2 lowBoost;  // 2 x drive, after it
        Double2 gain;      // 1 + 31 drive^2
        Double2 compensation;
        Double2 onePoleGain;  // prewarped gain of the pre- and post-drive one-poles
        Double2 onePoleNorm;  // 1 + that gain
        bool hot;
    };

    struct Channels
    {
        const float* inputLeft;
        const float* inputRight;
        const float* cv1;
        const float* cv2;
        float* outputLeft;
        float* outputRight;  // null for a mono output
    };

    void renderChunk (const Channels& channels, int offset, int numSamples);
    void mixModulation (const Channels& channels, int offset, int numSamples);
    void runFilterAndDrive (int numSamples);
    void writeOutput (const Channels& channels, int offset, int numSamples);
    void publishBlock();

    ProcessorData* data;

    double sampleRate = 44100.0;
    double inverseSampleRate = 1.0 / 44100.0;
    int blockSize = 256;

    AudioMeter inputMeter[2], outputMeter[2];
    BipolarMeter cvMeter[2];

    fixedIirStage outerDown, outerUp, innerDown, innerUp;

    const LookupTable& prewarp;
    StateVariableFilter filter;
    double onePoleFrequency = 120.0 / 44100.0;

    ZF1Pole preDrive[2], postDrive[2];

    static constexpr double centreFrequency = CutoffLaw::centreFrequency;
    double rate = 44100.0;
    double centreOverNyquist = 2.0 * centreFrequency / 44100.0;
    static constexpr double octaveSpan = CutoffLaw::octaveSpan;
    const LookupTable& octave;

    ParamSmoother mainSmoothers[numMainSmoothers];
    /** [destination][control input * 2 + side] */
    ParamSmoother depthSmoothers[numDestinations][4];
    int stereoModes[numDestinations][2] {};

    double power = 1.0;
    double fade = 0.0;
    double fadeStep = 20.0 / 44100.0;

    // The latest sample's values, shown by the editor and cleared by resetFilter.
    Double2 input, wet, gainedInput, filtered, cutoffMod, normalisedFrequency,
        resonanceMod, typeMod, inMod, outMod, driveMod;
    double cvSample[2] {};

    // Meter holds of the running host block: input and output peaks, CV 1 and CV 2.
    Double2 inputPeak, outputPeak, cvHeld;

    // Per chunk work space: values per host sample, then the 4x and 16x sample runs.
    double mainValues[numMainSmoothers][maxChunk];
    double depthRun[2][2 * maxChunk];
    Double2 cvSum[numDestinations][maxChunk];
    double cvValues[2][maxChunk];
    Double2 dry[maxChunk];
    Double2 outputLevel[maxChunk];
    double fadeValues[maxChunk];
    SvfCoefficients filterCoefficients[maxChunk];
    DriveCoefficients driveCoefficients[maxChunk];
    Double2 filterRate[4 * maxChunk];
    Double2 driveRate[16 * maxChunk];

    JUCE_DECLARE_NON_COPYABLE (FilterVoice)
};
