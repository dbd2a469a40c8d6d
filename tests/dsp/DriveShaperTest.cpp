// The two drive characters' limits, from their definitions: "Cold" rises to 1.5 at
// u ~ 1.7083 and folds back to 1.3277 above u ~ 1.9583, and bottoms out at -0.9025 below
// u ~ -0.9583; "Hot" reaches +1.0 at 1.5 and -1.0 at -1.125 and stays there.

#include "dsp/DriveShaper.h"

#include <gtest/gtest.h>

namespace
{
    double cold (double u) { return DriveShaper::cold (Double2 (u)).left(); }
    double hot (double u)  { return DriveShaper::hot (Double2 (u)).right(); }

    using Shape = double (*) (double);
}

TEST (DriveShaper, limitsAndFoldBackOfBothCharacters)
{
    struct Point { Shape shape; double u, expected, tolerance; };
    for (const auto& p : { Point { cold, 0.0, 0.0, 1.0e-15 }, Point { cold, 1.7083342, 1.5, 1.0e-6 },
                           Point { cold, 2.0, 1.3277, 1.0e-4 }, Point { cold, -0.9583, -0.9025, 1.0e-4 },
                           Point { hot, 0.0, 0.0, 0.0 }, Point { hot, 1.5, 1.0, 1.0e-9 }, Point { hot, -1.125, -1.0, 1.0e-7 } })
        EXPECT_NEAR (p.shape (p.u), p.expected, p.tolerance) << p.u;

    // Flat beyond the corners.
    for (const auto& [shape, corner, far] : { std::tuple<Shape, double, double> { cold, 1.9584, 5.0 }, { cold, 1.9584, 1.0e6 },
                                              { cold, -0.96, -100.0 }, { hot, 1.5, 40.0 }, { hot, -1.125, -40.0 } })
        EXPECT_EQ (shape (corner), shape (far)) << far;

    // "Cold" rises up to its peak, never above it, and still falls steeply just above its
    // lower corner; "Hot" rises and stays within +-1.
    for (double u = -0.94; u <= 1.708; u += 0.01)
    {
        EXPECT_GT (cold (u), cold (u - 0.01)) << u;
        EXPECT_LE (cold (u), 1.5);
    }
    EXPECT_GT (cold (-0.95) - cold (-0.958), 0.005);

    for (double u = -1.2; u <= 1.6; u += 0.01)
    {
        EXPECT_LE (std::abs (hot (u)), 1.0 + 1.0e-7) << u;
        EXPECT_GE (hot (u + 0.01), hot (u)) << u;
    }
}
