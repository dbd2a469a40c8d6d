#include "support/EditorFixture.h"
#include "support/FileWriteCounter.h"
#include "ui/toolkit/PluginScaler.h"

#include <gtest/gtest.h>

namespace
{
    /** The preferences file as the processor will read it. */
    struct StoredScale
    {
        explicit StoredScale (const char* scale)
        {
            if (scale != nullptr)
                PrefsOnDisk::write ({ { "scale", scale } });
            else
                PrefsOnDisk::remove();
        }

        ~StoredScale() { PrefsOnDisk::remove(); }
    };

    /** A scaler on a real processor's preferences, sizing a plain outer component
        and transforming its child, as the editor does. */
    struct ScalerRig : StoredScale
    {
        explicit ScalerRig (const char* storedScale = nullptr)
            : StoredScale (storedScale)
        {
            outer.addAndMakeVisible (inner);
            inner.setBounds (0, 0, 703, 319);
            scaler.setTransformTarget (inner);
            scaler.initialiseScale();
        }

        bool press (juce::juce_wchar key, int modifiers = juce::ModifierKeys::commandModifier)
        {
            return scaler.keyPressed (juce::KeyPress (key, juce::ModifierKeys (modifiers), key), &outer);
        }

        TestProcessor processor;
        juce::Component outer, inner;
        PluginScaler scaler { *processor, outer };
    };

    struct StepCase { const char* stored; int up, down; };
    class ScaleStepTest : public ::testing::TestWithParam<StepCase> {};
}

TEST_P (ScaleStepTest, commandEqualsOrPlusStepsUpAndCommandMinusStepsDown)
{
    const auto c = GetParam();

    for (const juce::juce_wchar key : { (juce::juce_wchar) '=', (juce::juce_wchar) '+' })
    {
        ScalerRig rig (c.stored);
        EXPECT_TRUE (rig.press (key));
        EXPECT_EQ (rig.scaler.getScale(), c.up);
    }

    ScalerRig rig (c.stored);
    EXPECT_TRUE (rig.press ('-'));
    EXPECT_EQ (rig.scaler.getScale(), c.down);
}

INSTANTIATE_TEST_SUITE_P (Steps, ScaleStepTest, ::testing::Values (
    StepCase { "50", 75, 50 },
    StepCase { "75", 100, 50 },
    StepCase { "100", 150, 75 },
    StepCase { "150", 200, 100 },
    StepCase { "200", 200, 150 },
    // Scales between the steps: up goes to 150, down to 75.
    StepCase { "120", 150, 75 },
    StepCase { "180", 150, 75 }));

TEST (PluginScaler, onlyTheCommandKeyAloneWithTheseKeysIsTaken)
{
    ScalerRig rig;
    using M = juce::ModifierKeys;

    EXPECT_FALSE (rig.press ('=', M::commandModifier | M::shiftModifier));
    EXPECT_FALSE (rig.press ('-', M::commandModifier | M::altModifier));
    EXPECT_FALSE (rig.press ('=', 0));
    EXPECT_FALSE (rig.press ('a'));
    EXPECT_EQ (rig.scaler.getScale(), 100);
}

TEST (PluginScaler, quickKeyPressesEndInOneWriteWithTheLastScale)
{
    PrefsOnDisk::remove();
    ScalerRig rig ("50");
    FileWriteCounter writes (PrefsOnDisk::file());

    ASSERT_TRUE (pumpUntil ([&] { return writes.count() == 1; }));
    EXPECT_EQ (PrefsOnDisk::read()->getIntAttribute ("scale"), 50);
    writes.reset();

    rig.press ('=');
    rig.press ('=');
    rig.press ('=');
    pumpMessages (60);

    EXPECT_EQ (writes.count(), 1);
    EXPECT_EQ (PrefsOnDisk::read()->getIntAttribute ("scale"), 150);
    EXPECT_EQ (rig.outer.getWidth(), 1054);
    EXPECT_FALSE (rig.scaler.isTimerRunning());
    PrefsOnDisk::remove();
}
