// The meters as the panel shows them: the engine's input levels and clip flags, fed
// through a real processor's audio callback, read at each tick.
#include "support/MouseEvents.h"
#include "support/ParameterHelpers.h"
#include "support/ProcessorFixture.h"
#include "support/RepaintCounter.h"
#include "ui/toolkit/SegmentedStereoMeter.h"

#include <gtest/gtest.h>
#include <cmath>
#include <limits>

namespace
{
    /** A processor at unity input level whose input meters follow single-sample block peaks. */
    struct MeteredProcessor : TestProcessor
    {
        MeteredProcessor() : TestProcessor (2, 2, 2, 44100.0, 128)
        {
            setReal (processor->data.in, 0.75);
            for (int i = 0; i < 30; ++i)   // past the input level's start-up ramp
                block (0.0f, 0.0f);
        }

        void block (float left, float right)
        {
            auto buffer = makeBuffer (128);
            buffer.setSample (0, 64, left);
            buffer.setSample (1, 64, right);
            juce::MidiBuffer midi;
            processor->processBlock (buffer, midi);
        }

        ProcessorData& data() { return processor->data; }
    };

    struct Meter : SegmentedStereoMeter
    {
        explicit Meter (ProcessorData& d)
            : SegmentedStereoMeter (&d.inputLevel[0], &d.inputLevel[1], &d.inputClip[0], &d.inputClip[1])
        {
            setBounds (0, 0, 22, 90);
            setVisible (true);
            stopTimer();   // the test ticks
            repaints = &RepaintCounter::attachTo (*this);
        }

        int fullyLitSegments (int channel) const
        {
            int n = 0;
            for (int i = 0; i < segmentsPerStrip; ++i)
                n += getLitFraction (channel, i) == 1.0f ? 1 : 0;
            return n;
        }

        RepaintCounter* repaints = nullptr;
    };

    /** Where a level stands by definition: 0 at 0 dB, 1 at -48 dB and below. */
    float positionByDefinition (float level)
    {
        return juce::jlimit (0.0f, 1.0f, -20.0f * std::log10 (level) / 48.0f);
    }
}

TEST (StereoMeter, followsTheLevelsTheAudioCallbackWrites)
{
    MeteredProcessor engine;
    Meter meter (engine.data());

    // Rising peaks, so that each block's level is its peak (the release only acts on falls).
    // A strip is 78 points of twelve 5-point segments with 1.5-point gaps.
    struct Case { float left, right; int litLeft, litRight; };
    const Case cases[] = {
        { 0.001f, 0.002f, 0, 0 },           // below -52 dB: both at the bottom
        { 0.0316228f, 0.125893f, 4, 7 },    // -30 dB lights 29.25 points, -18 dB 48.75
        { 0.707946f, 1.0f, 11, 12 } };      // -3 dB lights 73.125 points; 0 dB the whole strip

    for (const auto& c : cases)
    {
        engine.block (c.left, c.right);
        meter.timerCallback();

        EXPECT_NEAR (meter.getPosition (0), positionByDefinition (c.left), 0.002) << c.left;
        EXPECT_NEAR (meter.getPosition (1), positionByDefinition (c.right), 0.002) << c.right;
        EXPECT_EQ (meter.fullyLitSegments (0), c.litLeft) << c.left;
        EXPECT_EQ (meter.fullyLitSegments (1), c.litRight) << c.right;
        EXPECT_FALSE (meter.isClipLit (0) || meter.isClipLit (1));
    }
}

TEST (StereoMeter, readsLevelsThatAreNotFiniteAsSilence)
{
    MeteredProcessor engine;
    Meter meter (engine.data());
    auto& levels = engine.data().inputLevel;

    for (float bad : { std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
                       -std::numeric_limits<float>::infinity() })
    {
        levels[0].store (0.5f);
        levels[1].store (0.5f);
        meter.timerCallback();
        ASSERT_NEAR (meter.getPosition (0), 0.125f, 0.002f);

        levels[0].store (bad);
        levels[1].store (bad);
        meter.timerCallback();
        EXPECT_NEAR (meter.getPosition (0), 1.0f, 0.001f) << bad;
        EXPECT_NEAR (meter.getPosition (1), 1.0f, 0.001f) << bad;
        EXPECT_EQ (meter.fullyLitSegments (0), 0) << bad;
    }
}

TEST (StereoMeter, aClickClearsBothEngineClipFlagsAndPopupClicksDoNot)
{
    MeteredProcessor engine;
    Meter meter (engine.data());
    auto& clips = engine.data().inputClip;

    engine.block (0.5f, 1.5f);   // only the right channel clips
    meter.timerCallback();
    EXPECT_FALSE (meter.isClipLit (0));
    EXPECT_TRUE (meter.isClipLit (1));

    engine.block (2.0f, 0.0f);
    meter.timerCallback();
    ASSERT_TRUE (meter.isClipLit (0) && meter.isClipLit (1));

    for (const auto mods : { Clicks::right(), Clicks::control() })
        meter.mouseDown (mouseEventAt (meter, { 11.0f, 40.0f }, mods));
    EXPECT_TRUE (clips[0].load() && clips[1].load());

    meter.mouseDown (mouseEventAt (meter, { 11.0f, 40.0f }));
    EXPECT_FALSE (clips[0].load() || clips[1].load());
    meter.timerCallback();
    EXPECT_FALSE (meter.isClipLit (0) || meter.isClipLit (1));

    // The engine leaves them cleared until the next clip.
    engine.block (0.5f, 0.5f);
    EXPECT_FALSE (clips[0].load() || clips[1].load());
}

TEST (StereoMeter, repaintsOnlyWhenALevelOrALampChanged)
{
    MeteredProcessor engine;
    Meter meter (engine.data());
    auto& d = engine.data();

    struct Step { const char* what; float left, right; bool clipRight; int repaints; };
    const Step steps[] = {
        { "silence again", 0.0f, 0.0f, false, 0 },
        { "quieter than the floor", 0.001f, 0.002f, false, 0 },
        { "a level", 0.5f, 0.0f, false, 1 },
        { "the same level", 0.5f, 0.0f, false, 0 },
        { "a lamp alone", 0.5f, 0.0f, true, 1 },
        { "the other level", 0.5f, 0.25f, true, 1 } };

    for (const auto& s : steps)
    {
        d.inputLevel[0].store (s.left);
        d.inputLevel[1].store (s.right);
        d.inputClip[1].store (s.clipRight);
        meter.timerCallback();
        meter.timerCallback();
        EXPECT_EQ (meter.repaints->take(), s.repaints) << s.what;
    }
}
