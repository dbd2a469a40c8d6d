// The value texts hosts and the interface show for every parameter of the processor.
#include "support/SharedProcessor.h"
#include "support/ValueTextReference.h"
#include "params/QuilParamTypes.h"

#include <gtest/gtest.h>
#include <cmath>

namespace
{
    enum Index { power = 0, in = 1, cutoff = 2, resonance = 3, type = 4, drive = 5, driveMode = 6, out = 7,
                 inCv1Stereo = 8, outCv2Stereo = 19,
                 inCv1Left = 20, cutoffCv1Left = 21, resonanceCv1Left = 22, typeCv1Left = 23,
                 driveCv2Right = 42, outCv2Right = 43 };

    struct TextCase
    {
        int index;
        float normalised;
        int maximumLength;
        std::string expected;
    };

    void PrintTo (const TextCase& c, std::ostream* os)
    {
        *os << "param " << c.index << " at " << c.normalised << " max " << c.maximumLength << " -> " << c.expected;
    }

    class ValueTextTest : public WithSharedProcessor<::testing::TestWithParam<TextCase>> {};

    // Normalised value of a real depth in -1..1.
    float depth (double real) { return (float) reference::normalised (real, -1.0, 1.0); }
}

TEST_P (ValueTextTest, showsTheDefinedText)
{
    const auto& c = GetParam();
    EXPECT_EQ (parameter (c.index).getText (c.normalised, c.maximumLength).toStdString(), c.expected);
}

INSTANTIATE_TEST_SUITE_P (Power, ValueTextTest, ::testing::Values (
    TextCase { power, 1.0f, 0, "On" },
    TextCase { power, 0.0f, 0, "Off" },
    TextCase { power, 0.01f, 0, "On" },
    TextCase { power, 0.0f, 2, "Of" },
    TextCase { power, 1.0f, 1, "O" }));

INSTANTIATE_TEST_SUITE_P (Levels, ValueTextTest, ::testing::Values (
    TextCase { in, 0.0f, 0, "-inf" },
    TextCase { in, 0.75f, 0, "0.00" },
    TextCase { in, 1.0f, 0, "12.0" },
    TextCase { in, 0.5f, 0, "-9.95" },
    TextCase { in, 0.25f, 0, "-23.3" },
    TextCase { in, 0.5f, 3, "-9." },
    TextCase { in, 0.0f, 2, "-inf" },                // "-inf" is never cut
    TextCase { out, 0.75f, 0, "0.00" },
    TextCase { out, 1.0f, 0, "12.0" },
    TextCase { out, 0.001f, 0, "-inf" },             // below -100 dB
    TextCase { out, 0.01f, 0, reference::paramValue (reference::levelDb (0.01), 2) }));

INSTANTIATE_TEST_SUITE_P (Cutoff, ValueTextTest, ::testing::Values (
    TextCase { cutoff, 0.0f, 0, "20.00Hz" },
    TextCase { cutoff, 0.5f, 0, "640.0Hz" },
    TextCase { cutoff, 1.0f, 0, "20.48kHz" },
    TextCase { cutoff, 0.5f, 3, "640.0Hz" },         // never cut
    TextCase { cutoff, 0.6f, 0, "1.280kHz" },        // 640 * 2^1
    TextCase { cutoff, 0.3f, 0, "160.0Hz" },         // 640 * 2^-2
    TextCase { cutoff, 0.9f, 0, "10.24kHz" },        // 640 * 2^4
    TextCase { cutoff, 0.2f, 0, "80.00Hz" },         // 640 * 2^-3
    TextCase { cutoff, -1.0f, 0, "0.625Hz" },        // clamped ten octaves down
    TextCase { cutoff, 2.0f, 0, "655.36kHz" }));

INSTANTIATE_TEST_SUITE_P (Resonance, ValueTextTest, ::testing::Values (
    TextCase { resonance, 0.0f, 0, "0.00" },
    TextCase { resonance, 1.0f, 0, "11.0" },
    TextCase { resonance, 0.5f, 0, "5.50" },
    TextCase { resonance, 0.5f, 3, "5.5" },
    TextCase { resonance, 0.1f, 0, "1.10" },
    TextCase { resonance, 10.0f, 0, "110" }));     // 100 and more: whole numbers

INSTANTIATE_TEST_SUITE_P (Type, ValueTextTest, ::testing::Values (
    TextCase { type, 0.0f, 0, "1.00" },
    TextCase { type, 0.5f, 0, "2.00" },
    TextCase { type, 1.0f, 0, "3.00" },
    TextCase { type, 0.25f, 0, "1.50" },
    TextCase { type, 0.5f, 2, "2." }));

