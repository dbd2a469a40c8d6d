#include "editor/VortaneResources.h"
#include "support/ImageChecks.h"
#include "ui/toolkit/BgImage.h"

namespace
{
    class BgImageRenderTest : public ::testing::TestWithParam<bool> {};
}

TEST_P (BgImageRenderTest, twoHundredPercentShowsThePictureOneToOneAndHundredPercentAtHalfSize)
{
    const bool controlPanel = GetParam();
    const auto picture = controlPanel ? VortaneResources::getControlPanelPicture()
                                      : VortaneResources::getSettingsScreenPicture();
    ASSERT_EQ (picture.getBounds(), juce::Rectangle<int> (1406, 638));

    // The panel as a window shows it: the background filling a 703 × 319 parent.
    BgImage background (picture);
    juce::Component parent;
    parent.setBounds (0, 0, 703, 319);
    parent.setVisible (true);
    parent.addAndMakeVisible (background);
    background.setBounds (parent.getLocalBounds());

    const auto full = ImageChecks::snapshot (parent, 2.0f);
    const auto half = ImageChecks::snapshot (parent, 1.0f);

    // At 200 % the picture one to one; at 100 % each point the mean of its 2 × 2 pixels,
    // give or take the filter.
    int differing = 0;
    double error = 0.0;
    for (int y = 0; y < 319; ++y)
        for (int x = 0; x < 703; ++x)
        {
            int sum = 0;
            for (int d = 0; d < 4; ++d)
            {
                const auto p = juce::Point<int> (2 * x + d % 2, 2 * y + d / 2);
                sum += picture.getPixelAt (p.x, p.y).getGreen();
                differing += full.getPixelAt (p.x, p.y) != picture.getPixelAt (p.x, p.y) ? 1 : 0;
            }
            error += std::abs (sum / 4.0 - half.getPixelAt (x, y).getGreen());
        }
    EXPECT_EQ (differing, 0);
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
    EXPECT_EQ (parent.getComponentAt (100, 100), &parent);
}

INSTANTIATE_TEST_SUITE_P (Pictures, BgImageRenderTest, ::testing::Bool());
