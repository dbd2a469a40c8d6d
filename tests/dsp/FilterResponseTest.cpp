// Frequency responses measured from sines rendered through the real processor, against
// the filter's definition: a bilinear (prewarped) two-pole at four times the host rate
// with damping 2 (1 - resonance), whose low-pass, band-pass and high-pass outputs are
// 1 / D, j W / D and -W^2 / D with D = 1 - W^2 + 2 (1 - r) j W, "Type" crossfading
// linearly between neighbours, and the cutoff at 640 Hz * 2^((2v - 1) * 5), at most the
// host's Nyquist frequency.

#include "support/ParameterHelpers.h"
#include "support/ProcessorFixture.h"
#include "support/SignalGenerator.h"

#include <gtest/gtest.h>

#include <complex>

namespace
{
    constexpr double pi = juce::MathConstants<double>::pi;

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

    /** Output / input amplitude at f on output 0, in dB: a sine on every main input, 0.6 s to
        settle, then a single-bin Fourier sum over the whole periods of 0.3 s. */
    double measuredGainDb (TestProcessor& p, double f, double amplitude = 0.02)
    {
        const double fs = p->getSampleRate();
        const long long settle = (long long) (0.6 * fs), length = std::llround (std::floor (0.3 * f) * fs / f);
        std::complex<double> sum;
        juce::MidiBuffer midi;
        for (long long done = 0; done < settle + length; done += 480)
        {
            auto buffer = p.makeBuffer (480);
            for (int ch = 0; ch < p->getMainBusNumInputChannels(); ++ch)
                SignalGenerator::fillSine (buffer, ch, amplitude, f, fs, done);
            p->processBlock (buffer, midi);
            for (int i = 0; i < 480; ++i)
                if (const long long n = done + i; n >= settle && n < settle + length)
                    sum += (double) buffer.getSample (0, i) * std::polar (1.0, -2.0 * pi * f * (double) n / fs);
        }
        return 20.0 * std::log10 (2.0 * std::abs (sum) / (double) length / amplitude);
    }

    /** A processor with the filter alone: no drive, unity levels, no modulation. */
    void setUpFilter (TestProcessor& p, double cutoff, double resonance, double type)
    {
        auto& data = p->data;
        clearModulation (data);
        setReal (data.in, 0.75);
        setReal (data.out, 0.75);
        setReal (data.drive, 0.0);
        setReal (data.driveMode, 0.0);
        setReal (data.cutoff, cutoff);
        setReal (data.resonance, resonance);
        setReal (data.type, type);
    }
}

TEST (FilterResponse, followsTheTwoPoleResponseForEveryTypeCutoffAndResonance)
{
    struct Row { double sampleRate, cutoff, resonance, type; };
    const Row rows[] = { { 48000.0, 0.5, 0.0, 0.0 }, { 48000.0, 0.5, 0.0, 0.25 }, { 48000.0, 0.5, 0.0, 0.5 },
                         { 48000.0, 0.5, 0.0, 0.75 }, { 48000.0, 0.5, 0.0, 1.0 }, { 48000.0, 0.5, 0.75, 0.0 },
                         { 48000.0, 0.0, 0.0, 0.0 }, { 48000.0, 1.0, 0.0, 0.0 },
                         { 32000.0, 1.0, 0.0, 1.0 } };   // 20480 Hz lies beyond Nyquist: the filter sits at 16 kHz

    for (const auto& row : rows)
    {
        TestProcessor processor (2, 2, 2, row.sampleRate, 480);
        setUpFilter (processor, row.cutoff, row.resonance, row.type);
        const double fc = cutoffHz (row.cutoff, row.sampleRate), resonance = processor->data.resonance->getRealValue();

        for (const double octaves : { -3.0, -1.0, 0.0, 1.0, 3.0 })
            if (const double f = fc * std::exp2 (octaves); f >= 20.0 && f < 0.45 * row.sampleRate)
            {
                EXPECT_NEAR (measuredGainDb (processor, f), expectedGainDb (f, fc, resonance, row.type, row.sampleRate), 0.1)
                    << f << " Hz, cutoff " << row.cutoff << ", type " << row.type << ", resonance " << row.resonance;
            }
    }
}

TEST (FilterResponse, fallsTwelveDecibelsPerOctaveOrSixOnEachSideOfTheBandPassFarFromTheCutoff)
{
    // Three and four octaves away on the falling side; the octaves between the ones above
    // against the definition too.
    const struct { double type, slopeDb; } types[] = { { 0.0, -12.0 }, { 0.25, 0.0 }, { 0.5, -6.0 }, { 0.75, 0.0 }, { 1.0, -12.0 } };
    const double fs = 48000.0, fc = 640.0;
    for (const auto& t : types)
    {
        TestProcessor processor (2, 2, 2, fs, 480);
        setUpFilter (processor, 0.5, 0.0, t.type);
        for (const double f : { 160.0, 2560.0, 10240.0 })
            EXPECT_NEAR (measuredGainDb (processor, f), expectedGainDb (f, fc, 0.0, t.type, fs), 0.1) << f << " Hz, type " << t.type;

        if (t.slopeDb == 0.0)
            continue;
        const double far = t.type == 1.0 ? fc / 8.0 : fc * 8.0, farther = t.type == 1.0 ? fc / 16.0 : fc * 16.0;
        EXPECT_NEAR (measuredGainDb (processor, farther) - measuredGainDb (processor, far), t.slopeDb, 0.15) << t.type;
    }
}

TEST (FilterResponse, theTopOfTheCutoffLawBeyondTheHostNyquistFrequencyStopsThere)
{
    // At 32 kHz the top of the law (20480 Hz) lies beyond Nyquist: the filter sits at
    // 16 kHz, which the high-pass response two octaves below shows.
    const double fs = 32000.0;
    TestProcessor processor (2, 2, 2, fs, 480);
    setUpFilter (processor, 1.0, 0.0, 1.0);
    const double measured = measuredGainDb (processor, 4000.0);
    EXPECT_NEAR (measured, expectedGainDb (4000.0, cutoffHz (1.0, fs), 0.0, 1.0, fs), 0.1);
    EXPECT_GT (std::abs (measured - expectedGainDb (4000.0, 20480.0, 0.0, 1.0, fs)), 3.0);
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
