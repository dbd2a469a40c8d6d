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

namespace
{
    struct StoredCase { const char* stored; int scale, width, height; float factor; };
    class StoredScaleTest : public ::testing::TestWithParam<StoredCase> {};
}

TEST_P (StoredScaleTest, theStoredScaleIsLimitedToFiftyToTwoHundredAndSizesTheTarget)
{
    const auto c = GetParam();
    ScalerRig rig (c.stored);

    EXPECT_EQ (rig.scaler.getScale(), c.scale);
    EXPECT_EQ (rig.outer.getWidth(), c.width);
    EXPECT_EQ (rig.outer.getHeight(), c.height);
    EXPECT_FLOAT_EQ (rig.inner.getTransform().mat00, c.factor);
    EXPECT_FLOAT_EQ (rig.inner.getTransform().mat11, c.factor);
    EXPECT_EQ (rig.inner.getBounds(), juce::Rectangle<int> (0, 0, 703, 319));
}

// Sizes are 703 × 319 times the factor, truncated.
INSTANTIATE_TEST_SUITE_P (Stored, StoredScaleTest, ::testing::Values (
    StoredCase { nullptr, 100, 703, 319, 1.0f },
    StoredCase { "50", 50, 351, 159, 0.5f },
    StoredCase { "75", 75, 527, 239, 0.75f },
    StoredCase { "150", 150, 1054, 478, 1.5f },
    StoredCase { "200", 200, 1406, 638, 2.0f },
    StoredCase { "120", 120, 843, 382, 1.2f },
    StoredCase { "abc", 100, 703, 319, 1.0f },    // no number: the default
    StoredCase { "0", 50, 351, 159, 0.5f },
    StoredCase { "30", 50, 351, 159, 0.5f },
    StoredCase { "-20", 50, 351, 159, 0.5f },
    StoredCase { "300", 200, 1406, 638, 2.0f }));

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
