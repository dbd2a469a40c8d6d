// The voice as the host sees it through the processor: layouts, the "Power" crossfade,
// CV mixing, smoothing, render stretches and the mended faults of the signal path.

#include "dsp/FilterVoice.h"
#include "support/ParameterHelpers.h"
#include "support/ProcessorFixture.h"
#include "support/SignalGenerator.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>

namespace
{
    struct Layout { int in, sideChain, out; };

    std::string describe (const Layout& l)
    {
        return "in" + std::to_string (l.in) + "_sc" + std::to_string (l.sideChain) + "_out" + std::to_string (l.out);
    }

    std::string layoutName (const ::testing::TestParamInfo<Layout>& info) { return describe (info.param); }

    void PrintTo (const Layout& l, std::ostream* os) { *os << describe (l); }

    const auto acceptedLayouts = ::testing::Values (Layout { 1, 1, 1 }, Layout { 1, 2, 1 }, Layout { 1, 1, 2 },
                                                     Layout { 1, 2, 2 }, Layout { 2, 1, 2 }, Layout { 2, 2, 2 });

    void fillAll (juce::AudioBuffer<float>& buffer, SignalGenerator& random)
    {
        for (int ch = 0; ch < buffer.getNumChannels(); ++ch)
            random.fillNoise (buffer, ch, 0.5);
    }

    bool sameSamples (const juce::AudioBuffer<float>& a, const juce::AudioBuffer<float>& b, int channels)
    {
        for (int ch = 0; ch < channels; ++ch)
            if (std::memcmp (a.getReadPointer (ch), b.getReadPointer (ch), sizeof (float) * (size_t) a.getNumSamples()) != 0)
                return false;
        return true;
    }

    class EveryLayout : public ::testing::TestWithParam<Layout> {};
}

TEST_P (EveryLayout, dryPathIsUnityGainOnEveryOutput)
{
    // With "Power" off from the start the crossfade never opens: the output is the input,
    // also on a mono output (the average of two equal channels, not their sum).
    const auto layout = GetParam();
    TestProcessor processor (layout.in, layout.sideChain, layout.out, 44100.0, 256);
    setReal (processor->data.power, 0.0);

    SignalGenerator random;
    juce::MidiBuffer midi;

    for (int block = 0; block < 8; ++block)
    {
        auto buffer = processor.makeBuffer (256);
        fillAll (buffer, random);
        const juce::AudioBuffer<float> input (buffer);

        processor->processBlock (buffer, midi);

        for (int ch = 0; ch < layout.out; ++ch)
            for (int i = 0; i < 256; ++i)
                ASSERT_EQ (buffer.getSample (ch, i), input.getSample (layout.in == 1 ? 0 : ch, i)) << ch << " " << i;
    }
}

TEST_P (EveryLayout, filtersEveryOutputAndReadsTheSideChainWhereTheLayoutPutsIt)
{
    const auto layout = GetParam();
    TestProcessor processor (layout.in, layout.sideChain, layout.out, 48000.0, 128);
    auto& data = processor->data;

    // A DC control signal on each side-chain channel moves the cutoff of channel L by
    // CV 1 and of channel R by CV 2.
    setReal (data.stereoMode[destCutoff][0], 2.0);
    setReal (data.stereoMode[destCutoff][1], 2.0);
    setReal (data.depth[destCutoff][0][0], 0.5);
    setReal (data.depth[destCutoff][0][1], 0.0);
    setReal (data.depth[destCutoff][1][0], 0.0);
    setReal (data.depth[destCutoff][1][1], 0.5);

    const int cv1 = layout.in;
    const int cv2 = layout.sideChain == 2 ? layout.in + 1 : layout.in;
    juce::MidiBuffer midi;

    for (int block = 0; block < 40; ++block)
    {
        auto buffer = processor.makeBuffer (128);
        buffer.clear();
        for (int i = 0; i < 128; ++i)
        {
            buffer.setSample (0, i, 0.25f * (float) SignalGenerator::sine (3000.0, 48000.0, block * 128 + i));
            if (layout.in == 2)
                buffer.setSample (1, i, buffer.getSample (0, i));
        }
        for (int i = 0; i < 128; ++i)
        {
            buffer.setSample (cv1, i, 0.2f);
            if (cv2 != cv1)
                buffer.setSample (cv2, i, -0.4f);
        }

        processor->processBlock (buffer, midi);

        if (block == 39)
        {
            // The filtered sine is well below the input on every output.
            for (int ch = 0; ch < layout.out; ++ch)
                EXPECT_LT (buffer.getMagnitude (ch, 0, 128), 0.2f) << ch;
        }
    }

    const double cutoff = data.cutoff->getRealValue();
    EXPECT_NEAR (data.displayValues[2].load(), cutoff + 0.5 * 0.2, 1.0e-6);
    EXPECT_NEAR (data.displayValues[3].load(), cutoff + 0.5 * (cv2 != cv1 ? -0.4 : 0.2), 1.0e-6);
}

