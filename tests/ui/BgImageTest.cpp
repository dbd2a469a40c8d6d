#include "editor/VortaneResources.h"
#include "support/EditorFixture.h"
#include "support/ImageChecks.h"
#include "ui/toolkit/BgImage.h"

namespace
{
    /** The panel as a window shows it: the background filling a 703 × 319 parent. */
    struct Panel
    {
        explicit Panel (const juce::Image& picture) : background (picture)
        {
            parent.setSize (703, 319);
            parent.setVisible (true);
            parent.addAndMakeVisible (background);
            background.setBounds (parent.getLocalBounds());
        }

        juce::Component parent;
        BgImage background;
    };

    class BgImageRenderTest : public ::testing::TestWithParam<bool> {};
}

TEST_P (BgImageRenderTest, twoHundredPercentShowsThePictureOneToOneAndHundredPercentAtHalfSize)
{
    const bool controlPanel = GetParam();
    const auto picture = controlPanel ? VortaneResources::getControlPanelPicture()
                                      : VortaneResources::getSettingsScreenPicture();
    ASSERT_EQ (picture.getBounds(), juce::Rectangle<int> (1406, 638));
    Panel panel (picture);

    const auto full = ImageChecks::snapshot (panel.parent, 2.0f);
    const auto half = ImageChecks::snapshot (panel.parent, 1.0f);
    EXPECT_TRUE (writeTestPng (half, controlPanel ? "control-panel-100.png" : "settings-screen-100.png"));

    int differing = 0;
    for (int y = 0; y < 638; y += 3)
        for (int x = 0; x < 1406; x += 3)
            differing += full.getPixelAt (x, y) != picture.getPixelAt (x, y) ? 1 : 0;
    EXPECT_EQ (differing, 0);

    // At 100 % each point is the mean of its 2 × 2 pixels, give or take the filter.
    double error = 0.0;
    for (int y = 0; y < 319; ++y)
        for (int x = 0; x < 703; ++x)
        {
            int sum = 0;
            for (int d = 0; d < 4; ++d)
                sum += picture.getPixelAt (2 * x + d % 2, 2 * y + d / 2).getGreen();
            error += std::abs (sum / 4.0 - half.getPixelAt (x, y).getGreen());
        }
    EXPECT_LT (error / (703.0 * 319.0), 2.0);

    // The panel covers the window to its last pixel (the renderer may leave the last
    // column a trace short of opaque); the settings screen lets it show through.
    if (controlPanel)
    {
        for (auto p : { juce::Point<int> (0, 0), { 702, 318 }, { 351, 160 } })
            EXPECT_GE (half.getPixelAt (p.x, p.y).getAlpha(), 250) << p.toString();
    }
    EXPECT_EQ (half.getPixelAt (351, 160).getAlpha() < 255, ! controlPanel);

    // Clicks go through to whatever lies under it.
    EXPECT_EQ (panel.parent.getComponentAt (100, 100), &panel.parent);
}

INSTANTIATE_TEST_SUITE_P (Pictures, BgImageRenderTest, ::testing::Bool());

TEST (BgImage, nullImageDrawsNothing)
{
    Panel panel { juce::Image() };
    EXPECT_EQ (ImageChecks::snapshot (panel.parent).getPixelAt (25, 25).getAlpha(), 0);
}
