// Meters as the editor reads them from the processor: instant attack, a 150 ms release
// per host block, a sticky clip flag above 1.0, and the signed CV of largest magnitude.

#include "dsp/FilterVoice.h"
#include "support/ParameterHelpers.h"
#include "support/ProcessorFixture.h"
#include "support/SignalGenerator.h"

#include <gtest/gtest.h>

namespace
{
    /** One host block whose main inputs hold a single sample of the given value. */
    void blockWithPeak (TestProcessor& processor, int blockSize, float peak)
    {
        auto buffer = processor.makeBuffer (blockSize);
        buffer.setSample (0, blockSize / 2, peak);
        buffer.setSample (1, blockSize / 2, peak);
        juce::MidiBuffer midi;
        processor->processBlock (buffer, midi);
    }
}

TEST (AudioMeter, clipFlagsRiseJustAboveFullScaleAndStaySet)
{
    TestProcessor processor (2, 2, 2, 44100.0, 128);
    auto& data = processor->data;
    setReal (data.in, 0.75);   // unity input level
    for (int i = 0; i < 30; ++i)   // the input level's start-up ramp
        blockWithPeak (processor, 128, 0.0f);

    blockWithPeak (processor, 128, 1.0f);
    EXPECT_FLOAT_EQ (data.inputLevel[0].load(), 1.0f);
    EXPECT_FALSE (data.inputClip[0].load() || data.inputClip[1].load());

    blockWithPeak (processor, 128, std::nextafter (1.0f, 2.0f));
    for (int i = 0; i < 20; ++i)
        blockWithPeak (processor, 128, 0.0f);
    EXPECT_TRUE (data.inputClip[0].load() && data.inputClip[1].load());

    // The output meter shows the wet level: a full-band sine at 0.4 with "Out" at +12 dB.
    TestProcessor loud (2, 2, 2, 48000.0, 256);
    clearModulation (loud->data);
    setReal (loud->data.cutoff, 1.0);
    setReal (loud->data.out, 1.0);
    for (int block = 0; block < 40; ++block)
    {
        auto buffer = loud.makeBuffer (256);
        for (int ch = 0; ch < 2; ++ch)
            SignalGenerator::fillSine (buffer, ch, 0.4, 400.0, 48000.0, block * 256);
        juce::MidiBuffer midi;
        loud->processBlock (buffer, midi);
    }
    EXPECT_GT (loud->data.outputLevel[0].load(), 1.0f);
    EXPECT_TRUE (loud->data.outputClip[0].load() && loud->data.outputClip[1].load());
    EXPECT_FALSE (loud->data.inputClip[0].load());
}

TEST (AudioMeter, levelReleasesByTheBlockShareOfOneHundredFiftyMilliseconds)
{
    for (const auto& [fs, block] : { std::pair { 44100.0, 128 }, std::pair { 48000.0, 512 }, std::pair { 96000.0, 64 } })
    {
        TestProcessor processor (2, 2, 2, fs, block);
        auto& level = processor->data.inputLevel[0];
        for (int i = 0; i < (int) (0.1 * fs) / block + 1; ++i)
            blockWithPeak (processor, block, 0.0f);

        blockWithPeak (processor, block, 0.8f);
        double expected = level.load();
        EXPECT_NEAR (expected, 0.8, 1.0e-6);

        // Per silent block the level loses 1000 / (150 ms x blocks per second) of itself:
        // about 1.9 % per 128-sample block at 44.1 kHz.
        const double keep = 1.0 - 1000.0 / (150.0 * fs / block);
        for (int i = 0; i < 12; ++i)
        {
            blockWithPeak (processor, block, 0.0f);
            expected *= keep;
            EXPECT_NEAR (level.load(), expected, 1.0e-6) << fs << " " << block << " " << i;
        }
    }

    // 2048 samples at 8 kHz are longer than 150 ms: the release share of one block would be
    // 1.7; limited to 1, the level lands on the new peak instead of swinging past it.
    TestProcessor slow (2, 2, 2, 8000.0, 2048);
    blockWithPeak (slow, 2048, 0.9f);
    ASSERT_GT (slow->data.inputLevel[0].load(), 0.5f);
    blockWithPeak (slow, 2048, 0.1f);
    EXPECT_NEAR (slow->data.inputLevel[0].load(), 0.1f, 1.0e-6f);
}

TEST (BipolarMeter, keepsTheSignedControlValueOfLargestMagnitude)
{
    TestProcessor processor;
    auto buffer = processor.makeBuffer (64);
    buffer.setSample (2, 10, -0.8f);
    buffer.setSample (2, 40, 0.5f);
    buffer.setSample (3, 20, 0.3f);
    buffer.setSample (3, 30, -0.1f);
    juce::MidiBuffer midi;
    processor->processBlock (buffer, midi);

    EXPECT_FLOAT_EQ (processor->data.cvLevel[0].load(), -0.8f);
    EXPECT_FLOAT_EQ (processor->data.cvLevel[1].load(), 0.3f);

    blockWithPeak (processor, 64, 0.0f);
    EXPECT_EQ (processor->data.cvLevel[0].load(), 0.0f);
}

TEST (AudioMeter, aBlockSplitIntoStretchesIsMeteredOnce)
{
    TestProcessor processor (2, 2, 2, 48000.0, 96);
    auto& level = processor->data.inputLevel[0];
    auto* voice = dynamic_cast<FilterVoice*> (processor->synth.getVoice (0));
    ASSERT_NE (voice, nullptr);
    for (int i = 0; i < 40; ++i)
        blockWithPeak (processor, 96, 0.0f);
    ASSERT_EQ (level.load(), 0.0f);

    auto buffer = processor.makeBuffer (96);
    buffer.setSample (0, 5, 0.7f);    // in the first stretch
    buffer.setSample (0, 70, 0.3f);   // in the last

    const juce::ScopedLock lock (processor->getAudioLock());
    juce::ScopedNoDenormals noDenormals;
    voice->renderNextBlock (buffer, 0, 32);
    voice->renderNextBlock (buffer, 32, 32);
    EXPECT_EQ (level.load(), 0.0f);   // nothing published before the last stretch

    voice->renderNextBlock (buffer, 64, 32);
    EXPECT_NEAR (level.load(), 0.7f, 1.0e-6f);   // the peak of the whole block
}
