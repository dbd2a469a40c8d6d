// The oversampling low-pass as the voice uses it: sixteen times the host rate down to
// four times (inner decimator), then down to the host rate (outer decimator), keeping the
// first of every four samples. (Its chunking is checked bit for bit against the scalar
// reference by the engine tests.)

#include "dsp/fixedIirStage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace
{
    constexpr double pi = 3.14159265358979323846;

    /** Feeds a cosine of frequency (host rate 1) at 16x through both decimators; returns
        the host-rate output after the filters have settled (2560 samples: whole periods
        of every frequency tested). */
    std::vector<double> decimated (double frequency)
    {
        fixedIirStage inner, outer;
        std::vector<Double2> drive (16 * 256), filter (4 * 256);
        std::vector<double> output;

        for (int block = 0; block < 16; ++block)
        {
            for (size_t i = 0; i < drive.size(); ++i)
                drive[i] = Double2 (std::cos (2.0 * pi * frequency * (double) (block * (int) drive.size() + (int) i) / 16.0));

            inner.process (drive.data(), (int) drive.size());
            for (size_t i = 0; i < filter.size(); ++i)
                filter[i] = drive[4 * i];
            outer.process (filter.data(), (int) filter.size());

            for (int i = 0; i < 256 && block >= 6; ++i)
                output.push_back (filter[(size_t) (4 * i)].left());
        }
        return output;
    }

    class DecimatorStopBand : public ::testing::TestWithParam<double> {};
}

TEST_P (DecimatorStopBand, toneAboveTheHostNyquistFrequencyStaysBelowMinus90dB)
{
    double peak = 0.0;
    for (double v : decimated (GetParam()))
        peak = std::max (peak, std::abs (v));
    EXPECT_LT (20.0 * std::log10 (peak), -90.0);
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
        const auto x = decimated (frequency);
        double c = 0.0, s = 0.0;
        for (size_t n = 0; n < x.size(); ++n)
        {
            c += x[n] * std::cos (2.0 * pi * frequency * (double) n);
            s += x[n] * std::sin (2.0 * pi * frequency * (double) n);
        }
        const double amplitude = (frequency == 0.0 ? 1.0 : 2.0) * std::hypot (c, s) / (double) x.size();
        EXPECT_NEAR (20.0 * std::log10 (amplitude), 0.0, 0.01) << frequency;
    }
}