INSTANTIATE_TEST_SUITE_P (Drive, ValueTextTest, ::testing::Values (
    TextCase { drive, 0.0f, 0, "0.00" },
    TextCase { drive, 0.0999f, 0, "9.99" },
    TextCase { drive, 0.1f, 0, "10.0" },
    TextCase { drive, 0.5f, 0, "50.0" },
    TextCase { drive, 0.5f, 2, "50.0" },             // never cut
    TextCase { drive, 1.0f, 0, "100" }));

INSTANTIATE_TEST_SUITE_P (DriveMode, ValueTextTest, ::testing::Values (
    TextCase { driveMode, 0.0f, 0, "Cold" },
    TextCase { driveMode, 0.5f, 0, "Cold" },
    TextCase { driveMode, 0.99f, 0, "Cold" },
    TextCase { driveMode, 1.0f, 0, "Hot" },
    TextCase { driveMode, 0.0f, 2, "Cold" },          // never cut
    TextCase { driveMode, 2.0f, 0, "" }));

INSTANTIATE_TEST_SUITE_P (StereoModes, ValueTextTest, ::testing::Values (
    TextCase { inCv1Stereo, 0.0f, 0, "Mono" },
    TextCase { inCv1Stereo, 0.49f, 0, "Mono" },
    TextCase { inCv1Stereo, 0.5f, 0, "Stereo (linked)" },
    TextCase { inCv1Stereo, 0.75f, 0, "Stereo (linked)" },
    TextCase { inCv1Stereo, 1.0f, 0, "Stereo (unlinked)" },
    TextCase { outCv2Stereo, 1.0f, 4, "Stereo (unlinked)" },   // never cut
    TextCase { outCv2Stereo, 2.0f, 0, "Mono" }));

INSTANTIATE_TEST_SUITE_P (PercentDepths, ValueTextTest, ::testing::Values (
    TextCase { inCv1Left, 1.0f, 0, "100" },
    TextCase { inCv1Left, 0.0f, 0, "-100" },
    TextCase { inCv1Left, depth (0.5), 0, "50.0" },
    TextCase { inCv1Left, depth (0.25), 0, "25.0" },
    TextCase { inCv1Left, depth (-0.25), 0, "-25.0" },
    TextCase { resonanceCv1Left, depth (0.1), 0, "1.60" },        // 16 * 0.1^3 * 100
    TextCase { resonanceCv1Left, depth (-0.1), 0, "-1.60" },
    TextCase { driveCv2Right, 0.5f, 0, "0.00" },
    TextCase { driveCv2Right, depth (0.5), 3, "50." },
    TextCase { outCv2Right, depth (0.2), 0, reference::paramValue ((float) (16.0 * 0.2 * 0.2 * 0.2 * 100.0), 3) }));

INSTANTIATE_TEST_SUITE_P (RangeDepths, ValueTextTest, ::testing::Values (
    TextCase { cutoffCv1Left, 1.0f, 0, "120" },
    TextCase { cutoffCv1Left, 0.0f, 0, "-120" },
    TextCase { cutoffCv1Left, depth (0.5), 0, "60.0" },
    TextCase { cutoffCv1Left, depth (0.1), 0, "1.92" },           // 16 * 0.1^3 * 120
    TextCase { cutoffCv1Left, 1.0f, 2, "120" },                   // never cut
    TextCase { typeCv1Left, 1.0f, 0, "2.00" },
    TextCase { typeCv1Left, 0.0f, 0, "-2.00" },
    TextCase { typeCv1Left, depth (0.5), 0, "1.00" },
    TextCase { typeCv1Left, depth (0.1), 0, "0.03" },             // 0.032 keeps three places
    TextCase { typeCv1Left, depth (-0.06), 0, "-0.00" }));        // -0.0069: the sign stays

//==============================================================================
// Sweeps over each parameter's whole range against the definitions.

namespace
{
    class ValueTextSweep : public WithSharedProcessor<> {};

    constexpr int sweepPoints = 200;
    float sweepValue (int i) { return (float) i / (float) sweepPoints; }

    /** Digits after the decimal point of a number text (units may follow). */
    int decimalsOf (const std::string& text)
    {
        const auto point = text.find ('.');
        if (point == std::string::npos)
            return 0;

        const auto end = text.find_first_not_of ("0123456789", point + 1);
        return (int) ((end == std::string::npos ? text.size() : end) - point - 1);
    }
}

