// The voice as the host sees it through the processor, against its defined behaviour:
// layouts, the "Power" crossfade, CV mixing, smoothing, render stretches, and hostile
// input and settings. (That the engine gives the same bits as the scalar model is
// checked in EngineMatchesReferenceTest.cpp.)

#include "dsp/FilterVoice.h"
#include "support/AllocationCounter.h"
#include "support/ParameterHelpers.h"
#include "support/ProcessorFixture.h"
#include "support/SignalGenerator.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

namespace
{
    using Buffer = juce::AudioBuffer<float>;

    /** Renders 64-sample blocks of noise on every channel through a and b; twin(block, x)
        may change a's input x and returns b's input (a copy of x by default). Returns the
        largest difference between their first two outputs from block from on (NaN when
        either output is NaN). */
    float largestDifference (TestProcessor& a, TestProcessor& b, int blocks, int from,
                             std::function<Buffer (int, Buffer&)> twin = [] (int, Buffer& x) { return x; })
    {
        SignalGenerator random (9);
        juce::MidiBuffer midi;
        float largest = 0.0f;

        for (int block = 0; block < blocks; ++block)
        {
            auto x = a.makeBuffer (64);
            for (int ch = 0; ch < x.getNumChannels(); ++ch)
                random.fillNoise (x, ch, 0.5);
            auto y = twin (block, x);

            a->processBlock (x, midi);
            b->processBlock (y, midi);

            for (int ch = 0; ch < 2 && block >= from; ++ch)
                for (int i = 0; i < 64; ++i)
                    if (const float d = std::abs (x.getSample (ch, i) - y.getSample (ch, i)); ! (d <= largest))
                        largest = d;
        }
        return largest;
    }

    struct Layout { int in, sideChain, out; };

    class EveryLayout : public ::testing::TestWithParam<Layout> {};
}

TEST_P (EveryLayout, sideChainMovesTheCutoffWhereTheLayoutPutsItAndPowerOffFadesToTheDryInputInFiftyMilliseconds)
{
    const auto layout = GetParam();
    TestProcessor processor (layout.in, layout.sideChain, layout.out, 48000.0, 120);   // 50 ms: 20 blocks

    // A DC control signal on each side-chain channel moves the cutoff of side L by CV 1
    // and of side R by CV 2 (unlinked).
    auto& data = processor->data;
    for (int input = 0; input < 2; ++input)
    {
        setReal (data.stereoMode[destCutoff][input], 2.0);
        for (int side = 0; side < 2; ++side)
            setReal (data.depth[destCutoff][input][side], side == input ? 0.5 : 0.0);
    }
    const int cv1 = layout.in, cv2 = layout.in + layout.sideChain - 1;
    const double cutoff = data.cutoff->getRealValue();

    SignalGenerator random;
    juce::MidiBuffer midi;

    for (int block = 0; block < 60; ++block)
    {
        auto buffer = processor.makeBuffer (120);
        for (int ch = 0; ch < layout.in; ++ch)
            SignalGenerator::fillSine (buffer, ch, 0.25 + 0.1 * ch, 3000.0, 48000.0, block * 120);
        for (int i = 0; i < 120; ++i)
        {
            buffer.setSample (cv1, i, 0.2f);
            if (cv2 != cv1)
                buffer.setSample (cv2, i, -0.4f);
        }

        if (block == 30)
            setReal (data.power, 0.0);
        const juce::AudioBuffer<float> input (buffer);
        processor->processBlock (buffer, midi);

        if (block == 29)
        {
            EXPECT_NEAR (data.displayValues[2].load(), cutoff + 0.5 * 0.2, 1.0e-6);
            EXPECT_NEAR (data.displayValues[3].load(), cutoff + 0.5 * (cv2 != cv1 ? -0.4 : 0.2), 1.0e-6);
        }

        // Filtered well below the input before; a tenth of that still mixed in 45 ms after
        // "Power" went off; from 50 ms on the input itself, also on a mono output (the
        // average of two equal sides, not their sum).
        for (int ch = 0; ch < layout.out; ++ch)
        {
            const int from = layout.in == 1 ? 0 : ch;
            float largest = 0.0f;
            for (int i = 0; i < 120; ++i)
                largest = std::max (largest, std::abs (buffer.getSample (ch, i) - input.getSample (from, i)));

            if (block == 29)
            {
                EXPECT_LT (buffer.getMagnitude (ch, 0, 120), 0.2f) << ch;
            }
            if (block == 48)
            {
                EXPECT_GT (largest, 0.01f) << ch;
            }
            if (block > 50)
            {
                ASSERT_EQ (largest, 0.0f) << ch << " in block " << block;
            }
        }
    }
}

