// The panel's meters on the engine's level and clip atomics in a real processor's data.
#include "support/ImageChecks.h"
#include "support/MouseEvents.h"
#include "support/ProcessorFixture.h"
#include "support/RepaintCounter.h"
#include "ui/toolkit/SegmentedStereoMeter.h"

#include <gtest/gtest.h>
#include <limits>

namespace
{
    struct InputMeter : SegmentedStereoMeter
    {
        explicit InputMeter (ProcessorData& d)
            : SegmentedStereoMeter (&d.inputLevel[0], &d.inputLevel[1], &d.inputClip[0], &d.inputClip[1])
        {
            setBounds (0, 0, 22, 90);
            setVisible (true);
            stopTimer();   // the test ticks
            repaints = &RepaintCounter::attachTo (*this);
        }

        int fullyLit (int channel) const
        {
            int n = 0;
            while (n < segmentsPerStrip && getLitFraction (channel, n) == 1.0f)
                ++n;
            return n;
        }

        RepaintCounter* repaints;
    };

    constexpr float notANumber = std::numeric_limits<float>::quiet_NaN();
    constexpr float infinity = std::numeric_limits<float>::infinity();
}

TEST (SegmentedStereoMeter, showsTheEngineLevelsReadingNonFiniteAsSilenceAndRepaintsOnlyOnChange)
{
    TestProcessor processor;
    auto& levels = processor->data.inputLevel;
    auto& clips = processor->data.inputClip;
    InputMeter meter (processor->data);

    // 48 dB over the height (position 0 is full scale, 1 the bottom); a strip is 78
    // points of twelve 5-point segments, each with the 1.5-point gap above it.
    struct Step { float left, right; bool clipRight; int litLeft, litRight, repaints; };
    const Step steps[] = {
        { 0.001f, 0.002f, false, 0, 0, 0 },              // below -52 dB is silence: nothing to redraw
        { 0.0316228f, 0.125893f, false, 4, 7, 1 },       // -30 dB lights 29.25 points, -18 dB 48.75
        { 0.0316228f, 0.125893f, false, 4, 7, 0 },
        { 0.707946f, 1.0f, false, 11, 12, 1 },           // -3 dB lights 73.125 points, 0 dB all
        { 4.0f, 0.5f, false, 12, 10, 1 },                // above full scale is full; -6 dB 68.25
        { notANumber, infinity, false, 0, 0, 1 },
        { -infinity, notANumber, false, 0, 0, 0 },
        { -infinity, notANumber, true, 0, 0, 1 } };      // a flag alone: a tick, nothing to see

    juce::Image drawn;
    for (const auto& s : steps)
    {
        const auto before = drawn;
        levels[0].store (s.left);
        levels[1].store (s.right);
        clips[1].store (s.clipRight);
        meter.timerCallback();

        EXPECT_EQ (meter.fullyLit (0), s.litLeft) << s.left;
        EXPECT_EQ (meter.fullyLit (1), s.litRight) << s.right;
        EXPECT_TRUE (meter.isClipLit (1) == s.clipRight && ! meter.isClipLit (0));
        EXPECT_EQ (meter.repaints->take(), s.repaints) << s.left << " " << s.right;

        // The strips carry no clip lamps: a flag alone changes no pixel.
        drawn = ImageChecks::draw (meter.getWidth(), meter.getHeight(), [&] (juce::Graphics& g) { meter.paint (g); });
        EXPECT_TRUE (! s.clipRight || ImageChecks::same (drawn, before));
    }

    // A click clears both engine flags, a pop-up click neither.
    clips[0].store (true);
    const std::pair<juce::ModifierKeys, bool> clicks[] = { { Clicks::right(), true }, { Clicks::control(), true },
                                                           { Clicks::left(), false } };
    for (const auto& [mods, stillSet] : clicks)
    {
        meter.mouseDown (mouseEventAt (meter, { 11.0f, 40.0f }, mods));
        EXPECT_TRUE (clips[0].load() == stillSet && clips[1].load() == stillSet) << mods.getRawFlags();
    }
    meter.timerCallback();
    EXPECT_FALSE (meter.isClipLit (0) || meter.isClipLit (1));
    EXPECT_EQ (meter.repaints->take(), 1);
}
