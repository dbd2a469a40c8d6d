#include "editor/VortaneKnob.h"
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
