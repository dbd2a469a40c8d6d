// The two drive characters' limits, from their definitions: "Cold" rises to 1.5 at
// u ~ 1.7083 and folds back to 1.3277 above u ~ 1.9583, and bottoms out at -0.9025 below
// u ~ -0.9583; "Hot" reaches +1.0 at 1.5 and -1.0 at -1.125 and stays there.

#include "dsp/DriveShaper.h"

#include <gtest/gtest.h>

namespace
{
    double cold (double u) { return DriveShaper::cold (Double2 (u)).left(); }
    double hot (double u)  { return DriveShaper::hot (Double2 (u)).right(); }
}

TEST (DriveShaper, coldPeaksAtOneAndAHalfThenFoldsBack)
{
    EXPECT_NEAR (cold (0.0), 0.0, 1.0e-15);
    EXPECT_NEAR (cold (1.7083342), 1.5, 1.0e-6);
    EXPECT_NEAR (cold (2.0), 1.3277, 1.0e-4);
    EXPECT_LT (cold (2.0), cold (1.7083342));
    EXPECT_EQ (cold (1.9584), cold (5.0));
    EXPECT_EQ (cold (1.9584), cold (1.0e6));

    // Rising up to the peak, never above it.
    double previous = cold (-0.95);
    for (double u = -0.94; u <= 1.708; u += 0.01)
    {
        EXPECT_GT (cold (u), previous) << u;
        EXPECT_LE (cold (u), 1.5);
        previous = cold (u);
    }
}

TEST (DriveShaper, coldBottomsOutWithACorner)
{
    EXPECT_NEAR (cold (-0.9583), -0.9025, 1.0e-4);
    EXPECT_EQ (cold (-0.96), cold (-100.0));
    // No flat approach: the curve still falls steeply just above the corner.
    EXPECT_GT (cold (-0.95) - cold (-0.958), 0.005);
}

TEST (DriveShaper, hotClipsAsymmetricallyAtPlusAndMinusOne)
{
    EXPECT_EQ (hot (0.0), 0.0);
    EXPECT_NEAR (hot (1.5), 1.0, 1.0e-9);
    EXPECT_EQ (hot (1.5), hot (40.0));
    EXPECT_NEAR (hot (-1.125), -1.0, 1.0e-7);
    EXPECT_EQ (hot (-1.125), hot (-40.0));

    for (double u = -1.2; u <= 1.6; u += 0.01)
    {
        EXPECT_LE (std::abs (hot (u)), 1.0 + 1.0e-7) << u;
        EXPECT_GE (hot (u + 0.01), hot (u)) << u;
    }
}

TEST (DriveShaper, bothLanesAreShapedIndependently)
{
    const Double2 out = DriveShaper::hot (Double2 (2.0, -2.0));
    EXPECT_NEAR (out.left(), 1.0, 1.0e-9);
    EXPECT_NEAR (out.right(), -1.0, 1.0e-7);
}

TEST (DriveShaper, linearIntegratorUpdateIsAOnePoleStep)
{
    // state + g hp is the low-pass output lp = (g x + state) / (1 + g) for hp = x - lp,
    // and the new state is lp + g hp.
    double state = 0.3;
    const double g = 0.2, x = 1.0;
    const double lp = (g * x + state) / (1.0 + g);
    const double y = driveShape (state, 1, g, x - lp);
    EXPECT_NEAR (y, lp, 1.0e-15);
    EXPECT_NEAR (state, lp + g * (x - lp), 1.0e-15);
}
