// What each accepted layout does with its channels, as the host sees it through the
// processor. Everything else the engine computes is checked bit for bit against the
// scalar model (EngineMatchesReferenceTest.cpp).

#include "support/ParameterHelpers.h"
#include "support/ProcessorFixture.h"
#include "support/SignalGenerator.h"

#include <gtest/gtest.h>

namespace
{
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

INSTANTIATE_TEST_SUITE_P (Accepted, EveryLayout, ::testing::Values (Layout { 1, 1, 1 }, Layout { 1, 2, 1 }, Layout { 1, 1, 2 },
                                                                    Layout { 1, 2, 2 }, Layout { 2, 1, 2 }, Layout { 2, 2, 2 }),
                          [] (const auto& testInfo) { const auto& l = testInfo.param;
                                                      return "in" + std::to_string (l.in) + "_sc" + std::to_string (l.sideChain)
                                                           + "_out" + std::to_string (l.out); });
