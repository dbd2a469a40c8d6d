#include "dsp/FilterVoice.h"
#include "dsp/DriveShaper.h"
#include "params/QuilParamTypes.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace
{
    /** Host samples as doubles; NaN and infinities become silence before they can reach
        a table index or any filter state (which would keep them for good). */
    inline double finiteOrZero (float x) noexcept
    {
        std::uint32_t bits;
        std::memcpy (&bits, &x, sizeof bits);
        return (bits & 0x7f800000u) == 0x7f800000u ? 0.0 : (double) x;
    }

    inline double sampleAt (const float* channel, int index) noexcept
    {
        return channel != nullptr ? finiteOrZero (channel[index]) : 0.0;
    }

    /** The level law 28 v^2 / (27 - 20 v^2): 0 at 0, unity at 0.75, 4 at 1. */
    inline Double2 levelFor (Double2 v) noexcept
    {
        const Double2 v2 = v * v;
        return Double2 (4.0) * v2 / (Double2 (3.857142857142857) - Double2 (2.857142857142857) * v2);
    }

    /** A parameter's real value within its range; false (keep the old target) when the
        value is not a number. */
    bool readParameter (const QuilParam* p, double& value) noexcept
    {
        if (p == nullptr)
            return false;

        const double v = p->getRealValue();
        if (! std::isfinite (v))
            return false;

        value = std::clamp (v, p->getRangeStart(), p->getRangeEnd());
        return true;
    }

    /** Depths below a quarter follow a cubic (16 v^3), so small depths can be set finely. */
    inline double shapedDepth (double v) noexcept
    {
        return (-0.25 < v && v < 0.25) ? 16.0 * (v * v * v) : v;
    }
}

FilterVoice::FilterVoice (ProcessorData* d)
    : data (d),
      prewarp (prewarpTable()),
      preDrive { ZF1Pole (prewarpTable()), ZF1Pole (prewarpTable()) },
      postDrive { ZF1Pole (prewarpTable()), ZF1Pole (prewarpTable()) },
      octave (octaveTable())
{
    data->liveVoices.fetch_add (1);

    const double fs = data->sampleRate.load();
    if (fs > 0.0 && std::isfinite (fs))
    {
        sampleRate = fs;
        inverseSampleRate = 1.0 / fs;
        fadeStep = 20.0 * inverseSampleRate;
        rate = fs;
        centreOverNyquist = 2.0 * centreFrequency / fs;
        onePoleFrequency = 120.0 * inverseSampleRate;
    }

    for (int side = 0; side < 2; ++side)
    {
        inputMeter[side].connect (&data->inputLevel[side], &data->inputClip[side]);
        outputMeter[side].connect (&data->outputLevel[side], &data->outputClip[side]);
        cvMeter[side].connect (&data->cvLevel[side]);
    }
}

FilterVoice::~FilterVoice()
{
    data->liveVoices.fetch_sub (1);
}

//==============================================================================
void FilterVoice::prepare (double fs, int samplesPerBlock)
{
    if (! (fs > 0.0) || ! std::isfinite (fs))
        return;

    sampleRate = fs;
    inverseSampleRate = 1.0 / fs;
    blockSize = std::max (1, samplesPerBlock);
    fadeStep = 20.0 * inverseSampleRate;

    resetParameterSmoothers();

    rate = fs;
    centreOverNyquist = 2.0 * centreFrequency / fs;

    for (auto& meter : inputMeter)
        meter.prepare (fs, blockSize);
    for (auto& meter : outputMeter)
        meter.prepare (fs, blockSize);

    onePoleFrequency = 120.0 * inverseSampleRate;
}

void FilterVoice::resetParameterSmoothers()
{
    const int length = (int) (sampleRate * 0.05);
    const double inverse = 1.0 / std::trunc (sampleRate * 0.05);

    for (auto& s : mainSmoothers)
        s.setLength (length, inverse);

    for (auto& destination : depthSmoothers)
        for (auto& s : destination)
            s.setLength (length, inverse);
}

void FilterVoice::resetFilter()
{
    filter.reset();

    input = wet = gainedInput = filtered = cutoffMod = normalisedFrequency = Double2();
    resonanceMod = typeMod = inMod = outMod = driveMod = Double2();
    cvSample[0] = cvSample[1] = 0.0;

    updateParameterTargets();
}

