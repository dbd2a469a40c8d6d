// The engine (two channels side by side, chunked, pipelined oversampling) must give the
// same bits as the plain scalar model in ReferenceVoice.h, for every layout, rate, block
// size, setting and input, including splits of a block into several render stretches,
// and stay finite, bounded and free of allocation whatever comes in.

#include "dsp/ReferenceVoice.h"
#include "dsp/FilterVoice.h"
#include "support/AllocationCounter.h"
#include "support/ParameterHelpers.h"
#include "support/ProcessorFixture.h"
#include "support/SignalGenerator.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <tuple>

namespace
{
    enum Flags { plain = 0, hostile = 1, split = 2, extreme = 4, twoChannelBuffer = 8 };

    struct Case
    {
        int in, sideChain, out;
        double sampleRate;
        int blockSize, numBlocks, flags;
    };
    void PrintTo (const Case& c, std::ostream* os) { *os << c.in << c.sideChain << c.out << " " << c.sampleRate << " Hz, " << c.blockSize << " flags " << c.flags; }

    /** Changes settings over the run so that ramps overlap, modes switch and every
        modulation destination moves; "extreme" runs at the ends of every range. */
    void applySettings (ProcessorData& data, const Case& c, int block, SignalGenerator& random)
    {
        const double limit = (c.flags & extreme) != 0 ? 1.0 : 0.0;
        if (block == 0)
        {
            const double depths[numDestinations][2][2] = { { { 0.6, -0.3 }, { 0.1, 0.2 } },   { { 0.9, 0.4 }, { -0.5, 0.35 } },
                                                           { { 0.5, -0.6 }, { 0.2, 0.3 } },   { { -0.7, 0.8 }, { 0.24, -0.26 } },
                                                           { { 0.8, 0.3 }, { 0.7, -0.9 } },   { { -0.4, 0.5 }, { 0.3, 0.15 } } };
            for (int d = 0; d < numDestinations; ++d)
                for (int input = 0; input < 2; ++input)
                {
                    setReal (data.stereoMode[d][input], (double) ((d + input) % 3));
                    for (int side = 0; side < 2; ++side)
                        setReal (data.depth[d][input][side], limit > 0.0 ? (side == input ? 1.0 : -1.0) : depths[d][input][side]);
                }

            // A host may hand over anything as a normalised value.
            const float infinity = std::numeric_limits<float>::infinity(), bad[] = { std::nanf (""), infinity, -infinity, 40.0f };
            QuilParam* const targets[] = { data.cutoff, data.type, data.stereoMode[destIn][0], data.driveMode };
            for (int i = 0; i < 4 && limit > 0.0; ++i)
                targets[i]->setValue (bad[i]);
        }

        const double r = std::abs (random.noise());
        switch (block % 6)
        {
            case 0: setReal (data.cutoff, 0.15 + 0.8 * r); break;
            case 1: setReal (data.resonance, std::max (limit, r) * 1.1); break;
            case 2: setReal (data.type, r); break;
            case 3: setReal (data.drive, std::max (limit, r)); break;
            case 4: setReal (data.driveMode, block % 12 < 6 ? 1.0 : 0.0); break;
            default: setReal (data.in, std::max (limit, 0.5 + 0.5 * r)); setReal (data.out, std::max (limit, 0.4 + 0.6 * r)); break;
        }

        // Power off for a stretch in the middle of the run, then on again.
        setReal (data.power, (block > c.numBlocks / 3 && block < c.numBlocks / 2) ? 0.0 : 1.0);
        if (block % 7 == 3)
            setReal (data.stereoMode[destCutoff][0], (double) (block % 3));
    }

