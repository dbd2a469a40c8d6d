#include "editor/VortaneKnob.h"
#include "params/QuilParamFrequencyHz.h"
#include "params/QuilParamPercentUnbounded.h"
#include "support/ProcessorFixture.h"

#include <gtest/gtest.h>
#include <limits>

namespace
{
    constexpr double notANumber = std::numeric_limits<double>::quiet_NaN(), infinity = std::numeric_limits<double>::infinity();

    // Resonance's read-outs (range 0..1.1), written before the knob is built or after it.
    struct ReadOutCase { const char* name; double left, right; bool beforeTheKnob; float shownLeft, shownRight; };
    using KnobReadOutTest = ::testing::TestWithParam<ReadOutCase>;
}

TEST_P (KnobReadOutTest, aPollShowsTheModulationOverTheRangeAndUnreadableReadOutsAsZero)
{
    const auto& c = GetParam();
    TestProcessor processor;
    auto& data = processor->data;
    const auto write = [&] { data.displayValues[4] = c.left; data.displayValues[5] = c.right; };

    if (c.beforeTheKnob)
        write();
    VortaneKnob knob (*data.resonance, &data.displayValues[4], &data.displayValues[5], &processor->rotaryKnobs,
                      45, true, true, 5, false, false);
    if (! c.beforeTheKnob)
        write();

    knob.updateFromParameters();
    EXPECT_FLOAT_EQ (knob.getLeftModulation(), c.shownLeft);
    EXPECT_EQ (knob.getRightModulation(), c.shownRight);
}

INSTANTIATE_TEST_SUITE_P (ReadOuts, KnobReadOutTest, ::testing::Values (
    ReadOutCase { "halfAndNotANumberAtTheFirstPoll", 0.55, notANumber, true, 0.5f, 0.0f },
    ReadOutCase { "theWholeRangeAndInfinityLater", 1.1, infinity, false, 1.0f, 0.0f }),
    [] (const ::testing::TestParamInfo<ReadOutCase>& row) { return std::string (row.param.name); });

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