void FilterVoice::updateParameterTargets()
{
    const QuilParam* const mainParameters[numMainSmoothers] = {
        data->cutoff, data->resonance, data->type, data->in, data->out, data->drive, data->driveMode
    };

    double v = 0.0;
    for (int i = 0; i < numMainSmoothers; ++i)
        if (readParameter (mainParameters[i], v))
            mainSmoothers[i].setTarget (v);

    if (readParameter (data->power, v))
        power = v;

    for (int side = 0; side < 2; ++side)
        for (int cvInput = 0; cvInput < 2; ++cvInput)
            for (int d = 0; d < numDestinations; ++d)
                if (readParameter (data->depth[d][cvInput][side], v))
                    depthSmoothers[d][cvInput * 2 + side].setTarget (shapedDepth (v));

    for (int d = 0; d < numDestinations; ++d)
        for (int cvInput = 0; cvInput < 2; ++cvInput)
            if (readParameter (data->stereoMode[d][cvInput], v))
                stereoModes[d][cvInput] = (int) v;
}

//==============================================================================
void FilterVoice::renderNextBlock (juce::AudioBuffer<float>& buffer, int startSample, int numSamples)
{
    // Targets are read at every stretch, so a parameter changed between MIDI events
    // (a learnt controller) starts its ramp at the event's sample.
    updateParameterTargets();

    if (startSample == 0)
        inputPeak = outputPeak = cvHeld = Double2();

    const int mainIn = data->mainInputChannels.load (std::memory_order_relaxed);
    const int sideChain = data->sideChainChannels.load (std::memory_order_relaxed);
    const int mainOut = data->mainOutputChannels.load (std::memory_order_relaxed);
    const int numChannels = buffer.getNumChannels();

    // A buffer with fewer channels than the layout promises reads silence for the rest.
    auto readChannel = [&] (int ch) -> const float*
    { return ch < numChannels ? buffer.getReadPointer (ch) : nullptr; };
    auto writeChannel = [&] (int ch) -> float*
    { return ch < numChannels ? buffer.getWritePointer (ch) : nullptr; };

    const int cv2Channel = mainIn == 1 ? (sideChain == 2 ? 2 : 1)
                                       : (sideChain == 1 ? 2 : 3);

    Channels channels;
    channels.inputLeft = readChannel (0);
    channels.inputRight = (mainIn == 1 || mainOut != 2) ? channels.inputLeft : readChannel (1);
    channels.cv1 = readChannel (mainIn == 1 ? 1 : 2);
    channels.cv2 = readChannel (cv2Channel);
    channels.outputLeft = writeChannel (0);
    channels.outputRight = mainOut == 2 ? writeChannel (1) : nullptr;

    for (int done = 0; done < numSamples;)
    {
        const int n = std::min (maxChunk, numSamples - done);
        renderChunk (channels, startSample + done, n);
        done += n;
    }

    if (startSample + numSamples == buffer.getNumSamples())
        publishBlock();
}

void FilterVoice::renderChunk (const Channels& channels, int offset, int numSamples)
{
    mixModulation (channels, offset, numSamples);
    runFilterAndDrive (numSamples);
    writeOutput (channels, offset, numSamples);
}