INSTANTIATE_TEST_SUITE_P (Accepted, EveryLayout, acceptedLayouts, layoutName);

TEST (FilterVoice, bufferWithFewerChannelsThanTheLayoutReadsSilenceForTheRest)
{
    TestProcessor full (2, 2, 2, 48000.0, 64), short_ (2, 2, 2, 48000.0, 64);
    setReal (full->data.depth[destCutoff][0][0], 0.7);
    setReal (short_->data.depth[destCutoff][0][0], 0.7);

    SignalGenerator random;
    juce::MidiBuffer midi;

    for (int block = 0; block < 30; ++block)
    {
        juce::AudioBuffer<float> four (4, 64), two (2, 64);
        four.clear();
        random.fillNoise (four, 0, 0.5);
        random.fillNoise (four, 1, 0.5);
        two.copyFrom (0, 0, four, 0, 0, 64);
        two.copyFrom (1, 0, four, 1, 0, 64);

        full->processBlock (four, midi);
        short_->processBlock (two, midi);

        ASSERT_TRUE (sameSamples (four, two, 2)) << block;
    }
}

//==============================================================================
namespace
{
    /** Runs a DC input through a processor whose wet signal is silent ("Out" 0), so that the
        output is (1 - fade) x input; returns the output of channel 0. */
    std::vector<float> runDryWet (TestProcessor& processor, int numSamples, float level)
    {
        std::vector<float> out;
        juce::MidiBuffer midi;

        for (int done = 0; done < numSamples; done += 100)
        {
            auto buffer = processor.makeBuffer (100);
            for (int ch = 0; ch < 2; ++ch)
                for (int i = 0; i < 100; ++i)
                    buffer.setSample (ch, i, level);
            processor->processBlock (buffer, midi);
            for (int i = 0; i < 100; ++i)
                out.push_back (buffer.getSample (0, i));
        }

        return out;
    }

    class PowerCrossfade : public ::testing::TestWithParam<double> {};
}

TEST_P (PowerCrossfade, takesFiftyMillisecondsBothWays)
{
    const double fs = GetParam();
    const int length = (int) std::round (fs * 0.05);

    TestProcessor processor (2, 2, 2, fs, 100);
    setReal (processor->data.out, 0.0);

    // After construction the effect fades in: the dry DC falls to zero over 50 ms.
    auto fadeIn = runDryWet (processor, 2 * length, 0.5f);
    EXPECT_NEAR (fadeIn[(size_t) length / 2], 0.25f, 0.001f);
    EXPECT_GT (fadeIn[(size_t) length - 3], 0.0f);
    EXPECT_EQ (fadeIn[(size_t) length + 1], 0.0f);

    // "Power" off: back to the dry signal over the same time, linearly.
    setReal (processor->data.power, 0.0);
    auto fadeOut = runDryWet (processor, 2 * length, 0.5f);
    EXPECT_NEAR (fadeOut[(size_t) length / 2], 0.25f, 0.001f);
    EXPECT_LT (fadeOut[(size_t) length - 3], 0.5f);
    EXPECT_EQ (fadeOut[(size_t) length + 1], 0.5f);

    int first = 0;
    while (fadeOut[(size_t) first] < 0.5f)
        ++first;
    EXPECT_NEAR (first, length, 2);
}

