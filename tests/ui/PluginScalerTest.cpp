#include "support/EditorFixture.h"
#include "support/FileWriteCounter.h"
#include "ui/toolkit/PluginScaler.h"

namespace
{
    struct StoredScale
    {
        explicit StoredScale (const char* scale) { PrefsOnDisk::write ({ { "scale", scale } }); }
    };

    /** A scaler on a real processor's preferences, sizing a plain outer component
        and transforming its child, as the editor does. */
    struct ScalerRig : StoredScale
    {
        explicit ScalerRig (const char* storedScale) : StoredScale (storedScale)
        {
            outer.addAndMakeVisible (inner);
            inner.setBounds (0, 0, 703, 319);
            scaler.setTransformTarget (inner);
            scaler.initialiseScale();
        }

        bool press (juce::juce_wchar key)
        {
            return scaler.keyPressed (juce::KeyPress (key, juce::ModifierKeys::commandModifier, key), &outer);
        }

        TestProcessor processor;
        juce::Component outer, inner;
        PluginScaler scaler { *processor, outer };
    };

    struct StepCase { const char* stored; int up, down; };
    class ScaleStepTest : public WithoutPrefs<::testing::TestWithParam<StepCase>> {};
}

// The walk through every step from 100 % is driven in a real window.
TEST_P (ScaleStepTest, commandEqualsOrPlusStepsUpAndCommandMinusStepsDown)
{
    const auto c = GetParam();

    for (const auto& [key, expected] : { std::pair<juce::juce_wchar, int> { '=', c.up }, { '+', c.up }, { '-', c.down } })
    {
        ScalerRig rig (c.stored);
        EXPECT_TRUE (rig.press (key));
        EXPECT_EQ (rig.scaler.getScale(), expected) << (char) key;
    }
}

// Scales between the steps go up to 150 and down to 75.
INSTANTIATE_TEST_SUITE_P (Steps, ScaleStepTest, ::testing::Values (
    StepCase { "50", 75, 50 }, StepCase { "200", 200, 150 }, StepCase { "120", 150, 75 }, StepCase { "180", 150, 75 }));

using PluginScalerTest = WithoutPrefs<>;

TEST_F (PluginScalerTest, quickKeyPressesEndInOneWriteWithTheLastScale)
{
    ScalerRig rig ("50");
    FileWriteCounter writes (PrefsOnDisk::file());
    ASSERT_TRUE (pumpUntil ([&] { return writes.count() == 1; }));
    writes.reset();

    for (int i = 0; i < 3; ++i)
        rig.press ('=');
    pumpMessages (60);

    EXPECT_EQ (writes.count(), 1);
    EXPECT_EQ (PrefsOnDisk::read()->getIntAttribute ("scale"), 150);
    EXPECT_EQ (rig.outer.getWidth(), 1054);
    EXPECT_FALSE (rig.scaler.isTimerRunning());
}