TEST_P (EveryLayout, withPowerOffFromTheStartTheOutputIsTheInput)
{
    // The crossfade never opens: the output is the input, also on a mono output (the
    // average of two equal channels, not their sum).
    const auto layout = GetParam();
    TestProcessor dry (layout.in, layout.sideChain, layout.out, 44100.0, 128);
    setReal (dry->data.power, 0.0);

    SignalGenerator random;
    juce::MidiBuffer midi;
    for (int block = 0; block < 40; ++block)
    {
        auto buffer = dry.makeBuffer (128);
        for (int ch = 0; ch < buffer.getNumChannels(); ++ch)
            random.fillNoise (buffer, ch, 0.5);
        const Buffer input (buffer);
        dry->processBlock (buffer, midi);
        for (int ch = 0; ch < layout.out; ++ch)
            for (int i = 0; i < 128; ++i)
                ASSERT_EQ (buffer.getSample (ch, i), input.getSample (layout.in == 1 ? 0 : ch, i)) << ch << " " << i;
    }
}

INSTANTIATE_TEST_SUITE_P (Accepted, EveryLayout, ::testing::Values (Layout { 1, 1, 1 }, Layout { 1, 2, 1 }, Layout { 1, 1, 2 },
                                                                    Layout { 1, 2, 2 }, Layout { 2, 1, 2 }, Layout { 2, 2, 2 }),
                          [] (const auto& testInfo) { const auto& l = testInfo.param;
                                                      return "in" + std::to_string (l.in) + "_sc" + std::to_string (l.sideChain)
                                                           + "_out" + std::to_string (l.out); });

TEST (FilterVoice, mendedFaultsOfTheSignalPathAgainstAProcessorThatNeverMetThem)
{
    // A buffer with fewer channels than the layout promises reads silence for the rest.
    {
        TestProcessor full, short_;
        setReal (full->data.depth[destCutoff][0][0], 0.7);
        setReal (short_->data.depth[destCutoff][0][0], 0.7);
        EXPECT_EQ (largestDifference (full, short_, 30, 0, [] (int, Buffer& x)
        {
            x.clear (2, 0, 64);
            x.clear (3, 0, 64);
            Buffer two (2, 64);
            two.copyFrom (0, 0, x, 0, 0, 64);
            two.copyFrom (1, 0, x, 1, 0, 64);
            return two;
        }), 0.0f);
    }

    // A sample rate that is no positive number is ignored.
    {
        TestProcessor told, untouched;
        for (const double rate : { 0.0, -44100.0, std::numeric_limits<double>::quiet_NaN() })
            told->prepareToPlay (rate, 64);
        EXPECT_EQ (told->data.sampleRate.load(), 48000.0);
        EXPECT_EQ (largestDifference (told, untouched, 50, 0), 0.0f);
    }

    // NaN and infinities in input and CV act as zeros and leave no trace in any state.
    {
        TestProcessor hostile, clean;
        for (auto* p : { &hostile, &clean })
        {
            setReal ((*p)->data.resonance, 1.05);
            setReal ((*p)->data.drive, 0.7);
            setReal ((*p)->data.depth[destCutoff][0][0], 0.5);
            setReal ((*p)->data.depth[destIn][1][1], 0.5);
        }
        const float bad[] = { std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                              -std::numeric_limits<float>::infinity() };
        EXPECT_EQ (largestDifference (hostile, clean, 200, 0, [&] (int block, Buffer& x)
        {
            Buffer y (x);
            for (int ch = 0; ch < 4 && block < 100; ++ch)
                for (int i = 0; i < 64; i += 7)
                {
                    x.setSample (ch, i, bad[(i / 7) % 3]);
                    y.setSample (ch, i, 0.0f);
                }
            return y;
        }), 0.0f);
    }

    // Drive pushed past 1 (or below 0) by the side chain sounds like Drive at 1 (or 0):
    // unlimited, the level compensation would turn into gain of the wrong sign.
    for (const double drive : { 1.0, 0.0 })
    {
        TestProcessor pushed, plain;
        for (auto* p : { &pushed, &plain })
        {
            clearModulation ((*p)->data);
            setReal ((*p)->data.drive, drive);
            setReal ((*p)->data.driveMode, 1.0);
        }
        setReal (pushed->data.depth[destDrive][0][0], drive > 0.5 ? 1.0 : -1.0);

        // Compared once the start-up ramps (which differ) have died away.
        EXPECT_LT (largestDifference (pushed, plain, 300, 150, [] (int, Buffer& x)
        {
            Buffer y (x);
            for (int i = 0; i < 64; ++i)
                x.setSample (2, i, 1.0f);   // CV 1 fully on
            return y;
        }), 1.0e-6f) << "drive " << drive;
        EXPECT_EQ (pushed->data.displayValues[8].load(), drive);
    }
}