INSTANTIATE_TEST_SUITE_P (Rates, PowerCrossfade, ::testing::Values (44100.0, 48000.0, 96000.0));

//==============================================================================
namespace
{
    struct ModeCase { int destination; int mode; };

    class StereoModes : public ::testing::TestWithParam<ModeCase> {};

    /** Settles a processor fed constant CV 1 and CV 2 and returns its display values. */
    std::array<double, 12> settledDisplay (TestProcessor& processor, float cv1, float cv2, int numSamples)
    {
        juce::MidiBuffer midi;
        for (int done = 0; done < numSamples; done += 64)
        {
            auto buffer = processor.makeBuffer (64);
            for (int i = 0; i < 64; ++i)
            {
                buffer.setSample (2, i, cv1);
                buffer.setSample (3, i, cv2);
            }
            processor->processBlock (buffer, midi);
        }

        std::array<double, 12> values {};
        for (size_t i = 0; i < values.size(); ++i)
            values[i] = processor->data.displayValues[i].load();
        return values;
    }

    // Where each destination sits in the display values.
    int displayIndex (int destination)
    {
        const int order[numDestinations] = { 0, 2, 4, 6, 8, 10 };   // In, Cutoff, Resonance, Type, Drive, Out
        return order[destination];
    }
}

TEST_P (StereoModes, monoLinkedAndUnlinkedPickTheDepthOfEachSide)
{
    const auto [destination, mode] = GetParam();
    TestProcessor processor (2, 2, 2, 48000.0, 64);
    auto& data = processor->data;
    clearModulation (data);

    setReal (data.in, 0.5);
    setReal (data.cutoff, 0.5);
    setReal (data.resonance, 0.5);
    setReal (data.type, 0.5);
    setReal (data.drive, 0.5);
    setReal (data.out, 0.5);

    setReal (data.stereoMode[destination][0], mode);
    setReal (data.depth[destination][0][0], 0.5);
    setReal (data.depth[destination][0][1], -0.3);

    const float cv1 = 0.4f;
    const auto shown = settledDisplay (processor, cv1, 0.9f, 4096);

    const double base = 0.5;
    const double left = data.depth[destination][0][0]->getRealValue();
    const double right = data.depth[destination][0][1]->getRealValue();
    const double rightDepth = mode == 0 ? left : mode == 1 ? -left : right;

    EXPECT_NEAR (shown[(size_t) displayIndex (destination)], base + left * cv1, 1.0e-6);
    EXPECT_NEAR (shown[(size_t) displayIndex (destination) + 1], base + rightDepth * cv1, 1.0e-6);
}

INSTANTIATE_TEST_SUITE_P (DestinationsAndModes, StereoModes, ::testing::Values (
    ModeCase { destIn, 0 }, ModeCase { destIn, 1 }, ModeCase { destIn, 2 },
    ModeCase { destCutoff, 0 }, ModeCase { destCutoff, 1 }, ModeCase { destCutoff, 2 },
    ModeCase { destResonance, 1 }, ModeCase { destType, 2 }, ModeCase { destDrive, 1 }, ModeCase { destOut, 2 }));

TEST (CvDepth, depthsBelowAQuarterFollowACubicCurve)
{
    for (const double depth : { 0.2, -0.1, 0.24, 0.25, -0.25, 0.6, -1.0 })
    {
        TestProcessor processor (2, 2, 2, 48000.0, 64);
        auto& data = processor->data;
        clearModulation (data);
        setReal (data.in, 0.5);
        setReal (data.depth[destIn][1][0], depth);

        const double v = data.depth[destIn][1][0]->getRealValue();
        const double acting = std::abs (v) < 0.25 ? 16.0 * v * v * v : v;
        const auto shown = settledDisplay (processor, 0.0f, 1.0f, 4096);

        EXPECT_NEAR (shown[0], std::clamp (0.5 + acting, 0.0, 1.0), 1.0e-6) << depth;
    }
}

