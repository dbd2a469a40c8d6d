// Hostile input on the audio thread: noise, NaN, infinities, denormal-range and huge
// samples in the main input and the side chain, at extreme settings. The audio callback
// must stay finite and bounded and must never allocate.

#include "support/AllocationCounter.h"
#include "support/ParameterHelpers.h"
#include "support/ProcessorFixture.h"
#include "support/SignalGenerator.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>

namespace
{
    float hostileSample (SignalGenerator& random)
    {
        const double pick = random.noise();
        if (pick > 0.98) return std::numeric_limits<float>::quiet_NaN();
        if (pick > 0.96) return std::numeric_limits<float>::infinity();
        if (pick > 0.94) return -std::numeric_limits<float>::infinity();
        if (pick > 0.92) return 1.0e-41f;                                   // denormal
        if (pick > 0.90) return -std::numeric_limits<float>::denorm_min();
        if (pick > 0.88) return 3.0e38f;
        if (pick > 0.86) return -1.0e20f;
        return (float) random.noise();
    }

    struct Settings { double resonance, drive, driveMode, in, out, type; };

    void PrintTo (const Settings& s, std::ostream* os)
    {
        *os << "resonance " << s.resonance << ", drive " << s.drive << ", mode " << s.driveMode
            << ", in " << s.in << ", out " << s.out << ", type " << s.type;
    }

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
        setReal (data.depth[d][1][1], -1.0);
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
                buffer.setSample (ch, i, hostileSample (random));

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

    for (int ch = 0; ch < ProcessorData::numDisplayValues; ++ch)
        EXPECT_TRUE (std::isfinite (data.displayValues[ch].load()));
    EXPECT_TRUE (std::isfinite (data.inputLevel[0].load()));
    EXPECT_TRUE (std::isfinite (data.outputLevel[1].load()));
    EXPECT_TRUE (std::isfinite (data.cvLevel[0].load()));
}

INSTANTIATE_TEST_SUITE_P (Settings, HostileInput, ::testing::Values (
    Settings { 1.1, 1.0, 1.0, 1.0, 1.0, 0.5 },
    Settings { 1.1, 1.0, 0.0, 1.0, 1.0, 0.0 },
    Settings { 0.0, 0.0, 0.0, 0.75, 0.75, 1.0 },
    Settings { 0.6, 0.5, 0.5, 0.3, 1.0, 0.25 }));

TEST (HostileInput, nonFiniteSamplesActAsSilenceAndLeaveNoTrace)
{
    // A processor given NaN and infinities and one given zeros in their place produce the
    // same bits, also afterwards: nothing poisoned a filter state.
    TestProcessor hostile (2, 2, 2, 48000.0, 64), clean (2, 2, 2, 48000.0, 64);
    for (auto* p : { &hostile, &clean })
    {
        setReal ((*p)->data.resonance, 1.05);
        setReal ((*p)->data.drive, 0.7);
        setReal ((*p)->data.depth[destCutoff][0][0], 0.5);
        setReal ((*p)->data.depth[destIn][1][1], 0.5);
    }

    SignalGenerator random (29);
    juce::MidiBuffer midi;

    for (int block = 0; block < 200; ++block)
    {
        auto a = hostile.makeBuffer (64);
        for (int ch = 0; ch < 4; ++ch)
            random.fillNoise (a, ch, 0.5);
        auto b = a;

        if (block < 100)
            for (int ch = 0; ch < 4; ++ch)
                for (int i = 0; i < 64; i += 7)
                {
                    const float bad = (i / 7) % 3 == 0 ? std::numeric_limits<float>::quiet_NaN()
                                    : (i / 7) % 3 == 1 ? std::numeric_limits<float>::infinity()
                                                       : -std::numeric_limits<float>::infinity();
                    a.setSample (ch, i, bad);
                    b.setSample (ch, i, 0.0f);
                }

        hostile->processBlock (a, midi);
        clean->processBlock (b, midi);

        for (int ch = 0; ch < 2; ++ch)
            for (int i = 0; i < 64; ++i)
            {
                ASSERT_EQ (std::memcmp (a.getReadPointer (ch) + i, b.getReadPointer (ch) + i, sizeof (float)), 0)
                    << "block " << block << " channel " << ch << " sample " << i;
            }
    }
}

TEST (HostileInput, parameterValuesThatAreNotNumbersAreIgnored)
{
    TestProcessor processor (2, 2, 2, 48000.0, 64);
    auto& data = processor->data;

    // A host may hand over anything as a normalised value.
    data.cutoff->setValue (std::numeric_limits<float>::quiet_NaN());
    data.resonance->setValue (std::numeric_limits<float>::infinity());
    data.driveMode->setValue (40.0f);
    data.depth[destDrive][0][0]->setValue (-1.0e30f);
    data.stereoMode[destIn][0]->setValue (std::numeric_limits<float>::quiet_NaN());

    SignalGenerator random (31);
    juce::MidiBuffer midi;

    for (int block = 0; block < 200; ++block)
    {
        auto buffer = processor.makeBuffer (64);
        for (int ch = 0; ch < 4; ++ch)
            random.fillNoise (buffer, ch, 1.0);
        processor->processBlock (buffer, midi);

        for (int ch = 0; ch < 2; ++ch)
            for (int i = 0; i < 64; ++i)
                ASSERT_TRUE (std::isfinite (buffer.getSample (ch, i))) << block;
    }

    for (int i = 0; i < ProcessorData::numDisplayValues; ++i)
        EXPECT_TRUE (std::isfinite (data.displayValues[i].load())) << i;
}