//==============================================================================
void FilterVoice::mixModulation (const Channels& channels, int offset, int n)
{
    for (int j = 0; j < n; ++j)
    {
        const double left = sampleAt (channels.inputLeft, offset + j);
        const double right = channels.inputRight == channels.inputLeft ? left : sampleAt (channels.inputRight, offset + j);
        dry[j] = Double2 (left, right);
        cvValues[0][j] = sampleAt (channels.cv1, offset + j);
        cvValues[1][j] = sampleAt (channels.cv2, offset + j);
    }

    for (int i = 0; i < numMainSmoothers; ++i)
        mainSmoothers[i].fill (mainValues[i], n);

    // Both depth smoothers of a pair advance on both side passes of a sample: the left
    // pass uses the first value, the right pass the second, chosen by the stereo mode.
    for (int d = 0; d < numDestinations; ++d)
        for (int cvInput = 0; cvInput < 2; ++cvInput)
        {
            depthSmoothers[d][cvInput * 2].fill (depthRun[0], 2 * n);
            depthSmoothers[d][cvInput * 2 + 1].fill (depthRun[1], 2 * n);

            const int mode = stereoModes[d][cvInput];
            const double* cv = cvValues[cvInput];

            for (int j = 0; j < n; ++j)
            {
                const double second = depthRun[0][2 * j + 1];
                const double right = mode == 0 ? second : mode == 1 ? -second
                                                                    : depthRun[1][2 * j + 1];
                const Double2 term = Double2 (depthRun[0][2 * j], right) * Double2 (cv[j]);
                cvSum[d][j] = (cvInput == 0 ? Double2 (0.0) : cvSum[d][j]) + term;
            }
        }

    const Double2 zero (0.0), one (1.0);
    Double2 cutoffValue, frequency, resonanceValue, typeValue, inValue, outValue, driveValue, gained;

    for (int j = 0; j < n; ++j)
    {
        cutoffValue = Double2::clamp (cvSum[destCutoff][j] + Double2 (mainValues[smCutoff][j]), zero, one);
        resonanceValue = Double2::clamp (cvSum[destResonance][j] + Double2 (mainValues[smResonance][j]), zero, Double2 (1.1));
        typeValue = Double2::clamp (cvSum[destType][j] + Double2 (mainValues[smType][j]), zero, one);
        inValue = Double2::clamp (cvSum[destIn][j] + Double2 (mainValues[smIn][j]), zero, one);
        outValue = Double2::clamp (cvSum[destOut][j] + Double2 (mainValues[smOut][j]), zero, one);
        // Limited like the others: beyond 1 the compensation would turn into gain with
        // inverted polarity.
        driveValue = Double2::clamp (cvSum[destDrive][j] + Double2 (mainValues[smDrive][j]), zero, one);

        // Input level and meters.
        gained = levelFor (inValue) * dry[j];
        inputPeak = Double2::atLeast (inputPeak, Double2::abs (gained));

        const Double2 cvPair (cvValues[0][j], cvValues[1][j]);
        cvHeld = Double2::select (Double2::lessThan (Double2::abs (cvHeld), Double2::abs (cvPair)), cvPair, cvHeld);

        // Cutoff law: 640 Hz * 2^(+-5 octaves), limited to the host's Nyquist frequency,
        // then expressed against the filter rate's Nyquist frequency (4x the host rate).
        const Double2 octaves = Double2::clamp (Double2::clamp (Double2 (2.0) * cutoffValue - one, -one, one) * Double2 (octaveSpan),
                                                Double2 (-10.0), Double2 (10.0));
        const Double2 ratio = octave.lookup (octaves);
        frequency = Double2 (0.25) * Double2::clamp (ratio * Double2 (centreOverNyquist), zero, one);

        // Zero-stuffing to 4x; the gain of 4 keeps the level.
        filterRate[4 * j] = Double2 (4.0) * gained;
        filterRate[4 * j + 1] = filterRate[4 * j + 2] = filterRate[4 * j + 3] = Double2();

        filterCoefficients[j] = StateVariableFilter::coefficients (frequency, resonanceValue, typeValue, prewarp);

        // Drive chain: the one-poles move from 120 Hz ("Cold") to 30 Hz ("Hot").
        const double mode = mainValues[smDriveMode][j];
        onePoleFrequency = (120.0 - 90.0 * mode) * inverseSampleRate;
        const double onePoleGain = prewarp.lookup (onePoleFrequency);

        auto& dc = driveCoefficients[j];
        dc.onePoleGain = Double2 (onePoleGain);
        dc.onePoleNorm = Double2 (1.0 + onePoleGain);
        dc.lowCut = Double2 (0.75) * driveValue;
        dc.lowBoost = Double2 (2.0) * driveValue;
        dc.gain = one + Double2 (31.0) * (driveValue * driveValue);
        const Double2 headroom = one - driveValue;
        dc.compensation = one - Double2 (0.85 - 0.1 * mode) * (one - headroom * headroom * headroom);
        dc.hot = mode >= 0.5;

        outputLevel[j] = levelFor (outValue);

        fade = std::clamp (power > 0.5 ? fade + fadeStep : fade - fadeStep, 0.0, 1.0);
        fadeValues[j] = fade;
    }

    input = dry[n - 1];
    cvSample[0] = cvValues[0][n - 1];
    cvSample[1] = cvValues[1][n - 1];
    gainedInput = gained;
    cutoffMod = cutoffValue;
    normalisedFrequency = frequency;
    resonanceMod = resonanceValue;
    typeMod = typeValue;
    inMod = inValue;
    outMod = outValue;
    driveMod = driveValue;
}