//==============================================================================
namespace
{
    struct Settings { double resonance, drive, driveMode, in, out, type; };

    class HostileInput : public ::testing::TestWithParam<Settings> {};
}

TEST_P (HostileInput, outputStaysFiniteAndBoundedWithoutAllocating)
{
    const auto s = GetParam();
    TestProcessor processor (2, 2, 2, 48000.0, 256);
    auto& data = processor->data;
    setReal (data.resonance, s.resonance);
    setReal (data.drive, s.drive);
    setReal (data.driveMode, s.driveMode);
    setReal (data.in, s.in);
    setReal (data.out, s.out);
    setReal (data.type, s.type);
    for (int d = 0; d < numDestinations; ++d)
    {
        setReal (data.depth[d][0][0], 1.0);
        setReal (data.stereoMode[d][1], 2.0);
        setReal (data.depth[d][1][1], -1.0);
    }

    SignalGenerator random (17);
    juce::MidiBuffer midi;
    auto buffer = processor.makeBuffer (256);
    float peak = 0.0f;
    std::size_t allocations = 0;

    for (int block = 0; block < 400; ++block)
    {
        for (int ch = 0; ch < buffer.getNumChannels(); ++ch)
            for (int i = 0; i < 256; ++i)
                buffer.setSample (ch, i, random.hostile());

        {
            AllocationCounter counter;
            processor->processBlock (buffer, midi);
            allocations += counter.count();
        }

        for (int ch = 0; ch < 2; ++ch)
            for (int i = 0; i < 256; ++i)
            {
                const float v = buffer.getSample (ch, i);
                ASSERT_TRUE (std::isfinite (v)) << "block " << block << " channel " << ch << " sample " << i;
                if (block >= 10)   // after the fade-in only the wet signal is heard
                    peak = std::max (peak, std::abs (v));
            }
    }

    EXPECT_EQ (allocations, 0u);

    // The wet path is bounded whatever comes in: the filter's input clipper and the drive
    // shapers limit it, the levels and boosts scale it by a bounded amount.
    EXPECT_LT (peak, 100.0f);
    for (int i = 0; i < ProcessorData::numDisplayValues; ++i)
        EXPECT_TRUE (std::isfinite (data.displayValues[i].load()));
    for (int side = 0; side < 2; ++side)
        for (auto* meter : { &data.inputLevel[side], &data.outputLevel[side], &data.cvLevel[side] })
            EXPECT_TRUE (std::isfinite (meter->load())) << side;
}

INSTANTIATE_TEST_SUITE_P (Settings, HostileInput, ::testing::Values (
    Settings { 1.1, 1.0, 1.0, 1.0, 1.0, 0.5 },
    Settings { 1.1, 1.0, 0.0, 1.0, 1.0, 0.0 },
    Settings { 0.0, 0.0, 0.0, 0.75, 0.75, 1.0 },
    Settings { 0.6, 0.5, 0.5, 0.3, 1.0, 0.25 }));

TEST (HostileInput, parameterValuesThatAreNotNumbersAreIgnored)
{
    TestProcessor processor, clean;

    // A host may hand over anything as a normalised value.
    auto& data = processor->data;
    data.cutoff->setValue (std::numeric_limits<float>::quiet_NaN());
    data.resonance->setValue (std::numeric_limits<float>::infinity());
    data.driveMode->setValue (40.0f);
    data.depth[destDrive][0][0]->setValue (-1.0e30f);
    data.stereoMode[destIn][0]->setValue (std::numeric_limits<float>::quiet_NaN());

    EXPECT_TRUE (std::isfinite (largestDifference (processor, clean, 200, 0)));
    for (int i = 0; i < ProcessorData::numDisplayValues; ++i)
        EXPECT_TRUE (std::isfinite (data.displayValues[i].load())) << i;
}

