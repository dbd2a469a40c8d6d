// Stereo modes: switching to the host's top value starts the right depth as the
// mirror image of the left one; other values leave the depths alone. (QuilParamTest
// checks the host's path on more depths.)
#include "support/ProcessorFixture.h"
#include "params/QuilParamTypes.h"

#include <gtest/gtest.h>

namespace
{
    struct MirrorCase
    {
        int destination, input;
        double leftReal;
        bool throughHost;
    };

    class StereoModeMirror : public ::testing::TestWithParam<MirrorCase> {};
}

TEST_P (StereoModeMirror, unlinkedTopValueMirrorsTheLeftDepth)
{
    const auto c = GetParam();
    TestProcessor p;
    auto* mode = p->data.stereoMode[c.destination][c.input];
    auto* left = p->data.depth[c.destination][c.input][0];
    auto* right = p->data.depth[c.destination][c.input][1];

    left->setValue ((float) ((c.leftReal + 1.0) / 2.0));
    right->setValue (0.9f);
    const double rightBefore = right->getRealValue();

    // Linked and mono leave the stored depths as they are.
    mode->setValue (0.5f);
    EXPECT_EQ (mode->getMode(), 1);
    mode->setValue (0.0f);
    EXPECT_EQ (right->getRealValue(), rightBefore);

    if (c.throughHost)
        mode->setValueNotifyingHost (1.0f);
    else
        mode->setValue (1.0f);
    EXPECT_EQ (mode->getMode(), 2);
    EXPECT_NEAR (right->getRealValue(), -c.leftReal, 1.0e-6);
    EXPECT_NEAR (left->getRealValue(), c.leftReal, 1.0e-6);

    // Every other stereo mode's depths stay put.
    for (int d = 0; d < numDestinations; ++d)
        for (int input = 0; input < 2; ++input)
            if (d != c.destination || input != c.input)
            {
                EXPECT_EQ (p->data.depth[d][input][1]->getRealValue(), 0.0) << d << " " << input;
            }
}

INSTANTIATE_TEST_SUITE_P (Depths, StereoModeMirror, ::testing::Values (
    MirrorCase { destIn, 0, 0.4, false }, MirrorCase { destCutoff, 1, -0.7, false },
    MirrorCase { destType, 0, 1.0, false }, MirrorCase { destOut, 1, 0.0, false },
    MirrorCase { destDrive, 0, -1.0, false }, MirrorCase { destResonance, 0, -0.6, true }));
