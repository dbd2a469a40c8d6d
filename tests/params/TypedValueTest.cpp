// Typed text to value: the defined rules for units, names, cases and blanks, clamping
// to each range, and bad text for every parameter.
#include "support/ParameterIndex.h"
#include "support/SharedProcessor.h"
#include "support/ValueTextReference.h"

#include <gtest/gtest.h>
#include <cmath>

namespace
{
    struct TypedCase
    {
        int index;
        std::string text;
        double expected;
    };

    void PrintTo (const TypedCase& c, std::ostream* os)
    {
        *os << "param " << c.index << " typed \"" << c.text << "\" -> " << c.expected;
    }

    class TypedValueTest : public WithSharedProcessor<::testing::TestWithParam<TypedCase>> {};

    // Normalised depth for a shown value: percent depths show 100 x curve, the ranged
    // ones curve x their display scale.
    double depthFor (double shown, double scale)
    {
        return reference::normalised (reference::depthForCurve (shown / scale), -1.0, 1.0);
    }

    const double kHz = reference::cutoffValue (1000.0);
}

TEST_P (TypedValueTest, readsTheDefinedValue)
{
    const auto& c = GetParam();
    EXPECT_NEAR (parameter (c.index).getValueForText (c.text), c.expected, 2.0e-7);
}

// Plain numbers in range are also covered by every shown text reading back; the
// remaining rows sit in ValueTextTest's table of typed texts.
INSTANTIATE_TEST_SUITE_P (Cutoff, TypedValueTest, ::testing::Values (
    TypedCase { cutoff, "1 kHz", kHz }, TypedCase { cutoff, "1000", kHz },
    TypedCase { cutoff, "100Hz", reference::cutoffValue (100.0) }, TypedCase { cutoff, "20.48kHz", 1.0 },
    TypedCase { cutoff, "k", 0.0 }));

INSTANTIATE_TEST_SUITE_P (Levels, TypedValueTest, ::testing::Values (
    TypedCase { in, "-inf", 0.0 }, TypedCase { in, "0 dB", 0.75 },
    TypedCase { out, "-100", reference::levelValue (-100.0) },
    TypedCase { out, "inf", 1.0 }, TypedCase { out, "-1e6", 0.0 }));

INSTANTIATE_TEST_SUITE_P (Ranges, TypedValueTest, ::testing::Values (
    TypedCase { resonance, "2.5", 0.25 / (double) 1.1f }, TypedCase { resonance, "20", 1.0 },
    TypedCase { type, "1.5", 0.25 }, TypedCase { type, "0", 0.0 },
    TypedCase { drive, "9.99", 0.0999 }, TypedCase { drive, "-5", 0.0 }));

INSTANTIATE_TEST_SUITE_P (NamedValues, TypedValueTest, ::testing::Values (
    TypedCase { driveMode, "  hot ", 1.0 }, TypedCase { driveMode, "COLD", 0.0 }, TypedCase { driveMode, "3", 1.0 },
    TypedCase { power, " on ", 1.0 }, TypedCase { power, "OFF", 0.0 }, TypedCase { power, "Only", 0.0 },
    TypedCase { typeCv2Stereo, " stereo (LINKED) ", 0.5 }, TypedCase { typeCv2Stereo, "STEREO (UNLINKED)", 1.0 },
    TypedCase { typeCv2Stereo, "1", 0.5 }));

INSTANTIATE_TEST_SUITE_P (Depths, TypedValueTest, ::testing::Values (
    TypedCase { inCv1Left, "1.6", depthFor (1.6, 100.0) },                        // real 0.1
    TypedCase { inCv1Left, "-1.6", depthFor (-1.6, 100.0) }, TypedCase { inCv1Left, "50", 0.75 },
    TypedCase { inCv1Left, "25", 0.625 },                                         // where the curve turns linear
    TypedCase { driveCv2Right, "200", 1.0 }, TypedCase { driveCv2Right, "none", 0.5 },
    TypedCase { cutoffCv1Left, "1.92", depthFor (1.92, 120.0) },                  // real 0.1
    TypedCase { cutoffCv1Left, "-7", depthFor (-7.0, 120.0) }, TypedCase { cutoffCv1Left, "240", 1.0 },
    TypedCase { typeCv1Left, "0.032", depthFor (0.032, 2.0) }));

//==============================================================================
// Every parameter: the bad texts and read-backs that ValueTextTest's sweep of every
// parameter does not reach.

namespace
{
    class EveryParameterTyped : public WithSharedProcessor<::testing::TestWithParam<int>> {};
}

TEST_P (EveryParameterTyped, plainZeroAndNanTextsAreSafeAndTheDefaultReadsBack)
{
    auto& p = parameter (GetParam());
    const float before = p.getValue();

    for (auto* text : { "NaN", "0" })
    {
        const float v = p.getValueForText (text);
        EXPECT_TRUE (std::isfinite (v) && v >= 0.0f && v <= 1.0f) << p.getName (100) << " \"" << text << "\" " << v;
    }

    for (const float current : { 0.3f, 0.0f, 1.0f })
    {
        p.setValue (current);
        EXPECT_FLOAT_EQ (p.getValueForText ("nan"), current) << p.getName (100);
    }
    p.setValue (before);

    const float def = p.getDefaultValue();
    EXPECT_NEAR (p.getValueForText (p.getText (def, 0)), def, 1.0e-6) << p.getName (100);
}

INSTANTIATE_TEST_SUITE_P (AllParameters, EveryParameterTyped, ::testing::Range (0, (int) numParams));
