// The engine (two channels side by side, chunked, pipelined oversampling) must give the
// same bits as the plain scalar model in ReferenceVoice.h, for every layout, rate, block
// size, setting and input, including splits of a block into several render stretches.

#include "dsp/ReferenceVoice.h"
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

    struct Run
    {
        double sampleRate;
        int blockSize;
        int numBlocks;
        bool hostileInput;   // NaN, infinities, denormals and huge values in the input and CV
        bool splitBlocks;    // render each block in stretches, changing parameters between them
    };

    struct Case
    {
        Layout layout;
        Run run;
    };

    std::string describe (const Case& c)
    {
        return "in" + std::to_string (c.layout.in) + "_sc" + std::to_string (c.layout.sideChain)
             + "_out" + std::to_string (c.layout.out) + "_" + std::to_string ((int) c.run.sampleRate)
             + "Hz_" + std::to_string (c.run.blockSize) + (c.run.hostileInput ? "_hostile" : "")
             + (c.run.splitBlocks ? "_split" : "");
    }

    std::string caseName (const ::testing::TestParamInfo<Case>& info) { return describe (info.param); }

    void PrintTo (const Case& c, std::ostream* os) { *os << describe (c); }

    /** Changes settings over the run so that ramps overlap, modes switch and every
        modulation destination moves. */
    void applySettings (ProcessorData& data, int block, int numBlocks, SignalGenerator& random)
    {
        const int phase = block % 6;

        if (block == 0)
        {
            const double depths[numDestinations][2][2] = {
                { { 0.6, -0.3 }, { 0.1, 0.2 } },      // In
                { { 0.9, 0.4 },  { -0.5, 0.35 } },    // Cutoff
                { { 0.5, -0.6 }, { 0.2, 0.3 } },      // Resonance
                { { -0.7, 0.8 }, { 0.24, -0.26 } },   // Type
                { { 0.8, 0.3 },  { 0.7, -0.9 } },     // Drive (pushes beyond 0..1)
                { { -0.4, 0.5 }, { 0.3, 0.15 } } };   // Out

            for (int d = 0; d < numDestinations; ++d)
                for (int input = 0; input < 2; ++input)
                {
                    setReal (data.stereoMode[d][input], (double) ((d + input) % 3));
                    for (int side = 0; side < 2; ++side)
                        setReal (data.depth[d][input][side], depths[d][input][side]);
                }
        }

        if (phase == 0) setReal (data.cutoff, 0.15 + 0.8 * std::abs (random.noise()));
        if (phase == 1) setReal (data.resonance, 1.1 * std::abs (random.noise()));
        if (phase == 2) setReal (data.type, std::abs (random.noise()));
        if (phase == 3) setReal (data.drive, std::abs (random.noise()));
        if (phase == 4) setReal (data.driveMode, block % 12 < 6 ? 1.0 : 0.0);
        if (phase == 5)
        {
            setReal (data.in, 0.5 + 0.5 * std::abs (random.noise()));
            setReal (data.out, 0.4 + 0.6 * std::abs (random.noise()));
        }

        // Power off for a stretch in the middle of the run, then on again.
        setReal (data.power, (block > numBlocks / 3 && block < numBlocks / 2) ? 0.0 : 1.0);

        if (block % 7 == 3)
            setReal (data.stereoMode[destCutoff][0], (double) (block % 3));
    }

    void fillInput (juce::AudioBuffer<float>& buffer, const Layout& layout, const Run& run,
                    long long start, SignalGenerator& random)
    {
        const int mainChannels = layout.in;
        for (int ch = 0; ch < buffer.getNumChannels(); ++ch)
            for (int i = 0; i < buffer.getNumSamples(); ++i)
            {
                double v;
                if (ch < mainChannels)
                    v = 0.5 * random.noise() + (random.noise() > 0.995 ? 2.5 : 0.0);
                else   // CV: a slow sine per input plus a little noise
                    v = 0.9 * SignalGenerator::sine (ch == mainChannels ? 3.0 : 5.5, run.sampleRate, start + i)
                      + 0.1 * random.noise();

                if (run.hostileInput)
                {
                    const double pick = random.noise();
                    if (pick > 0.99)       v = std::numeric_limits<double>::quiet_NaN();
                    else if (pick > 0.98)  v = std::numeric_limits<double>::infinity();
                    else if (pick > 0.97)  v = -std::numeric_limits<double>::infinity();
                    else if (pick > 0.96)  v = 1.0e-40;   // denormal as a float
                    else if (pick > 0.95)  v = -3.0e38;
                }

                buffer.setSample (ch, i, (float) v);
            }
    }

    class EngineMatchesReference : public ::testing::TestWithParam<Case> {};
}

