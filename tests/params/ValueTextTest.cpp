// The value texts hosts and the interface show and the typed values they read back,
// for every parameter: sweeps against each parameter's law, the texts and typed forms
// no sweep reaches, bad text, and every shown text reading back to itself.
#include "support/ParameterIndex.h"
#include "support/SharedProcessor.h"
#include "support/ValueTextReference.h"
#include "params/QuilParamTypes.h"

#include <gtest/gtest.h>
#include <cmath>
#include <limits>

namespace
{
    class ParameterTexts : public WithSharedProcessor<>
    {
    protected:
        static std::string shown (int index, float n, int maximumLength = 0)
        {
            return parameter (index).getText (n, maximumLength).toStdString();
        }
    };
}

TEST_F (ParameterTexts, showsTheDefinedTextsAndCutsOnlyWhereAllowed)
{
    const struct { int index; float n; int maximumLength; const char* expected; } cases[] = {
        { power, 0.01f, 0, "On" }, { power, 0.0f, 2, "Of" }, { driveMode, 0.99f, 0, "Cold" }, { driveMode, 1.0f, 0, "Hot" },
        { driveMode, 2.0f, 0, "" }, { inCv1Stereo, 0.49f, 0, "Mono" }, { inCv1Stereo, 0.75f, 0, "Stereo (linked)" },
        { outCv2Stereo, 2.0f, 0, "Mono" }, { in, 0.5f, 3, "-9." }, { out, 0.003f, 0, "-inf" },   // just below -100 dB
        { cutoff, -1.0f, 0, "0.625Hz" }, { cutoff, 2.0f, 0, "655.36kHz" },                       // clamped ten octaves
        { resonance, 0.5f, 3, "5.5" }, { resonance, 10.0f, 0, "110" }, { type, 0.5f, 2, "2." },
        { driveCv2Right, 0.75f, 3, "50." },
        // Never cut: the names, "-inf", cutoff, drive and the ranged depths.
        { driveMode, 0.0f, 2, "Cold" }, { outCv2Stereo, 1.0f, 4, "Stereo (unlinked)" }, { in, 0.0f, 2, "-inf" },
        { cutoff, 0.5f, 3, "640.0Hz" }, { drive, 0.5f, 2, "50.0" }, { cutoffCv1Left, 1.0f, 2, "120" },
        // Ends and centres of the ranges.
        { power, 1.0f, 0, "On" }, { power, 0.0f, 0, "Off" }, { inCv1Stereo, 0.5f, 0, "Stereo (linked)" },
        { inCv1Stereo, 1.0f, 0, "Stereo (unlinked)" }, { in, 0.0f, 0, "-inf" }, { in, 0.75f, 0, "0.00" }, { in, 1.0f, 0, "12.0" },
        { out, 0.001f, 0, "-inf" }, { cutoff, 0.0f, 0, "20.00Hz" }, { cutoff, 0.5f, 0, "640.0Hz" }, { cutoff, 1.0f, 0, "20.48kHz" } };

    for (const auto& c : cases)
        EXPECT_EQ (shown (c.index, c.n, c.maximumLength), c.expected) << c.index << " at " << c.n << " max " << c.maximumLength;
}

TEST_F (ParameterTexts, sweepsFollowEachParametersLaw)
{
    for (int i = 0; i <= 200; ++i)
    {
        const float n = (float) i / 200.0f;
        const double x = (double) (n * 1.1f) * 10.0, percent = 100.0 * n;
        EXPECT_EQ (shown (resonance, n), reference::fixed (x, x >= 10.0 ? 1 : 2)) << n;
        EXPECT_EQ (shown (type, n), reference::fixed (2.0 * n + 1.0, 2)) << n;
        EXPECT_EQ (shown (drive, n), percent >= 100.0 ? "100" : reference::fixed (percent, percent < 10.0 ? 2 : 1)) << n;

        // Levels in decibels, cut to three places rather than rounded again.
        const double dB = reference::levelDb (n);
        for (int level : { (int) in, (int) out })
        {
            const auto text = shown (level, n);
            if (text == "0.00")
                EXPECT_NEAR (dB, 0.0, 0.0051) << n;
            else
                EXPECT_EQ (text, dB < -100.05 ? "-inf" : reference::paramValue (dB, 2)) << n;
        }

        // Depths through the cubic curve, in percent or in the ranged ones' own scale.
        const double s = reference::depthCurve ((double) (n * 2.0f - 1.0f));
        for (int index = inCv1Left; index < numParams; ++index)
        {
            const auto* ranged = dynamic_cast<QuilParamModulationRange*> (&parameter (index));
            EXPECT_EQ (shown (index, n), ranged != nullptr ? reference::paramValue (s * ranged->displayScale, 3)
                                                           : reference::paramValue ((double) (float) (s * 100.0), 3)) << index << " at " << n;
        }

        // Cutoff in Hz or kHz with 3 to 1 decimals: the law (an interpolated table, good
        // to a few parts in a million) rounded to the last digit shown.
        const double hz = reference::cutoffHz (n), unit = hz >= 1000.0 ? 1000.0 : 1.0;
        const int decimals = hz >= 10000.0 ? 2 : hz >= 1000.0 ? 3 : hz >= 100.0 ? 1 : hz >= 10.0 ? 2 : 3;
        const auto text = shown (cutoff, n);
        const auto end = text.find_first_not_of ("0123456789.");
        EXPECT_EQ (text.substr (end), unit > 1.0 ? "kHz" : "Hz") << text;
        EXPECT_EQ ((int) (end - text.find ('.') - 1), decimals) << text;
        EXPECT_NEAR (std::strtod (text.c_str(), nullptr) * unit, hz, 0.5 * std::pow (10.0, -decimals) * unit + hz * 5.0e-6) << text;
    }
}

