// Stereo modes: setting a mode, by any value and through the host's path or not,
// leaves both depths as they are; only the mode itself changes. (QuilParamTest checks
// the host's path on more depths.)
#include "support/ProcessorFixture.h"
#include "params/QuilParamTypes.h"

#include <gtest/gtest.h>

namespace
{
    struct ModeCase
    {
        int destination, input;
        double leftReal;
        bool throughHost;
    };

    class StereoModeKeepsDepths : public ::testing::TestWithParam<ModeCase> {};
}

TEST_P (StereoModeKeepsDepths, everyModeValueLeavesBothDepthsAlone)
{
    const auto c = GetParam();
    TestProcessor p;
    auto* mode = p->data.stereoMode[c.destination][c.input];
    auto* left = p->data.depth[c.destination][c.input][0];
    auto* right = p->data.depth[c.destination][c.input][1];

    left->setValue ((float) ((c.leftReal + 1.0) / 2.0));
    right->setValue (0.9f);
    const double leftBefore = left->getRealValue(), rightBefore = right->getRealValue();

    // Linked, mono, unlinked (the host's top value) and back: a depth changed here would
    // be one the host was never told of.
    for (const float value : { 0.5f, 0.0f, 1.0f, 0.5f, 1.0f })
    {
        if (c.throughHost)
            mode->setValueNotifyingHost (value);
        else
            mode->setValue (value);
        EXPECT_EQ (mode->getMode(), (int) (value * 2.0f));
        EXPECT_EQ (right->getRealValue(), rightBefore) << value;
        EXPECT_EQ (left->getRealValue(), leftBefore) << value;
    }

    // Every other stereo mode's depths stay put.
    for (int d = 0; d < numDestinations; ++d)
        for (int input = 0; input < 2; ++input)
            if (d != c.destination || input != c.input)
            {
                EXPECT_EQ (p->data.depth[d][input][1]->getRealValue(), 0.0) << d << " " << input;
            }
}

INSTANTIATE_TEST_SUITE_P (Depths, StereoModeKeepsDepths, ::testing::Values (
    ModeCase { destIn, 0, 0.4, false }, ModeCase { destCutoff, 1, -0.7, false },
    ModeCase { destType, 0, 1.0, false }, ModeCase { destOut, 1, 0.0, false },
    ModeCase { destDrive, 0, -1.0, false }, ModeCase { destResonance, 0, -0.6, true }));