    void fillInput (juce::AudioBuffer<float>& buffer, const Case& c, long long start, SignalGenerator& random)
    {
        for (int ch = 0; ch < buffer.getNumChannels(); ++ch)
            for (int i = 0; i < buffer.getNumSamples(); ++i)
            {
                if ((c.flags & hostile) != 0 && random.noise() > 0.9)
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
    for (const double badRate : { 0.0, -44100.0, std::numeric_limits<double>::quiet_NaN() })
        processor->prepareToPlay (badRate, 64);   // ignored

    auto& data = processor->data;
    auto* voice = dynamic_cast<FilterVoice*> (processor->synth.getVoice (0));
    ASSERT_NE (voice, nullptr);

    reference::Voice model (data);
    model.prepare (run.sampleRate, run.blockSize);

    SignalGenerator settingsRandom (11), inputRandom (23);
    long long position = 0;
    std::size_t allocations = 0;

    for (int block = 0; block < run.numBlocks; ++block)
    {
        applySettings (data, run, block, settingsRandom);

        auto engineBuffer = processor.makeBuffer (run.blockSize);
        fillInput (engineBuffer, run, position, inputRandom);
        if ((run.flags & twoChannelBuffer) != 0)   // fewer channels than the layout promises
            engineBuffer.setSize (2, run.blockSize, true);
        juce::AudioBuffer<float> modelBuffer (engineBuffer);

        if ((run.flags & split) == 0)
        {
            // Controller 120 now and then: the filter starts again from zero.
            juce::MidiBuffer midi;
            if (block % 25 == 24)
                midi.addEvent (juce::MidiMessage::controllerEvent (1, 120, 0), 0);
            {
                AllocationCounter counter;
                processor->processBlock (engineBuffer, midi);
                allocations += counter.count();
            }

            juce::ScopedNoDenormals noDenormals;
            if (! midi.isEmpty())
                model.resetFilter();
            model.render (modelBuffer, 0, run.blockSize);
        }
        else
        {
            // The stretches the synthesiser makes at MIDI events, with a parameter change
            // at each boundary (as a learnt controller makes it); first what processBlock
            // does before it renders.
            data.mainInputChannels.store (run.in);
            data.sideChainChannels.store (run.sideChain);
            data.mainOutputChannels.store (run.out);

            const int cuts[] = { 0, std::min (1, run.blockSize), run.blockSize / 3, run.blockSize / 2, run.blockSize };
            juce::ScopedNoDenormals noDenormals;

            for (int s = 0; s < 4; ++s)
                if (const int length = cuts[s + 1] - cuts[s]; length > 0)
                {
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
        {
            ASSERT_EQ (std::memcmp (engineBuffer.getReadPointer (ch), modelBuffer.getReadPointer (ch),
                                    sizeof (float) * (size_t) run.blockSize), 0) << "channel " << ch << " of block " << block;
            for (int i = 0; i < run.blockSize && ch < run.out; ++i)
                ASSERT_TRUE (std::isfinite (engineBuffer.getSample (ch, i))) << "block " << block;
        }

        for (int side = 0; side < 2; ++side)
        {
            ASSERT_EQ (std::tuple (data.inputLevel[side].load(), data.outputLevel[side].load(), data.cvLevel[side].load(),
                                   data.inputClip[side].load(), data.outputClip[side].load()),
                       std::tuple (model.inputLevel[side], model.outputLevel[side], model.cvLevel[side],
                                   model.inputClip[side], model.outputClip[side])) << "meters of side " << side << " in block " << block;

            // Bounded whatever comes in: the input clipper and drive shapers limit the wet path.
            ASSERT_TRUE (data.outputLevel[side].load() < 100.0f && std::isfinite (data.inputLevel[side].load())) << "block " << block;
        }

        for (int i = 0; i < ProcessorData::numDisplayValues; ++i)
            ASSERT_EQ (data.displayValues[i].load(), model.displayValues[i]) << "display value " << i << " of block " << block;

        position += run.blockSize;
    }

    EXPECT_EQ (allocations, 0u);
}

INSTANTIATE_TEST_SUITE_P (Runs, EngineMatchesReference, ::testing::Values (
    // Every accepted layout.
    Case { 2, 2, 2, 48000.0, 64, 120, plain }, Case { 2, 1, 2, 48000.0, 64, 120, plain }, Case { 1, 1, 1, 48000.0, 64, 120, plain },
    Case { 1, 2, 1, 48000.0, 64, 120, plain }, Case { 1, 1, 2, 48000.0, 64, 120, plain }, Case { 1, 2, 2, 48000.0, 64, 120, plain },
    // Rates and block sizes, down to blocks longer than the meters' release time.
    Case { 2, 2, 2, 44100.0, 128, 60, plain }, Case { 2, 2, 2, 96000.0, 100, 80, plain }, Case { 2, 2, 2, 22050.0, 300, 30, plain },
    Case { 2, 2, 2, 48000.0, 1, 3000, plain }, Case { 2, 2, 2, 192000.0, 1000, 20, plain }, Case { 2, 1, 2, 8000.0, 2048, 12, plain },
    // Hostile input and settings, short buffers, blocks split into stretches.
    Case { 2, 2, 2, 48000.0, 64, 100, hostile }, Case { 1, 1, 1, 44100.0, 97, 60, hostile },
    Case { 2, 2, 2, 48000.0, 256, 100, hostile | extreme }, Case { 1, 2, 2, 48000.0, 256, 60, hostile | extreme },
    Case { 2, 2, 2, 48000.0, 64, 60, twoChannelBuffer }, Case { 2, 2, 2, 48000.0, 96, 60, split },
    Case { 1, 2, 2, 44100.0, 200, 40, hostile | split }));