//==============================================================================
namespace
{
    /** Runs DC 0.5 through a processor whose wet signal is silent ("Out" 0), so that the
        output is (1 - fade) x 0.5; returns channel 0. */
    std::vector<float> runDryWet (TestProcessor& processor, int numSamples)
    {
        std::vector<float> out;
        juce::MidiBuffer midi;
        for (int done = 0; done < numSamples; done += 100)
        {
            auto buffer = processor.makeBuffer (100);
            for (int ch = 0; ch < 2; ++ch)
                juce::FloatVectorOperations::fill (buffer.getWritePointer (ch), 0.5f, 100);
            processor->processBlock (buffer, midi);
            out.insert (out.end(), buffer.getReadPointer (0), buffer.getReadPointer (0) + 100);
        }
        return out;
    }

    class PowerCrossfade : public ::testing::TestWithParam<double> {};
}

TEST_P (PowerCrossfade, takesFiftyMillisecondsLinearlyBothWays)
{
    const double fs = GetParam();
    const size_t length = (size_t) std::round (fs * 0.05);
    TestProcessor processor (2, 2, 2, fs, 100);
    setReal (processor->data.out, 0.0);

    // After construction the effect fades in; "Power" off fades back to the dry signal.
    for (const bool fadeIn : { true, false })
    {
        if (! fadeIn)
            setReal (processor->data.power, 0.0);
        const auto out = runDryWet (processor, 2 * (int) length);
        const float end = fadeIn ? 0.0f : 0.5f;
        EXPECT_NEAR (out[length / 2], 0.25f, 0.001f);
        EXPECT_NE (out[length - 3], end);
        EXPECT_EQ (out[length + 1], end);
        EXPECT_NEAR (std::find (out.begin(), out.end(), end) - out.begin(), (long) length, 2);
    }
}

INSTANTIATE_TEST_SUITE_P (Rates, PowerCrossfade, ::testing::Values (44100.0, 48000.0, 96000.0));

//==============================================================================
namespace
{
    /** Renders numSamples with constant CV 1 and CV 2 and returns the display values. */
    std::array<double, 12> displayAfter (TestProcessor& processor, int numSamples, float cv1, float cv2)
    {
        juce::MidiBuffer midi;
        auto buffer = processor.makeBuffer (numSamples);
        juce::FloatVectorOperations::fill (buffer.getWritePointer (2), cv1, numSamples);
        juce::FloatVectorOperations::fill (buffer.getWritePointer (3), cv2, numSamples);
        processor->processBlock (buffer, midi);

        std::array<double, 12> values {};
        for (size_t i = 0; i < values.size(); ++i)
            values[i] = processor->data.displayValues[i].load();
        return values;
    }

    struct ModeCase { int destination; int mode; };

    class StereoModes : public ::testing::TestWithParam<ModeCase> {};
}

TEST_P (StereoModes, monoLinkedAndUnlinkedPickTheDepthOfEachSide)
{
    const auto [destination, mode] = GetParam();
    TestProcessor processor;
    auto& data = processor->data;
    clearModulation (data);
    for (QuilParam* p : { (QuilParam*) data.in, (QuilParam*) data.cutoff, (QuilParam*) data.resonance, (QuilParam*) data.type,
                           (QuilParam*) data.drive, (QuilParam*) data.out })
        setReal (p, 0.5);

    setReal (data.stereoMode[destination][0], mode);
    setReal (data.depth[destination][0][0], 0.5);
    setReal (data.depth[destination][0][1], -0.3);

    const double left = data.depth[destination][0][0]->getRealValue();
    const double right = data.depth[destination][0][1]->getRealValue();
    const double rightDepth = mode == 0 ? left : mode == 1 ? -left : right;
    const auto shown = displayAfter (processor, 4096, 0.4f, 0.9f);

    // Display values hold each destination's left and right value in turn.
    EXPECT_NEAR (shown[(size_t) (2 * destination)], 0.5 + left * 0.4, 1.0e-6);
    EXPECT_NEAR (shown[(size_t) (2 * destination + 1)], 0.5 + rightDepth * 0.4, 1.0e-6);
}