// In-range numbers are covered by every shown text reading back (EveryParameter).
TEST_F (ParameterTexts, typedTextsReadAsDefined)
{
    const double kHz = reference::cutoffValue (1000.0);
    const struct { int index; const char* text; double expected; } cases[] = {
        { cutoff, "1k", kHz }, { cutoff, "1K", kHz }, { cutoff, " 2.5 kHz", reference::cutoffValue (2500.0) }, { cutoff, "100k", 1.0 },
        { cutoff, "10", 0.0 }, { cutoff, "0 Hz", 0.0 }, { cutoff, "-2k", 0.0 }, { cutoff, "bright", 0.0 },   // nothing at or below 0 Hz
        { in, "-INF dB", 0.0 }, { in, "20", 1.0 }, { in, "-9.95", reference::levelValue (-9.95) }, { out, "quiet", 0.75 },
        { resonance, "-3", 0.0 }, { type, "5", 1.0 }, { type, "HP", 0.0 }, { drive, "150", 1.0 },   // legends are no value texts
        { driveMode, "0.6", 0.6 }, { driveMode, "Hotter", 0.0 }, { power, "0.5", 1.0 }, { power, "0", 0.0 }, { power, "-1", 0.0 },
        { typeCv2Stereo, "2", 1.0 }, { typeCv2Stereo, "Stereo", 0.0 }, { typeCv1Left, "-1", 0.25 } };

    for (const auto& c : cases)
        EXPECT_NEAR (parameter (c.index).getValueForText (c.text), c.expected, 2.0e-7) << c.index << " \"" << c.text << "\"";
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

namespace
{
    class EveryParameter : public WithSharedProcessor<::testing::TestWithParam<int>> {};

    const char* const badTexts[] = { "nan", "-nan", "inf", "-inf", "Infinity", "1e999", "-1e999", "1e308k", "-1e308",
                                     "0 Hz", "-20 Hz", "", "   ", "\xe2\x88\x9e", "1e-320", "--5", "99999999999999999999999" };
}

TEST_P (EveryParameter, anyTextGivesAFiniteValueInRangeAndEveryShownTextReadsBack)
{
    auto& p = parameter (GetParam());
    const auto name = p.getName (100);
    const float before = p.getValue();

    for (auto* text : badTexts)
    {
        const float v = p.getValueForText (juce::String::fromUTF8 (text));
        EXPECT_TRUE (std::isfinite (v) && v >= 0.0f && v <= 1.0f) << name << " \"" << text << "\" " << v;
    }

    // A NaN from a host is ignored; a text that reads as NaN keeps the value, brought into range.
    for (const float current : { 0.3f, 0.0f, 1.0f, 1.4f })
    {
        p.setValue (current);
        p.setValue (std::numeric_limits<float>::quiet_NaN());
        EXPECT_FLOAT_EQ (p.getValue(), current) << name;
        EXPECT_FLOAT_EQ (p.getValueForText ("-NaN dB"), juce::jmin (current, 1.0f)) << name;
    }
    p.setValue (before);

    for (int i = 0; i <= 100; ++i)
    {
        const float n = (float) i / 100.0f;
        const auto shown = p.getText (n, 0);
        const float read = p.getValueForText (shown);

        // A tiny negative depth shows "-0.00", which reads as a plain zero.
        EXPECT_EQ (p.getText (read, 0), shown == "-0.00" ? juce::String ("0.00") : shown) << name << " at " << n;

        for (const auto& typed : { shown.toUpperCase(), shown.toLowerCase(), "  " + shown + "\t" })
            EXPECT_EQ (p.getValueForText (typed), read) << name << " typed \"" << typed << "\"";

        // A switch's or mode's own words come back as exactly the value that shows them.
        if (p.isDiscrete() && (n == 0.0f || n == 1.0f || (n == 0.5f && p.getNumSteps() == 3)))
        {
            EXPECT_EQ (read, n) << name << " " << shown;
        }
    }
}

INSTANTIATE_TEST_SUITE_P (AllParameters, EveryParameter, ::testing::Range (0, (int) numParams));
