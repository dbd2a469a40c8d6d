// Frequency responses measured from sines rendered through the real processor, against
// the state-variable filter's definition: a bilinear (prewarped) two-pole at four times
// the host rate with damping 2 (1 - resonance), whose low-pass, band-pass and high-pass
// outputs are 1 / D, j W / D and -W^2 / D with D = 1 - W^2 + 2 (1 - r) j W, and "Type"
// crossfading linearly between neighbours.

#include "support/ParameterHelpers.h"
#include "support/ProcessorFixture.h"
#include "support/ToneMeasurement.h"

#include <gtest/gtest.h>

#include <complex>

namespace
{
    constexpr double pi = juce::MathConstants<double>::pi;

    /** 640 Hz * 2^((2v - 1) * 5), limited to the host's Nyquist frequency. */
    double cutoffHz (double value, double sampleRate)
    {
        return std::min (640.0 * std::pow (2.0, (2.0 * value - 1.0) * 5.0), sampleRate / 2.0);
    }

    double expectedGainDb (double frequency, double cutoff, double resonance, double type, double sampleRate)
    {
        const double filterRate = 4.0 * sampleRate;
        const double w = std::tan (pi * frequency / filterRate) / std::tan (pi * cutoff / filterRate);
        const std::complex<double> j (0.0, 1.0);
        const std::complex<double> d = 1.0 - w * w + 2.0 * (1.0 - resonance) * j * w;
        const std::complex<double> outputs[] = { 1.0 / d, j * w / d, -w * w / d, 0.0 };

        const int index = (int) (2.0 * type);
        const double fraction = 2.0 * type - index;
        return 20.0 * std::log10 (std::abs (outputs[index] + fraction * (outputs[index + 1] - outputs[index])));
    }

    /** A processor with the filter alone: no drive, unity levels, no modulation. */
    void setUpFilter (TestProcessor& p, double cutoff, double resonance, double type)
    {
        auto& data = p->data;
        clearModulation (data);
        setReal (data.power, 1.0);
        setReal (data.in, 0.75);
        setReal (data.out, 0.75);
        setReal (data.drive, 0.0);
        setReal (data.driveMode, 0.0);
        setReal (data.cutoff, cutoff);
        setReal (data.resonance, resonance);
        setReal (data.type, type);
    }

    struct TypeCase { double type; const char* name; double slopeDb; };

    class ResponseByType : public ::testing::TestWithParam<TypeCase> {};
}

TEST_P (ResponseByType, followsTheTwoPoleResponseAcrossTheBand)
{
    const double fs = 48000.0, fc = 640.0;
    const auto [type, name, slope] = GetParam();

    TestProcessor processor (2, 2, 2, fs, 480);
    setUpFilter (processor, 0.5, 0.0, type);
    ToneMeasurement tone (processor);

    for (double f : { 80.0, 160.0, 320.0, 640.0, 1280.0, 2560.0, 5120.0, 10240.0 })
        EXPECT_NEAR (tone.gainDb (f), expectedGainDb (f, fc, 0.0, type, fs), 0.1) << f << " Hz";

    if (slope == 0.0)
        return;

    // The three outputs are 6 dB down at the cutoff; three and four octaves away on the
    // falling side they fall by 12 dB per octave (low-pass and high-pass), or by 6 dB on
    // each side of the band-pass.
    EXPECT_NEAR (tone.gainDb (fc), -6.02, 0.05);
    const double far = type == 1.0 ? fc / 8.0 : fc * 8.0, farther = type == 1.0 ? fc / 16.0 : fc * 16.0;
    EXPECT_NEAR (tone.gainDb (farther) - tone.gainDb (far), slope, 0.15);
}

INSTANTIATE_TEST_SUITE_P (Types, ResponseByType, ::testing::Values (
    TypeCase { 0.0, "lowPass", -12.0 }, TypeCase { 0.25, "lowBandMidpoint", 0.0 }, TypeCase { 0.5, "bandPass", -6.0 },
    TypeCase { 0.75, "bandHighMidpoint", 0.0 }, TypeCase { 1.0, "highPass", -12.0 }),
    [] (const auto& typeCase) { return std::string (typeCase.param.name); });