TEST_F (ValueTextSweep, depthsFollowTheCubicCurveAndTheirScale)
{
    for (int index = 20; index < 44; ++index)
    {
        auto* p = &parameter (index);
        const auto* ranged = dynamic_cast<QuilParamModulationRange*> (p);

        for (int i = 0; i <= sweepPoints; ++i)
        {
            const float n = sweepValue (i);
            const double r = (double) (n * 2.0f - 1.0f);
            const double s = reference::depthCurve (r);

            const auto expected = ranged != nullptr ? reference::paramValue (s * ranged->displayScale, 3)
                                                    : reference::paramValue ((double) (float) (s * 100.0), 3);
            ASSERT_EQ (p->getText (n, 0).toStdString(), expected) << p->getName (100) << " at " << n;
        }
    }
}

TEST_F (ValueTextSweep, cutoffShowsTheCutoffLawInHertz)
{
    auto& p = parameter (cutoff);

    for (int i = 0; i <= sweepPoints; ++i)
    {
        const float n = sweepValue (i);
        const double hz = reference::cutoffHz (n);
        const auto text = p.getText (n, 0).toStdString();

        const bool kilo = text.size() > 3 && text.compare (text.size() - 3, 3, "kHz") == 0;
        ASSERT_TRUE (kilo || text.compare (text.size() - 2, 2, "Hz") == 0) << text;

        const double shown = std::strtod (text.c_str(), nullptr) * (kilo ? 1000.0 : 1.0);
        const int decimals = decimalsOf (text);
        const int expectedDecimals = hz >= 10000.0 ? 2 : hz >= 1000.0 ? 3 : hz >= 100.0 ? 1 : hz >= 10.0 ? 2 : 3;

        EXPECT_EQ (kilo, hz >= 1000.0) << text;
        EXPECT_EQ (decimals, expectedDecimals) << text;

        // The shown number is the law rounded to its last digit (the law itself comes
        // from an interpolated table, good to a few parts in a million).
        const double resolution = std::pow (10.0, -decimals) * (kilo ? 1000.0 : 1.0);
        EXPECT_NEAR (shown, hz, 0.5 * resolution + hz * 5.0e-6) << text;
    }
}

TEST_F (ValueTextSweep, levelsShowTheLevelLawInDecibels)
{
    for (int index : { (int) in, (int) out })
    {
        auto& p = parameter (index);

        for (int i = 1; i <= sweepPoints; ++i)
        {
            const float n = sweepValue (i);
            const double dB = reference::levelDb (n);
            const auto text = p.getText (n, 0).toStdString();

            if (dB < -100.05)
            {
                EXPECT_EQ (text, "-inf") << n;
                continue;
            }

            if (text == "0.00")
            {
                EXPECT_NEAR (dB, 0.0, 0.0051) << n;
                continue;
            }

            // Three significant places, one more below 100 dB, one more for the sign.
            const double shown = std::strtod (text.c_str(), nullptr);
            const std::size_t expectedLength = 3u + (std::fabs (shown) < 100.0 ? 1u : 0u) + (shown < 0.0 ? 1u : 0u);
            EXPECT_EQ (text.size(), expectedLength) << text;

            // Cut, not rounded: the shown digits are those of dB rounded to 2 decimals.
            const double step = std::pow (10.0, -decimalsOf (text));
            EXPECT_LE (std::fabs (shown - dB), step + 0.005 + 1.0e-5) << text << " for " << dB;
            EXPECT_EQ (text, reference::paramValue (dB, 2)) << n;
        }
    }
}

TEST_F (ValueTextSweep, resonanceTypeAndDriveFollowTheirDisplayRules)
{
    for (int i = 0; i <= sweepPoints; ++i)
    {
        const float n = sweepValue (i);

        const double x = (double) (n * 1.1f) * 10.0;
        EXPECT_EQ (parameter (resonance).getText (n, 0).toStdString(), reference::fixed (x, x >= 10.0 ? 1 : 2)) << n;

        EXPECT_EQ (parameter (type).getText (n, 0).toStdString(), reference::fixed (2.0 * n + 1.0, 2)) << n;

        const double percent = 100.0 * n;
        const auto expectedDrive = percent >= 100.0 ? std::string ("100") : reference::fixed (percent, percent < 10.0 ? 2 : 1);
        EXPECT_EQ (parameter (drive).getText (n, 0).toStdString(), expectedDrive) << n;
    }
}

TEST (ValueText, cutoffShowsZeroHertzWithoutAVoice)
{
    TestProcessor p;
    {
        const juce::ScopedLock sl (p->getAudioLock());
        p->synth.clearVoices();
    }
    EXPECT_EQ (p->getParameters()[cutoff]->getText (0.5f, 0), "0.000Hz");
}

TEST (ValueText, cutoffTextOfNanIsSafe)
{
    TestProcessor p;
    EXPECT_EQ (p->getParameters()[cutoff]->getText (std::numeric_limits<float>::quiet_NaN(), 0), "0.000Hz");
    EXPECT_EQ (p->valueToHz (std::numeric_limits<double>::quiet_NaN()), 0.0);
}