INSTANTIATE_TEST_SUITE_P (DestinationsAndModes, StereoModes, ::testing::Values (
    ModeCase { destIn, 0 }, ModeCase { destIn, 1 }, ModeCase { destIn, 2 },
    ModeCase { destCutoff, 0 }, ModeCase { destCutoff, 1 }, ModeCase { destCutoff, 2 },
    ModeCase { destResonance, 1 }, ModeCase { destType, 2 }, ModeCase { destDrive, 1 }, ModeCase { destOut, 2 }));

TEST (CvDepth, depthsBelowAQuarterFollowACubicCurve)
{
    for (const double depth : { 0.2, -0.1, 0.24, 0.25, -0.25, 0.6, -1.0 })
    {
        TestProcessor processor;
        auto& data = processor->data;
        clearModulation (data);
        setReal (data.in, 0.5);
        setReal (data.depth[destIn][1][0], depth);

        const double v = data.depth[destIn][1][0]->getRealValue();
        const double acting = std::abs (v) < 0.25 ? 16.0 * v * v * v : v;
        EXPECT_NEAR (displayAfter (processor, 4096, 0.0f, 1.0f)[0], std::clamp (0.5 + acting, 0.0, 1.0), 1.0e-6) << depth;
    }
}

//==============================================================================
class Smoothing : public ::testing::TestWithParam<double> {};

TEST_P (Smoothing, parameterChangesRampOverFiftyMilliseconds)
{
    const double fs = GetParam();
    const int length = (int) (fs * 0.05);

    TestProcessor processor (2, 2, 2, fs, 64);
    auto& data = processor->data;
    clearModulation (data);
    setReal (data.in, 0.75);
    auto shownIn = [&] (int numSamples) { return displayAfter (processor, numSamples, 1.0f, 0.0f)[0]; };
    shownIn (2 * length);

    // A main parameter: one step per sample.
    setReal (data.in, 0.25);
    const double target = data.in->getRealValue();
    EXPECT_NEAR (shownIn (length - 1), target - (target - 0.75) / length, 1.0e-9);
    EXPECT_NEAR (shownIn (1), target, 1.0e-12);

    // A depth advances twice per sample (once on each side's pass); the left side uses
    // the first advance, so it arrives after ceil((length + 1) / 2) samples.
    setReal (data.depth[destIn][0][0], 0.5);
    const int depthSamples = (length + 2) / 2;
    EXPECT_LT (shownIn (depthSamples - 1), target + 0.5 - 1.0e-7);
    EXPECT_NEAR (shownIn (1), std::min (1.0, target + 0.5), 1.0e-12);
}

INSTANTIATE_TEST_SUITE_P (Rates, Smoothing, ::testing::Values (44100.0, 96000.0));

TEST (FilterVoice, parameterChangeBetweenStretchesActsFromTheNextStretch)
{
    // A block rendered as two stretches with a change between them (as a learnt MIDI
    // controller makes it) sounds the same as two host blocks with the change between.
    TestProcessor split, blocks;
    auto* voice = dynamic_cast<FilterVoice*> (split->synth.getVoice (0));
    ASSERT_NE (voice, nullptr);
    SignalGenerator random (3);
    juce::MidiBuffer midi;

    for (int round = 0; round < 20; ++round)
    {
        auto whole = split.makeBuffer (64);
        random.fillNoise (whole, 0, 0.5);
        random.fillNoise (whole, 1, 0.5);
        Buffer halves[] = { blocks.makeBuffer (32), blocks.makeBuffer (32) };
        const double cutoffs[] = { 0.3 + 0.02 * round, 0.6 - 0.01 * round };

        for (int h = 0; h < 2; ++h)
        {
            for (int ch = 0; ch < 2; ++ch)
                halves[h].copyFrom (ch, 0, whole, ch, 32 * h, 32);
            setReal (blocks->data.cutoff, cutoffs[h]);
            blocks->processBlock (halves[h], midi);

            juce::ScopedNoDenormals noDenormals;
            const juce::ScopedLock lock (split->getAudioLock());
            setReal (split->data.cutoff, cutoffs[h]);
            voice->renderNextBlock (whole, 32 * h, 32);
        }

        for (int ch = 0; ch < 2; ++ch)
            for (int i = 0; i < 64; ++i)
                ASSERT_EQ (whole.getSample (ch, i), halves[i / 32].getSample (ch, i % 32));
    }
}
