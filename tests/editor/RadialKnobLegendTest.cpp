#include "editor/RadialKnobLegend.h"
#include "support/MouseEvents.h"
#include "support/ParameterIndex.h"
#include "support/SharedProcessor.h"

#include <gtest/gtest.h>

namespace
{
    struct PressCase
    {
        const char* name;
        int parameter;
        int numEntries;
        int entry;            // pressed on this entry's box, or -1 for the far right end of the ring
        juce::ModifierKeys mods;
        float expected;       // after starting at 0.3
        int selected;         // the entry shown as selected afterwards
    };

    using LegendPressTest = WithSharedProcessor<::testing::TestWithParam<PressCase>>;
}

// Presses go straight to mouseDown with no move before: the entry comes from the press.
TEST_P (LegendPressTest, aPressSetsTheEntryUnderItFromTheParametersMinimumUp)
{
    const auto& c = GetParam();
    auto& p = quilParam (processor(), c.parameter);
    p.setRealValueNotifyingHost (0.3f);

    juce::StringArray entries;
    for (int i = 0; i < c.numEntries; ++i)
        entries.add (juce::String (i));
    RadialKnobLegend legend (p, entries);
    legend.setSize (120, 120);

    const float ringEnd = 2.574f;   // just inside the ring's end, past the last entry
    const auto at = c.entry >= 0 ? legend.getEntryBox (c.entry).getCentre()
                                 : juce::Point<float> (60.0f + 52.0f * std::sin (ringEnd), 60.0f - 52.0f * std::cos (ringEnd));
    ASSERT_TRUE (legend.hitTest (juce::roundToInt (at.x), juce::roundToInt (at.y)));
    legend.mouseDown (mouseEventAt (legend, at, c.mods));

    EXPECT_NEAR (p.getRealValue(), c.expected, 1.0e-6);
    legend.updateFromParameters();
    EXPECT_EQ (legend.getSelectedIndex(), c.selected);
    p.setValueNotifyingHost (p.getDefaultValue());
}

INSTANTIATE_TEST_SUITE_P (Presses, LegendPressTest, ::testing::Values (
    PressCase { "depthMinimum", ParamIndex::cutoffCv1Left, 3, 0, Clicks::left(), -1.0f, 0 },
    PressCase { "depthMaximum", ParamIndex::cutoffCv1Left, 3, 2, Clicks::left(), 1.0f, 2 },
    PressCase { "depthMiddle", ParamIndex::cutoffCv1Left, 3, 1, Clicks::left(), 0.0f, 1 },
    PressCase { "resonanceRingEnd", ParamIndex::resonance, 12, -1, Clicks::left(), 1.1f, 11 },
    PressCase { "resonanceThirdStep", ParamIndex::resonance, 12, 3, Clicks::left(), 0.3f, 3 },
    // Any button sets the entry: the legend offers no MIDI learning.
    PressCase { "rightClickSetsTheEntry", ParamIndex::resonance, 12, 10, Clicks::right(), 1.0f, 10 },
    PressCase { "controlClickSetsTheEntry", ParamIndex::resonance, 12, 7, Clicks::control(), 0.7f, 7 },
    PressCase { "controlClickOnCutoffSetsTheEntry", ParamIndex::cutoff, 3, 2, Clicks::control(), 1.0f, 2 }),
    [] (const ::testing::TestParamInfo<PressCase>& caseInfo) { return std::string (caseInfo.param.name); });