TEST (FilterResponse, cutoffLawSpansTwentyHertzToTwentyKilohertzAndStopsAtTheHostNyquistFrequency)
{
    for (const auto& [value, hz] : { std::pair { 0.0, 20.0 }, std::pair { 0.5, 640.0 }, std::pair { 1.0, 20480.0 } })
    {
        TestProcessor processor (2, 2, 2, 48000.0, 480);
        setUpFilter (processor, value, 0.0, 0.0);
        EXPECT_NEAR (ToneMeasurement (processor).gainDb (hz, 0.05, hz < 100.0 ? 0.6 : 0.15, 0.5), -6.02, 0.05) << value;
    }

    // At 32 kHz the top of the law (20480 Hz) lies beyond Nyquist: the filter sits at
    // 16 kHz, which the high-pass response a few octaves below shows.
    const double fs = 32000.0;
    TestProcessor processor (2, 2, 2, fs, 480);
    setUpFilter (processor, 1.0, 0.0, 1.0);
    const double measured = ToneMeasurement (processor).gainDb (4000.0);
    EXPECT_NEAR (measured, expectedGainDb (4000.0, cutoffHz (1.0, fs), 0.0, 1.0, fs), 0.1);
    EXPECT_GT (std::abs (measured - expectedGainDb (4000.0, 20480.0, 0.0, 1.0, fs)), 3.0);
}

TEST (FilterResponse, resonanceRaisesThePeakAtTheCutoff)
{
    TestProcessor processor (2, 2, 2, 48000.0, 480);
    setUpFilter (processor, 0.5, 0.75, 0.0);
    const double resonance = processor->data.resonance->getRealValue();
    EXPECT_NEAR (ToneMeasurement (processor).gainDb (640.0, 0.02, 0.4), expectedGainDb (640.0, 640.0, resonance, 0.0, 48000.0), 0.1);
}

//==============================================================================
TEST (SelfOscillation, aboveRealResonanceOneAToneSustainsUntilTheFilterIsReset)
{
    // Peak of channel 0 over a number of 480-sample blocks, the first starting with a click.
    auto run = [] (TestProcessor& processor, int blocks, bool click)
    {
        juce::MidiBuffer midi;
        double peak = 0.0;
        for (int b = 0; b < blocks; ++b)
        {
            auto buffer = processor.makeBuffer (480);
            if (click && b == 0)
                buffer.setSample (0, 0, 0.1f), buffer.setSample (1, 0, 0.1f);
            processor->processBlock (buffer, midi);
            peak = std::max (peak, (double) buffer.getMagnitude (0, 0, 480));
        }
        return peak;
    };

    for (const double resonance : { 0.9, 1.05, 1.1 })
    {
        TestProcessor clicked (2, 2, 2, 48000.0, 480), silent (2, 2, 2, 48000.0, 480);
        setUpFilter (clicked, 0.5, resonance, 0.0);
        setUpFilter (silent, 0.5, resonance, 0.0);

        run (clicked, 140, true);
        const double ringing = run (clicked, 10, false);
        if (resonance > 1.0)
            EXPECT_GT (ringing, 0.05) << resonance;
        else
            EXPECT_LT (ringing, 1.0e-6);

        // Digital silence stays silent: only the "Cold" shaper's offset of about 1e-16 at
        // zero input comes through.
        EXPECT_LT (run (silent, 150, false), 1.0e-14) << resonance;

        // Controller 120 resets the filter: the tone stops once the oversampling filters'
        // own tails ring out.
        auto buffer = clicked.makeBuffer (480);
        juce::MidiBuffer reset;
        reset.addEvent (juce::MidiMessage::controllerEvent (1, 120, 0), 0);
        clicked->processBlock (buffer, reset);
        run (clicked, 5, false);
        EXPECT_LT (run (clicked, 10, false), 1.0e-9) << resonance;
    }
}
