// Typed text to value for every parameter: the defined rules, safety against bad
// text, and a parameter's own texts reading back to themselves.
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

// Plain numbers in range are also covered by every shown text reading back (below).
INSTANTIATE_TEST_SUITE_P (Cutoff, TypedValueTest, ::testing::Values (
    TypedCase { cutoff, "1k", kHz }, TypedCase { cutoff, "1 kHz", kHz }, TypedCase { cutoff, "1000", kHz },
    TypedCase { cutoff, "1K", kHz }, TypedCase { cutoff, " 2.5 kHz", reference::cutoffValue (2500.0) },
    TypedCase { cutoff, "100Hz", reference::cutoffValue (100.0) }, TypedCase { cutoff, "20.48kHz", 1.0 },
    TypedCase { cutoff, "100k", 1.0 }, TypedCase { cutoff, "10", 0.0 },          // clamped to the range
    TypedCase { cutoff, "0 Hz", 0.0 }, TypedCase { cutoff, "-2k", 0.0 },         // no frequency at or below 0 Hz
    TypedCase { cutoff, "k", 0.0 }, TypedCase { cutoff, "bright", 0.0 }));

INSTANTIATE_TEST_SUITE_P (Levels, TypedValueTest, ::testing::Values (
    TypedCase { in, "-inf", 0.0 }, TypedCase { in, "-INF dB", 0.0 }, TypedCase { in, "0 dB", 0.75 },
    TypedCase { in, "20", 1.0 }, TypedCase { in, "-9.95", reference::levelValue (-9.95) },
    TypedCase { out, "-100", reference::levelValue (-100.0) },
    TypedCase { out, "quiet", 0.75 },                                            // no number reads as 0 dB
    TypedCase { out, "inf", 1.0 }, TypedCase { out, "-1e6", 0.0 }));

INSTANTIATE_TEST_SUITE_P (Ranges, TypedValueTest, ::testing::Values (
    TypedCase { resonance, "2.5", 0.25 / (double) 1.1f }, TypedCase { resonance, "20", 1.0 },
    TypedCase { resonance, "-3", 0.0 },
    TypedCase { type, "1.5", 0.25 }, TypedCase { type, "5", 1.0 }, TypedCase { type, "0", 0.0 },
    TypedCase { type, "HP", 0.0 },                                               // legends are not value texts
    TypedCase { drive, "9.99", 0.0999 }, TypedCase { drive, "150", 1.0 }, TypedCase { drive, "-5", 0.0 }));

INSTANTIATE_TEST_SUITE_P (NamedValues, TypedValueTest, ::testing::Values (
    TypedCase { driveMode, "  hot ", 1.0 }, TypedCase { driveMode, "COLD", 0.0 }, TypedCase { driveMode, "0.6", 0.6 },
    TypedCase { driveMode, "3", 1.0 }, TypedCase { driveMode, "Hotter", 0.0 },
    TypedCase { power, " on ", 1.0 }, TypedCase { power, "OFF", 0.0 }, TypedCase { power, "0.5", 1.0 },
    TypedCase { power, "0", 0.0 }, TypedCase { power, "-1", 0.0 }, TypedCase { power, "Only", 0.0 },
    TypedCase { typeCv2Stereo, " stereo (LINKED) ", 0.5 }, TypedCase { typeCv2Stereo, "STEREO (UNLINKED)", 1.0 },
    TypedCase { typeCv2Stereo, "1", 0.5 }, TypedCase { typeCv2Stereo, "2", 1.0 },
    TypedCase { typeCv2Stereo, "Stereo", 0.0 }));

INSTANTIATE_TEST_SUITE_P (Depths, TypedValueTest, ::testing::Values (
    TypedCase { inCv1Left, "1.6", depthFor (1.6, 100.0) },                        // real 0.1
    TypedCase { inCv1Left, "-1.6", depthFor (-1.6, 100.0) }, TypedCase { inCv1Left, "50", 0.75 },
    TypedCase { inCv1Left, "25", 0.625 },                                         // where the curve turns linear
    TypedCase { driveCv2Right, "200", 1.0 }, TypedCase { driveCv2Right, "none", 0.5 },
    TypedCase { cutoffCv1Left, "1.92", depthFor (1.92, 120.0) },                  // real 0.1
    TypedCase { cutoffCv1Left, "-7", depthFor (-7.0, 120.0) }, TypedCase { cutoffCv1Left, "240", 1.0 },
    TypedCase { typeCv1Left, "0.032", depthFor (0.032, 2.0) }, TypedCase { typeCv1Left, "-1", 0.25 }));

//==============================================================================
// Every parameter, every kind of bad text.

namespace
{
    class EveryParameter : public WithSharedProcessor<::testing::TestWithParam<int>> {};

    const char* const badTexts[] = { "nan", "NaN", "-nan", "inf", "-inf", "Infinity", "1e999", "-1e999",
                                     "1e308k", "-1e308", "0", "0 Hz", "-20 Hz", "", "   ", "\xe2\x88\x9e",
                                     "1e-320", "--5", "99999999999999999999999" };
}

TEST_P (EveryParameter, anyTypedTextGivesAFiniteValueInRangeAndNanKeepsTheValue)
{
    auto& p = parameter (GetParam());
    const float before = p.getValue();

    for (auto* text : badTexts)
    {
        const float v = p.getValueForText (juce::String::fromUTF8 (text));
        EXPECT_TRUE (std::isfinite (v) && v >= 0.0f && v <= 1.0f) << p.getName (100) << " \"" << text << "\" " << v;
    }

    for (const float current : { 0.3f, 0.0f, 1.0f })
    {
        p.setValue (current);
        EXPECT_FLOAT_EQ (p.getValueForText ("nan"), current) << p.getName (100);
        EXPECT_FLOAT_EQ (p.getValueForText ("-NaN dB"), current) << p.getName (100);
    }
    p.setValue (before);
}

TEST_P (EveryParameter, everyShownTextReadsBackInAnyCaseAndWithBlanks)
{
    auto& p = parameter (GetParam());
    const float def = p.getDefaultValue();
    EXPECT_NEAR (p.getValueForText (p.getText (def, 0)), def, 1.0e-6) << p.getName (100);

    for (int i = 0; i <= 100; ++i)
    {
        const float n = (float) i / 100.0f;
        const auto shown = p.getText (n, 0);
        const float read = p.getValueForText (shown);

        // A tiny negative depth shows "-0.00", which reads as a plain zero.
        const auto expected = shown == "-0.00" ? juce::String ("0.00") : shown;
        EXPECT_EQ (p.getText (read, 0), expected) << p.getName (100) << " at " << n << " read " << read;

        for (const auto& typed : { shown.toUpperCase(), shown.toLowerCase(), "  " + shown + "\t" })
            EXPECT_EQ (p.getValueForText (typed), read) << p.getName (100) << " typed \"" << typed << "\"";

        // A switch's or mode's own words come back as exactly the value that shows them.
        if ((n == 0.0f || n == 1.0f || (n == 0.5f && p.getNumSteps() == 3)) && p.isDiscrete())
        {
            EXPECT_EQ (read, n) << p.getName (100) << " " << shown;
        }
    }
}

INSTANTIATE_TEST_SUITE_P (AllParameters, EveryParameter, ::testing::Range (0, (int) numParams));