TEST (CvDepth, linkedModeMovesTheTwoCutoffsApart)
{
    TestProcessor processor (2, 2, 2, 48000.0, 64);
    auto& data = processor->data;
    clearModulation (data);
    setReal (data.cutoff, 0.5);
    setReal (data.stereoMode[destCutoff][0], 1.0);
    setReal (data.depth[destCutoff][0][0], 1.0);

    const auto shown = settledDisplay (processor, 0.3f, 0.0f, 4096);
    EXPECT_NEAR (shown[2] - 0.5, 0.3, 1.0e-6);
    EXPECT_NEAR (shown[3] - 0.5, -0.3, 1.0e-6);
}

TEST (CvDepth, withoutDepthsTheSideChainChangesNothing)
{
    TestProcessor a (2, 2, 2, 48000.0, 64), b (2, 2, 2, 48000.0, 64);
    clearModulation (a->data);
    clearModulation (b->data);
    SignalGenerator random (5);
    juce::MidiBuffer midi;

    for (int block = 0; block < 20; ++block)
    {
        auto withCv = a.makeBuffer (64);
        random.fillNoise (withCv, 0, 0.5);
        random.fillNoise (withCv, 1, 0.5);
        auto without = withCv;
        random.fillNoise (withCv, 2, 1.0);
        random.fillNoise (withCv, 3, 1.0);

        a->processBlock (withCv, midi);
        b->processBlock (without, midi);
        ASSERT_TRUE (sameSamples (withCv, without, 2));
    }
}

//==============================================================================
namespace
{
    class Smoothing : public ::testing::TestWithParam<double> {};

    double renderAndShow (TestProcessor& processor, int numSamples, int displaySlot)
    {
        juce::MidiBuffer midi;
        auto buffer = processor.makeBuffer (numSamples);
        buffer.clear();
        for (int i = 0; i < numSamples; ++i)
            buffer.setSample (2, i, 1.0f);   // CV 1 held at 1 for the depth ramp
        processor->processBlock (buffer, midi);
        return processor->data.displayValues[displaySlot].load();
    }
}

TEST_P (Smoothing, parameterChangesRampOverFiftyMilliseconds)
{
    const double fs = GetParam();
    const int length = (int) (fs * 0.05);

    TestProcessor processor (2, 2, 2, fs, 64);
    auto& data = processor->data;
    clearModulation (data);
    setReal (data.in, 0.75);
    renderAndShow (processor, 2 * length, 0);

    // A main parameter: one step per sample.
    setReal (data.in, 0.25);
    const double target = data.in->getRealValue();
    const double step = (target - 0.75) / length;
    EXPECT_NEAR (renderAndShow (processor, length - 1, 0), target - step, 1.0e-9);
    EXPECT_NEAR (renderAndShow (processor, 1, 0), target, 1.0e-12);

    // A depth advances twice per sample (once on each side's pass); the left side uses
    // the first advance, so it arrives after ceil((length + 1) / 2) samples.
    setReal (data.depth[destIn][0][0], 0.5);
    const int depthSamples = (length + 2) / 2;
    EXPECT_LT (renderAndShow (processor, depthSamples - 1, 0), target + 0.5 - 1.0e-7);
    EXPECT_NEAR (renderAndShow (processor, 1, 0), std::min (1.0, target + 0.5), 1.0e-12);
}

INSTANTIATE_TEST_SUITE_P (Rates, Smoothing, ::testing::Values (44100.0, 96000.0));

