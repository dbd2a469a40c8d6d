// The value texts hosts and the interface show for every parameter of the processor:
// sweeps against the definitions, plus the cut lengths, named texts and edges no sweep reaches.
#include "support/ParameterIndex.h"
#include "support/SharedProcessor.h"
#include "support/ValueTextReference.h"
#include "params/QuilParamTypes.h"

#include <gtest/gtest.h>
#include <cmath>

namespace
{
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

    float depth (double real) { return (float) reference::normalised (real, -1.0, 1.0); }
}

TEST_P (ValueTextTest, showsTheDefinedText)
{
    const auto& c = GetParam();
    EXPECT_EQ (parameter (c.index).getText (c.normalised, c.maximumLength).toStdString(), c.expected);
}

INSTANTIATE_TEST_SUITE_P (Switches, ValueTextTest, ::testing::Values (
    TextCase { power, 1.0f, 0, "On" }, TextCase { power, 0.0f, 0, "Off" }, TextCase { power, 0.01f, 0, "On" },
    TextCase { power, 0.0f, 2, "Of" },
    TextCase { driveMode, 0.99f, 0, "Cold" }, TextCase { driveMode, 1.0f, 0, "Hot" },
    TextCase { driveMode, 0.0f, 2, "Cold" },                      // never cut
    TextCase { driveMode, 2.0f, 0, "" },
    TextCase { inCv1Stereo, 0.49f, 0, "Mono" }, TextCase { inCv1Stereo, 0.5f, 0, "Stereo (linked)" },
    TextCase { inCv1Stereo, 0.75f, 0, "Stereo (linked)" }, TextCase { inCv1Stereo, 1.0f, 0, "Stereo (unlinked)" },
    TextCase { outCv2Stereo, 1.0f, 4, "Stereo (unlinked)" },      // never cut
    TextCase { outCv2Stereo, 2.0f, 0, "Mono" }));

INSTANTIATE_TEST_SUITE_P (Numbers, ValueTextTest, ::testing::Values (
    TextCase { in, 0.0f, 0, "-inf" }, TextCase { in, 0.75f, 0, "0.00" }, TextCase { in, 1.0f, 0, "12.0" },
    TextCase { in, 0.5f, 3, "-9." }, TextCase { in, 0.0f, 2, "-inf" },                     // "-inf" is never cut
    TextCase { out, 0.001f, 0, "-inf" },                                                   // below -100 dB
    TextCase { cutoff, 0.0f, 0, "20.00Hz" }, TextCase { cutoff, 0.5f, 0, "640.0Hz" },
    TextCase { cutoff, 1.0f, 0, "20.48kHz" }, TextCase { cutoff, 0.5f, 3, "640.0Hz" },    // never cut
    TextCase { cutoff, -1.0f, 0, "0.625Hz" }, TextCase { cutoff, 2.0f, 0, "655.36kHz" },   // clamped ten octaves
    TextCase { resonance, 0.5f, 3, "5.5" }, TextCase { resonance, 10.0f, 0, "110" },      // 100 and more: whole numbers
    TextCase { type, 0.5f, 2, "2." }, TextCase { drive, 0.5f, 2, "50.0" },                 // drive is never cut
    TextCase { driveCv2Right, depth (0.5), 3, "50." },
    TextCase { cutoffCv1Left, 1.0f, 2, "120" }));                                         // never cut

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
    for (int index = inCv1Left; index < numParams; ++index)
    {
        auto* p = &parameter (index);
        const auto* ranged = dynamic_cast<QuilParamModulationRange*> (p);

        for (int i = 0; i <= sweepPoints; ++i)
        {
            const float n = sweepValue (i);
            const double s = reference::depthCurve ((double) (n * 2.0f - 1.0f));
            const auto expected = ranged != nullptr ? reference::paramValue (s * ranged->displayScale, 3)
                                                    : reference::paramValue ((double) (float) (s * 100.0), 3);
            ASSERT_EQ (p->getText (n, 0).toStdString(), expected) << p->getName (100) << " at " << n;
        }
    }
}

TEST_F (ValueTextSweep, cutoffShowsTheCutoffLawInHertz)
{
    for (int i = 0; i <= sweepPoints; ++i)
    {
        const float n = sweepValue (i);
        const double hz = reference::cutoffHz (n);
        const auto text = parameter (cutoff).getText (n, 0).toStdString();

        const bool kilo = text.size() > 3 && text.compare (text.size() - 3, 3, "kHz") == 0;
        ASSERT_TRUE (kilo || text.compare (text.size() - 2, 2, "Hz") == 0) << text;
        EXPECT_EQ (kilo, hz >= 1000.0) << text;

        const int decimals = decimalsOf (text);
        EXPECT_EQ (decimals, hz >= 10000.0 ? 2 : hz >= 1000.0 ? 3 : hz >= 100.0 ? 1 : hz >= 10.0 ? 2 : 3) << text;

        // The shown number is the law rounded to its last digit (the law itself comes
        // from an interpolated table, good to a few parts in a million).
        const double shown = std::strtod (text.c_str(), nullptr) * (kilo ? 1000.0 : 1.0);
        const double resolution = std::pow (10.0, -decimals) * (kilo ? 1000.0 : 1.0);
        EXPECT_NEAR (shown, hz, 0.5 * resolution + hz * 5.0e-6) << text;
    }
}

TEST_F (ValueTextSweep, levelsShowTheLevelLawInDecibels)
{
    for (int index : { (int) in, (int) out })
        for (int i = 1; i <= sweepPoints; ++i)
        {
            const float n = sweepValue (i);
            const double dB = reference::levelDb (n);
            const auto text = parameter (index).getText (n, 0).toStdString();

            if (dB < -100.05)
                EXPECT_EQ (text, "-inf") << n;
            else if (text == "0.00")
                EXPECT_NEAR (dB, 0.0, 0.0051) << n;
            else
                EXPECT_EQ (text, reference::paramValue (dB, 2)) << n;   // cut, not rounded again
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

TEST (ValueText, cutoffWithoutAVoiceOrFromNanIsZeroHertz)
{
    TestProcessor p;
    auto* c = p->getParameters()[cutoff];
    EXPECT_EQ (c->getText (std::numeric_limits<float>::quiet_NaN(), 0), "0.000Hz");
    EXPECT_EQ (p->valueToHz (std::numeric_limits<double>::quiet_NaN()), 0.0);
    EXPECT_EQ (c->getValueForText ("640"), 0.5f);    // exactly the centre

    {
        const juce::ScopedLock sl (p->getAudioLock());
        p->synth.clearVoices();
    }
    EXPECT_EQ (p->valueToHz (0.5), 0.0);
    EXPECT_EQ (c->getText (0.5f, 0), "0.000Hz");
    EXPECT_EQ (c->getValueForText ("1k"), 0.0f);
}
