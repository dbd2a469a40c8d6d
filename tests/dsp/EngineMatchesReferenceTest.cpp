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
    struct Case
    {
        int in, sideChain, out;
        double sampleRate;
        int blockSize, numBlocks;
        bool hostileInput;   // NaN, infinities, denormals and huge values in the input and CV
        bool splitBlocks;    // render each block in stretches, changing parameters between them
    };

    void PrintTo (const Case& c, std::ostream* os)
    {
        *os << c.in << c.sideChain << c.out << " " << c.sampleRate << " Hz, " << c.blockSize
            << (c.hostileInput ? " hostile" : "") << (c.splitBlocks ? " split" : "");
    }

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

    void fillInput (juce::AudioBuffer<float>& buffer, const Case& c, long long start, SignalGenerator& random)
    {
        for (int ch = 0; ch < buffer.getNumChannels(); ++ch)
            for (int i = 0; i < buffer.getNumSamples(); ++i)
            {
                if (c.hostileInput && random.noise() > 0.9)
                    buffer.setSample (ch, i, random.hostile());
                else if (ch < c.in)
                    buffer.setSample (ch, i, (float) (0.5 * random.noise() + (random.noise() > 0.995 ? 2.5 : 0.0)));
                else   // CV: a slow sine per input plus a little noise
                    buffer.setSample (ch, i, (float) (0.9 * SignalGenerator::sine (ch == c.in ? 3.0 : 5.5, c.sampleRate, start + i)
                                                      + 0.1 * random.noise()));
            }
    }

    class EngineMatchesReference : public ::testing::TestWithParam<Case> {};
}

TEST_P (EngineMatchesReference, outputsMetersAndDisplayValuesAreBitIdentical)
{
    const auto run = GetParam();

    TestProcessor processor (run.in, run.sideChain, run.out, run.sampleRate, run.blockSize);
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
        fillInput (engineBuffer, run, position, inputRandom);
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
            // change at each boundary (as a learnt controller would make); first what
            // processBlock does before it renders.
            data.mainInputChannels.store (run.in);
            data.sideChainChannels.store (run.sideChain);
            data.mainOutputChannels.store (run.out);

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

INSTANTIATE_TEST_SUITE_P (Runs, EngineMatchesReference, ::testing::Values (
    // Every accepted layout.
    Case { 2, 2, 2, 48000.0, 64, 120, false, false }, Case { 2, 1, 2, 48000.0, 64, 120, false, false },
    Case { 1, 1, 1, 48000.0, 64, 120, false, false }, Case { 1, 2, 1, 48000.0, 64, 120, false, false },
    Case { 1, 1, 2, 48000.0, 64, 120, false, false }, Case { 1, 2, 2, 48000.0, 64, 120, false, false },
    // Rates and block sizes.
    Case { 2, 2, 2, 44100.0, 128, 60, false, false }, Case { 2, 2, 2, 96000.0, 100, 80, false, false },
    Case { 2, 2, 2, 22050.0, 300, 30, false, false }, Case { 2, 2, 2, 48000.0, 1, 3000, false, false },
    Case { 2, 2, 2, 192000.0, 1000, 20, false, false },
    // Hostile input and blocks split into stretches.
    Case { 2, 2, 2, 48000.0, 64, 100, true, false }, Case { 1, 1, 1, 44100.0, 97, 60, true, false },
    Case { 2, 2, 2, 48000.0, 96, 60, false, true }, Case { 1, 2, 2, 44100.0, 200, 40, true, true }),
    [] (const auto& testInfo) { const auto& c = testInfo.param;
                            return "in" + std::to_string (c.in) + "_sc" + std::to_string (c.sideChain) + "_out" + std::to_string (c.out)
                                 + "_" + std::to_string ((int) c.sampleRate) + "Hz_" + std::to_string (c.blockSize)
                                 + (c.hostileInput ? "_hostile" : "") + (c.splitBlocks ? "_split" : ""); });