TEST (FilterVoice, parameterChangeBetweenStretchesActsFromTheNextStretch)
{
    // A block rendered as two stretches with a change between them (as a learnt MIDI
    // controller makes it) sounds the same as two host blocks with the change between.
    TestProcessor split (2, 2, 2, 48000.0, 64), blocks (2, 2, 2, 48000.0, 64);
    auto* voice = dynamic_cast<FilterVoice*> (split->synth.getVoice (0));
    ASSERT_NE (voice, nullptr);

    SignalGenerator random (3);
    juce::MidiBuffer midi;

    for (int round = 0; round < 20; ++round)
    {
        auto whole = split.makeBuffer (64);
        random.fillNoise (whole, 0, 0.5);
        random.fillNoise (whole, 1, 0.5);

        juce::AudioBuffer<float> first (4, 32), second (4, 32);
        first.clear();
        second.clear();
        for (int ch = 0; ch < 2; ++ch)
        {
            first.copyFrom (ch, 0, whole, ch, 0, 32);
            second.copyFrom (ch, 0, whole, ch, 32, 32);
        }

        const double cutoffBefore = 0.3 + 0.02 * round, cutoffAfter = 0.6 - 0.01 * round;

        setReal (split->data.cutoff, cutoffBefore);
        {
            juce::ScopedNoDenormals noDenormals;
            const juce::ScopedLock lock (split->getAudioLock());
            voice->renderNextBlock (whole, 0, 32);
            setReal (split->data.cutoff, cutoffAfter);
            voice->renderNextBlock (whole, 32, 32);
        }

        setReal (blocks->data.cutoff, cutoffBefore);
        blocks->processBlock (first, midi);
        setReal (blocks->data.cutoff, cutoffAfter);
        blocks->processBlock (second, midi);

        for (int ch = 0; ch < 2; ++ch)
            for (int i = 0; i < 32; ++i)
            {
                ASSERT_EQ (whole.getSample (ch, i), first.getSample (ch, i));
                ASSERT_EQ (whole.getSample (ch, 32 + i), second.getSample (ch, i));
            }
    }
}

TEST (FilterVoice, driveModulationBeyondItsRangeActsAsTheRangeEnd)
{
    // Drive pushed past 1 (or below 0) by the side chain must sound like Drive at 1 (or 0):
    // unlimited, the level compensation would turn into gain of the wrong sign.
    for (const double drive : { 1.0, 0.0 })
    {
        TestProcessor pushed (2, 2, 2, 48000.0, 64), plain (2, 2, 2, 48000.0, 64);
        for (auto* p : { &pushed, &plain })
        {
            clearModulation ((*p)->data);
            setReal ((*p)->data.drive, drive);
            setReal ((*p)->data.driveMode, 1.0);
        }
        setReal (pushed->data.depth[destDrive][0][0], drive > 0.5 ? 1.0 : -1.0);

        juce::MidiBuffer midi;
        float peak = 0.0f, largestDifference = 0.0f;

        for (int block = 0; block < 300; ++block)
        {
            auto a = pushed.makeBuffer (64);
            for (int ch = 0; ch < 2; ++ch)
                SignalGenerator::fillSine (a, ch, 0.5, 220.0, 48000.0, block * 64);
            auto b = a;
            for (int i = 0; i < 64; ++i)
                a.setSample (2, i, 1.0f);   // CV 1 fully on

            pushed->processBlock (a, midi);
            plain->processBlock (b, midi);

            // Once the start-up ramps (which differ) have died away.
            if (block >= 150)
                for (int ch = 0; ch < 2; ++ch)
                    for (int i = 0; i < 64; ++i)
                        largestDifference = std::max (largestDifference, std::abs (a.getSample (ch, i) - b.getSample (ch, i)));

            peak = std::max (peak, a.getMagnitude (0, 0, 64));
        }

        EXPECT_LT (largestDifference, 1.0e-6f) << "drive " << drive;
        EXPECT_LT (peak, 1.0f);
        EXPECT_EQ (pushed->data.displayValues[8].load(), drive);
    }
}

TEST (FilterVoice, nonPositiveSampleRateIsIgnored)
{
    TestProcessor told (2, 2, 2, 48000.0, 64), untouched (2, 2, 2, 48000.0, 64);

    told->prepareToPlay (0.0, 64);
    told->prepareToPlay (-44100.0, 64);
    told->prepareToPlay (std::numeric_limits<double>::quiet_NaN(), 64);
    EXPECT_EQ (told->data.sampleRate.load(), 48000.0);

    SignalGenerator random (9);
    juce::MidiBuffer midi;

    for (int block = 0; block < 50; ++block)
    {
        auto a = told.makeBuffer (64);
        for (int ch = 0; ch < 4; ++ch)
            random.fillNoise (a, ch, 0.5);
        auto b = a;

        told->processBlock (a, midi);
        untouched->processBlock (b, midi);
        ASSERT_TRUE (sameSamples (a, b, 2));
    }
}
