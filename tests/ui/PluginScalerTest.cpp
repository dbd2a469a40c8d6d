#include "support/EditorFixture.h"

namespace
{
    struct StepCase { const char* stored; int up, down; };
    class ScaleStepTest : public WithoutPrefs<::testing::TestWithParam<StepCase>> {};
}

// The walk through every step from 100 %, and the one write per press, are driven in
// a real window; quick presses and refusing hosts in the editor's tests.
TEST_P (ScaleStepTest, commandEqualsOrPlusStepsUpAndCommandMinusStepsDown)
{
    const auto c = GetParam();

    for (const auto& [key, expected] : { std::pair<juce::juce_wchar, int> { '=', c.up }, { '+', c.up }, { '-', c.down } })
    {
        PrefsOnDisk::write ({ { "scale", c.stored } });
        TestEditor editor;
        PluginScaler& scaler = *editor;
        EXPECT_TRUE (scaler.keyPressed (juce::KeyPress (key, juce::ModifierKeys::commandModifier, key), editor.editor.get()));
        EXPECT_EQ (scaler.getScale(), expected) << (char) key;
    }
}

// Scales between the steps go up to 150 and down to 75.
INSTANTIATE_TEST_SUITE_P (Steps, ScaleStepTest, ::testing::Values (
    StepCase { "50", 75, 50 }, StepCase { "200", 200, 150 }, StepCase { "120", 150, 75 }, StepCase { "180", 150, 75 }));