//==============================================================================
void FilterVoice::runFilterAndDrive (int n)
{
    // Filter-rate samples; each is one block of four at the drive rate, and every four
    // of them are one host sample's block at the filter rate.
    const int filterSamples = 4 * n;
    const int tail = fixedIirStage::latencySteps;

    outerUp.process (filterRate, filterSamples);

    // Filter, pre-drive one-pole and low cut at 4x, feeding the 16x interpolator just
    // in time. The next sample's filter step is issued before this sample's interpolator
    // steps, so that the interpolator's work hides the filter's long dependency chain.
    Double2 state (preDrive[0].state, preDrive[1].state);

    auto lowCutFilterStep = [&] (int f) noexcept
    {
        const auto& dc = driveCoefficients[f >> 2];
        const Double2 y = filter.process (filterRate[f], filterCoefficients[f >> 2]);

        const Double2 lowPass = (dc.onePoleGain * y + state) / dc.onePoleNorm;
        const Double2 highPass = y - lowPass;
        const Double2 lowCutSignal = driveShape (state, 1, dc.onePoleGain, highPass);
        return y - dc.lowCut * lowCutSignal;
    };

    Double2 next = lowCutFilterStep (0);

    for (int f = 0; f < filterSamples; ++f)
    {
        const Double2 z = next;
        if (f + 1 < filterSamples)
            next = lowCutFilterStep (f + 1);

        Double2* run = driveRate + 4 * f;
        run[0] = Double2 (4.0) * z;
        run[1] = run[2] = run[3] = Double2();
        innerUp.runSteps (driveRate, f, f + 1, filterSamples);
    }

    innerUp.runSteps (driveRate, filterSamples, filterSamples + tail, filterSamples);
    preDrive[0].state = state.left();
    preDrive[1].state = state.right();

    // The character is chosen per host sample (the drive mode is smoothed per sample).
    for (int j = 0; j < n; ++j)
    {
        const auto& dc = driveCoefficients[j];
        Double2* run = driveRate + 16 * j;

        if (dc.hot)
            for (int k = 0; k < 16; ++k)
                run[k] = DriveShaper::hot (dc.gain * run[k]);
        else
            for (int k = 0; k < 16; ++k)
                run[k] = DriveShaper::cold (dc.gain * run[k]);
    }

    // 16x decimator; each kept sample goes through the post-drive one-pole, low boost
    // and level compensation into the 4x decimator. A kept sample is taken up one step
    // after it is finished, again to hide the one-pole's dependency chain.
    state = Double2 (postDrive[0].state, postDrive[1].state);

    for (int step = 0; step < filterSamples + tail + 1; ++step)
    {
        if (step < filterSamples + tail)
            innerDown.runSteps (driveRate, step, step + 1, filterSamples);

        // Block f leaves the decimator at step f + 15; its first sample is the kept one.
        const int f = step - tail - 1;
        if (f < 0)
            continue;

        const auto& dc = driveCoefficients[f >> 2];
        const Double2 d = driveRate[4 * f];
        const Double2 lowPass = (dc.onePoleGain * d + state) / dc.onePoleNorm;
        const Double2 highPass = d - lowPass;
        const Double2 lowBoostSignal = driveShape (state, 1, dc.onePoleGain, highPass);
        const Double2 boosted = d + dc.lowBoost * lowBoostSignal;
        filterRate[f] = boosted * dc.compensation;

        if ((f & 3) == 3)
            outerDown.runSteps (filterRate, f >> 2, (f >> 2) + 1, n);
    }

    outerDown.runSteps (filterRate, n, n + tail, n);
    postDrive[0].state = state.left();
    postDrive[1].state = state.right();
}

//==============================================================================
void FilterVoice::writeOutput (const Channels& channels, int offset, int n)
{
    Double2 wetValue;

    for (int j = 0; j < n; ++j)
    {
        wetValue = outputLevel[j] * filterRate[4 * j];
        outputPeak = Double2::atLeast (outputPeak, Double2::abs (wetValue));

        const double mix = fadeValues[j];
        const double keep = 1.0 - mix;

        if (channels.outputRight != nullptr)
        {
            const Double2 out = Double2 (keep) * dry[j] + Double2 (mix) * wetValue;
            if (channels.outputLeft != nullptr)
                channels.outputLeft[offset + j] = (float) out.left();
            channels.outputRight[offset + j] = (float) out.right();
        }
        else if (channels.outputLeft != nullptr)
        {
            // A mono output carries the average of the two channels, so that the dry
            // path keeps unity gain.
            const double dryMono = (dry[j].left() + dry[j].right()) * 0.5;
            const double wetMono = (wetValue.left() + wetValue.right()) * 0.5;
            channels.outputLeft[offset + j] = (float) (keep * dryMono + mix * wetMono);
        }
    }

    filtered = filterRate[4 * (n - 1)];
    wet = wetValue;
}

void FilterVoice::publishBlock()
{
    inputMeter[0].peak = inputPeak.left();
    inputMeter[1].peak = inputPeak.right();
    outputMeter[0].peak = outputPeak.left();
    outputMeter[1].peak = outputPeak.right();
    cvMeter[0].value = cvHeld.left();
    cvMeter[1].value = cvHeld.right();

    inputMeter[0].process();
    outputMeter[0].process();
    cvMeter[0].process();
    inputMeter[1].process();
    outputMeter[1].process();
    cvMeter[1].process();

    const Double2 values[] = { inMod, cutoffMod, resonanceMod, typeMod,
                               Double2::clamp (driveMod, Double2 (0.0), Double2 (1.0)), outMod };

    for (int i = 0; i < 6; ++i)
    {
        data->displayValues[2 * i].store (values[i].left(), std::memory_order_relaxed);
        data->displayValues[2 * i + 1].store (values[i].right(), std::memory_order_relaxed);
    }
}
