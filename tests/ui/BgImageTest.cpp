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

namespace
{
    /** The panel as a window would show it: the background inside a 703 × 319 parent. */
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
}

TEST (BgImage, drawsAtHalfScaleBufferedBehindItsSiblingsAndLetsClicksThrough)
{
    Panel panel (VortaneResources::getControlPanelPicture());
    juce::Component sibling;
    panel.parent.addAndMakeVisible (sibling, 0);
    panel.background.toBack();

    EXPECT_EQ (panel.background.getScale(), 0.5f);
    EXPECT_EQ (panel.parent.getIndexOfChildComponent (&panel.background), 0);
    EXPECT_NE (panel.background.getCachedComponentImage(), nullptr);
    EXPECT_FALSE (panel.background.isOpaque());

    bool self = true, children = true;
    panel.background.getInterceptsMouseClicks (self, children);
    EXPECT_FALSE (self || children);
}

TEST (BgImage, theOpaquePanelCoversTheOtherCornersAndANullImageDrawsNothing)
{
    Panel opaque (VortaneResources::getControlPanelPicture());
    const auto half = ImageChecks::snapshot (opaque.parent, 1.0f);
    for (auto p : { juce::Point<int> (702, 0), { 0, 318 } })
        EXPECT_GE (half.getPixelAt (p.x, p.y).getAlpha(), 250) << p.toString();

    Panel panel { juce::Image() };
    EXPECT_EQ (ImageChecks::snapshot (panel.parent).getPixelAt (25, 25).getAlpha(), 0);
}
