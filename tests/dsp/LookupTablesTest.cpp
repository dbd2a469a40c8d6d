// The two shared tables against their rule (tan(pi/2 x) and 2^x at 4001 points, stored
// with ten decimal places), the interpolating look-up, and the one-pole built on them.

#include "dsp/LookupTables.h"
#include "dsp/ReferenceVoice.h"
#include "dsp/ZF1Pole.h"

#include <gtest/gtest.h>

TEST (LookupTables, entriesFollowTheRuleAndTheLookUpInterpolates)
{
    const auto& prewarp = prewarpTable();
    const auto& octave = octaveTable();

    for (size_t i = 0; i < 4001; ++i)
    {
        ASSERT_EQ (prewarp.data[i], reference::prewarpTable()[i]) << i;
        ASSERT_EQ (octave.data[i], reference::octaveTable()[i]) << i;
    }
    EXPECT_EQ (prewarp.data[0], -6366.1976713121);
    EXPECT_EQ (prewarp.data[2000], 0.0);
    EXPECT_EQ (octave.data[0], 0.0009765625);
    EXPECT_EQ (octave.data[2000], 1.0);

    EXPECT_NEAR (octave.lookup (0.5), std::sqrt (2.0), 1.0e-9);
    EXPECT_NEAR (octave.lookup (-3.0025), std::pow (2.0, -3.0025), 1.0e-6);
    EXPECT_NEAR (prewarp.lookup (0.25), std::tan (M_PI / 8.0), 1.0e-9);
    EXPECT_EQ (octave.lookup (10.0), 1024.0);                // the top entry alone
    EXPECT_EQ (prewarp.lookup (1.0), 6366.1976713121);

    const Double2 both = octave.lookup (Double2 (0.5, -3.0025));
    EXPECT_EQ (both.left(), octave.lookup (0.5));
    EXPECT_EQ (both.right(), octave.lookup (-3.0025));
}

TEST (ZF1Pole, isAOnePoleLowPassThreeDecibelsDownAtItsControlFrequency)
{
    // Control value a puts the cutoff at a x Nyquist.
    ZF1Pole pole (prewarpTable());
    double input = 0.0, control = 0.1, output = 0.0, highPass = 0.0;
    pole.connect (&input, &control, &output, &highPass);

    double c = 0.0, s = 0.0;
    const int settle = 2000, length = 4000;   // whole periods of 0.05 cycles per sample
    for (int n = 0; n < settle + length; ++n)
    {
        const double phase = 2.0 * M_PI * 0.05 * n;
        input = std::sin (phase);
        pole.process();
        EXPECT_NEAR (output + highPass, input, 1.0e-12);
        if (n >= settle)
        {
            c += output * std::cos (phase);
            s += output * std::sin (phase);
        }
    }

    EXPECT_NEAR (20.0 * std::log10 (2.0 * std::hypot (c, s) / length), -3.0103, 0.001);
    pole.reset();
    EXPECT_EQ (pole.state, 0.0);
}
