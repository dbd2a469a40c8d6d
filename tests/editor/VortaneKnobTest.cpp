#include "editor/VortaneKnob.h"
#include "params/QuilParamFrequencyHz.h"
#include "params/QuilParamPercentUnbounded.h"
#include "support/ProcessorFixture.h"

#include <gtest/gtest.h>
#include <limits>

TEST (VortaneKnob, theFirstPollShowsTheModulationOverTheRangeAndUnreadableReadOutsAsZero)
{
    TestProcessor processor;
    auto& data = processor->data;
    data.displayValues[4] = 0.55;                                        // resonance left, range 0..1.1
    data.displayValues[5] = std::numeric_limits<double>::quiet_NaN();   // resonance right

    VortaneKnob knob (*data.resonance, &data.displayValues[4], &data.displayValues[5], &processor->rotaryKnobs,
                      45, true, true, 5, false, false);
    knob.updateFromParameters();
    EXPECT_FLOAT_EQ (knob.getLeftModulation(), 0.5f);
    EXPECT_EQ (knob.getRightModulation(), 0.0f);
}

TEST (VortaneKnob, aModulationPastTheRangeShowsFullAndAnInfiniteReadOutZero)
{
    TestProcessor processor;
    auto& data = processor->data;
    VortaneKnob knob (*data.resonance, &data.displayValues[4], &data.displayValues[5], &processor->rotaryKnobs,
                      45, true, true, 5, false, false);
    data.displayValues[5] = std::numeric_limits<double>::infinity();
    data.displayValues[4] = 1.1;
    knob.updateFromParameters();
    EXPECT_FLOAT_EQ (knob.getLeftModulation(), 1.0f);
    EXPECT_EQ (knob.getRightModulation(), 0.0f);
}

TEST (VortaneKnob, theCompactKnobShowsOneDecimalUpTo99AndTheCutoffKnobFollowsTheLaw)
{
    TestProcessor processor;
    auto& data = processor->data;
    VortaneKnob resonance (*data.resonance, nullptr, nullptr, nullptr, 45, true, true, 5, false, false);

    // Resonance shows ten times its value.
    for (const auto& [value, shown] : { std::pair<float, const char*> { 0.05f, "0.5" }, { 0.1f, "1.0" }, { 0.0f, "0.0" } })
    {
        data.resonance->setRealValueNotifyingHost (value);
        resonance.updateFromParameters();
        EXPECT_EQ (resonance.getDisplayedNumber(), shown) << value;
    }

    VortaneKnob cutoff (*data.cutoff, nullptr, nullptr, nullptr, 41, false, false, 0, true, true);
    cutoff.updateFromParameters();
    EXPECT_NEAR (cutoff.getDisplayFrequency(), 640.0, 1.0e-6);
    EXPECT_EQ ((int) cutoff.getProperties()["pIndex"], data.cutoff->getParameterIndex());
}
