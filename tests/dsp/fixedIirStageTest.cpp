// The oversampling low-pass as the voice uses it: sixteen times the host rate down to
// four times (inner decimator), then down to the host rate (outer decimator), keeping the
// first of every four samples.

#include "dsp/fixedIirStage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace
{
    constexpr double pi = 3.14159265358979323846;

    /** Feeds a sine of frequency (in host-rate units, host rate 1) at 16x through both
        decimators; returns the largest output magnitude after the filters have settled. */
    double residualAfterDecimation (double frequency)
    {
        fixedIirStage inner, outer;
        const int hostSamples = 4096, settle = 1024;
        std::vector<Double2> drive (16 * 64), filter (4 * 64);
        double peak = 0.0;

        for (int block = 0; block < hostSamples / 64; ++block)
        {
            for (size_t i = 0; i < drive.size(); ++i)
            {
                const double n = (double) (block * 1024 + (int) i);
                drive[i] = Double2 (std::sin (2.0 * pi * frequency * n / 16.0));
            }

            inner.process (drive.data(), (int) drive.size());
            for (size_t i = 0; i < filter.size(); ++i)
                filter[i] = drive[4 * i];

            outer.process (filter.data(), (int) filter.size());
            for (int i = 0; i < 64; ++i)
                if (block * 64 + i >= settle)
                    peak = std::max (peak, std::abs (filter[(size_t) (4 * i)].left()));
        }

        return peak;
    }

    /** Amplitude of the component at frequency (cycles per sample) over whole periods. */
    double amplitudeAt (const std::vector<double>& x, double frequency)
    {
        double c = 0.0, s = 0.0;
        for (size_t n = 0; n < x.size(); ++n)
        {
            c += x[n] * std::cos (2.0 * pi * frequency * (double) n);
            s += x[n] * std::sin (2.0 * pi * frequency * (double) n);
        }
        return (frequency == 0.0 ? 1.0 : 2.0) * std::hypot (c, s) / (double) x.size();
    }

    class DecimatorStopBand : public ::testing::TestWithParam<double> {};
}

TEST_P (DecimatorStopBand, toneAboveTheHostNyquistFrequencyStaysBelowMinus90dB)
{
    EXPECT_LT (20.0 * std::log10 (residualAfterDecimation (GetParam())), -90.0);
}

// Frequencies as multiples of the host rate: just above its Nyquist frequency, through the
// inner stage's pass band, across its transition, and up to the 16x Nyquist frequency.
INSTANTIATE_TEST_SUITE_P (Tones, DecimatorStopBand,
                          ::testing::Values (0.51, 0.6, 0.75, 1.0, 1.4, 1.9, 2.05, 2.5, 3.3, 4.7, 6.1, 7.95));

TEST (fixedIirStage, passesTheBandBelowTheHostNyquistFrequencyFlat)
{
    // DC and tones up to 0.45 of the host rate come through both decimators unchanged
    // to within a few thousandths of a decibel per stage.
    for (double frequency : { 0.0, 0.05, 0.2, 0.35, 0.45 })
    {
        fixedIirStage inner, outer;
        std::vector<Double2> drive (16 * 256), filter (4 * 256);
        std::vector<double> output;

        for (int block = 0; block < 16; ++block)
        {
            for (size_t i = 0; i < drive.size(); ++i)
            {
                const double n = (double) (block * (int) drive.size() + (int) i);
                drive[i] = Double2 (std::cos (2.0 * pi * frequency * n / 16.0));
            }

            inner.process (drive.data(), (int) drive.size());
            for (size_t i = 0; i < filter.size(); ++i)
                filter[i] = drive[4 * i];
            outer.process (filter.data(), (int) filter.size());

            if (block >= 6)
                for (int i = 0; i < 256; ++i)
                    output.push_back (filter[(size_t) (4 * i)].left());
        }

        // 2560 samples: whole periods of every frequency tested.
        EXPECT_NEAR (20.0 * std::log10 (amplitudeAt (output, frequency)), 0.0, 0.01) << frequency;
    }
}

TEST (fixedIirStage, interpolatorWithZeroStuffingKeepsTheLevel)
{
    // Fed 4 x sample and three zeros, the 4x stream carries the same sine.
    fixedIirStage up;
    std::vector<Double2> run (4 * 512);
    std::vector<double> output;

    for (int block = 0; block < 8; ++block)
    {
        for (int i = 0; i < 512; ++i)
        {
            run[(size_t) (4 * i)] = Double2 (4.0 * std::sin (2.0 * pi * 0.1 * (block * 512 + i)));
            run[(size_t) (4 * i + 1)] = run[(size_t) (4 * i + 2)] = run[(size_t) (4 * i + 3)] = Double2();
        }

        up.process (run.data(), (int) run.size());
        if (block >= 4)
            for (const auto& v : run)
                output.push_back (v.right());
    }

    EXPECT_NEAR (20.0 * std::log10 (amplitudeAt (output, 0.1 / 4.0)), 0.0, 0.01);
}

TEST (fixedIirStage, freshStageTurnsSilenceIntoExactSilence)
{
    fixedIirStage stage;
    std::vector<Double2> run (256);
    stage.process (run.data(), (int) run.size());

    for (const auto& v : run)
        ASSERT_TRUE (v.left() == 0.0 && v.right() == 0.0);
}

TEST (fixedIirStage, chunkedRunsGiveTheSameSamplesAsOneRun)
{
    // The pipeline's fill and drain at run boundaries must not change the result.
    fixedIirStage whole, pieces;
    std::vector<Double2> a (4 * 300), b;
    for (size_t i = 0; i < a.size(); ++i)
        a[i] = Double2 (std::sin (0.01 * (double) i), std::cos (0.037 * (double) i));
    b = a;

    whole.process (a.data(), (int) a.size());

    int offset = 0;
    for (int length : { 4, 64, 8, 4, 600, 520 })
    {
        pieces.process (b.data() + offset, length);
        offset += length;
    }
    ASSERT_EQ (offset, (int) b.size());

    for (size_t i = 0; i < a.size(); ++i)
        ASSERT_TRUE (a[i].left() == b[i].left() && a[i].right() == b[i].right()) << i;
}