TEST_P (EngineMatchesReference, outputsMetersAndDisplayValuesAreBitIdentical)
{
    const auto [layout, run] = GetParam();

    TestProcessor processor (layout.in, layout.sideChain, layout.out, run.sampleRate, run.blockSize);
    auto& data = processor->data;
    auto* voice = dynamic_cast<FilterVoice*> (processor->synth.getVoice (0));
    ASSERT_NE (voice, nullptr);

    reference::Voice model (data);
    model.prepare (run.sampleRate, run.blockSize);

    SignalGenerator settingsRandom (11), inputRandom (23);
    juce::MidiBuffer midi;
    long long position = 0;

    for (int block = 0; block < run.numBlocks; ++block)
    {
        applySettings (data, block, run.numBlocks, settingsRandom);

        auto engineBuffer = processor.makeBuffer (run.blockSize);
        fillInput (engineBuffer, layout, run, position, inputRandom);
        juce::AudioBuffer<float> modelBuffer (engineBuffer);

        if (! run.splitBlocks)
        {
            processor->processBlock (engineBuffer, midi);

            juce::ScopedNoDenormals noDenormals;
            model.render (modelBuffer, 0, run.blockSize);
        }
        else
        {
            // The stretches the synthesiser makes at MIDI events, with a parameter
            // change at each boundary (as a learnt controller would make).
            // What processBlock does before it renders.
            data.mainInputChannels.store (layout.in);
            data.sideChainChannels.store (layout.sideChain);
            data.mainOutputChannels.store (layout.out);

            const int cuts[] = { 0, std::min (1, run.blockSize), run.blockSize / 3, run.blockSize / 2, run.blockSize };
            juce::ScopedNoDenormals noDenormals;

            for (int s = 0; s + 1 < 5; ++s)
            {
                const int length = cuts[s + 1] - cuts[s];
                if (length <= 0)
                    continue;

                setReal (data.cutoff, 0.2 + 0.1 * s);
                setReal (data.depth[destResonance][0][1], -0.2 * s);

                {
                    const juce::ScopedLock lock (processor->getAudioLock());
                    voice->renderNextBlock (engineBuffer, cuts[s], length);
                }
                model.render (modelBuffer, cuts[s], length);
            }
        }

        for (int ch = 0; ch < engineBuffer.getNumChannels(); ++ch)
            ASSERT_EQ (std::memcmp (engineBuffer.getReadPointer (ch), modelBuffer.getReadPointer (ch),
                                    sizeof (float) * (size_t) run.blockSize), 0)
                << "channel " << ch << " of block " << block;

        for (int side = 0; side < 2; ++side)
        {
            ASSERT_EQ (voice->lastWet (side), model.lastWet (side)) << "block " << block;
            ASSERT_EQ (data.inputLevel[side].load(), model.inputLevel[side]) << "block " << block;
            ASSERT_EQ (data.outputLevel[side].load(), model.outputLevel[side]) << "block " << block;
            ASSERT_EQ (data.cvLevel[side].load(), model.cvLevel[side]) << "block " << block;
            ASSERT_EQ (data.inputClip[side].load(), model.inputClip[side]) << "block " << block;
            ASSERT_EQ (data.outputClip[side].load(), model.outputClip[side]) << "block " << block;
        }

        for (int i = 0; i < ProcessorData::numDisplayValues; ++i)
            ASSERT_EQ (data.displayValues[i].load(), model.displayValues[i]) << "display value " << i << " of block " << block;

        position += run.blockSize;
    }
}

INSTANTIATE_TEST_SUITE_P (Layouts, EngineMatchesReference, ::testing::Values (
    Case { { 2, 2, 2 }, { 48000.0, 64, 120, false, false } },
    Case { { 2, 1, 2 }, { 48000.0, 64, 120, false, false } },
    Case { { 1, 1, 1 }, { 48000.0, 64, 120, false, false } },
    Case { { 1, 2, 1 }, { 48000.0, 64, 120, false, false } },
    Case { { 1, 1, 2 }, { 48000.0, 64, 120, false, false } },
    Case { { 1, 2, 2 }, { 48000.0, 64, 120, false, false } }),
    caseName);

INSTANTIATE_TEST_SUITE_P (RatesAndBlocks, EngineMatchesReference, ::testing::Values (
    Case { { 2, 2, 2 }, { 44100.0, 128, 60, false, false } },
    Case { { 2, 2, 2 }, { 96000.0, 100, 80, false, false } },
    Case { { 2, 2, 2 }, { 22050.0, 300, 30, false, false } },
    Case { { 2, 2, 2 }, { 48000.0, 1, 3000, false, false } },
    Case { { 2, 2, 2 }, { 192000.0, 1000, 20, false, false } }),
    caseName);

INSTANTIATE_TEST_SUITE_P (HostileAndSplit, EngineMatchesReference, ::testing::Values (
    Case { { 2, 2, 2 }, { 48000.0, 64, 100, true, false } },
    Case { { 1, 1, 1 }, { 44100.0, 97, 60, true, false } },
    Case { { 2, 2, 2 }, { 48000.0, 96, 60, false, true } },
    Case { { 1, 2, 2 }, { 44100.0, 200, 40, true, true } }),
    caseName);
