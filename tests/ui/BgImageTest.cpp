#include "editor/VortaneResources.h"
#include "ui/toolkit/BgImage.h"

#include <gtest/gtest.h>

namespace
{
    juce::File outputFolder()
    {
        const juce::File folder (VORTANE_TEST_OUTPUT_DIR);
        folder.createDirectory();
        return folder;
    }

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

        juce::Image render (float scale)
        {
            return parent.createComponentSnapshot (parent.getLocalBounds(), true, scale);
        }

        juce::Component parent;
        BgImage background;
    };

    void writePng (const juce::Image& image, const juce::String& name)
    {
        const auto file = outputFolder().getChildFile (name);
        file.deleteFile();
        juce::FileOutputStream out (file);
        ASSERT_TRUE (out.openedOk());
        ASSERT_TRUE (juce::PNGImageFormat().writeImageToStream (image, out));
    }

    struct RenderCase { const char* name; bool controlPanel; };

    class BgImageRenderTest : public ::testing::TestWithParam<RenderCase> {};
}

TEST_P (BgImageRenderTest, twoHundredPercentShowsThePictureOneToOneAndHundredPercentAtHalfSize)
{
    const auto c = GetParam();
    const auto picture = c.controlPanel ? VortaneResources::getControlPanelPicture()
                                        : VortaneResources::getSettingsScreenPicture();
    ASSERT_EQ (picture.getWidth(), 1406);
    Panel panel (picture);

    const auto full = panel.render (2.0f);
    const auto half = panel.render (1.0f);
    writePng (full, juce::String (c.name) + "-200.png");
    writePng (half, juce::String (c.name) + "-100.png");

    ASSERT_EQ (full.getWidth(), 1406);
    ASSERT_EQ (full.getHeight(), 638);
    ASSERT_EQ (half.getWidth(), 703);
    ASSERT_EQ (half.getHeight(), 319);

    // At twice the size the scale of one half is undone exactly.
    int differing = 0;
    for (int y = 0; y < 638; y += 3)
        for (int x = 0; x < 1406; x += 3)
            if (full.getPixelAt (x, y) != picture.getPixelAt (x, y))
                ++differing;
    EXPECT_EQ (differing, 0);

    // At 100 % each point is the mean of its 2 × 2 pixels, give or take the filter.
    double error = 0.0;
    for (int y = 0; y < 319; ++y)
        for (int x = 0; x < 703; ++x)
        {
            int sum = 0;
            for (int dy = 0; dy < 2; ++dy)
                for (int dx = 0; dx < 2; ++dx)
                    sum += picture.getPixelAt (2 * x + dx, 2 * y + dy).getGreen();
            error += std::abs (sum / 4.0 - half.getPixelAt (x, y).getGreen());
        }
    EXPECT_LT (error / (703.0 * 319.0), 2.0);
}

INSTANTIATE_TEST_SUITE_P (Pictures, BgImageRenderTest, ::testing::Values (
    RenderCase { "control-panel", true },
    RenderCase { "settings-screen", false }));

TEST (BgImage, opaquePictureCoversTheWholePanelToItsLastPixel)
{
    Panel panel (VortaneResources::getControlPanelPicture());
    const auto half = panel.render (1.0f);

    // The renderer's edge antialiasing may leave the last column a trace short of opaque.
    for (auto p : { juce::Point<int> (0, 0), juce::Point<int> (702, 0),
                    juce::Point<int> (0, 318), juce::Point<int> (702, 318), juce::Point<int> (351, 160) })
        EXPECT_GE (half.getPixelAt (p.x, p.y).getAlpha(), 250) << p.toString();
}

TEST (BgImage, clicksGoToThePanelBeneath)
{
    Panel panel (VortaneResources::getControlPanelPicture());

    EXPECT_EQ (panel.parent.getComponentAt (100, 100), &panel.parent);
    bool self = true, children = true;
    panel.background.getInterceptsMouseClicks (self, children);
    EXPECT_FALSE (self);
    EXPECT_FALSE (children);
}

TEST (BgImage, drawsAtHalfScaleIsBufferedAndStaysBehindItsSiblings)
{
    juce::Component parent;
    juce::Component sibling;
    parent.addAndMakeVisible (sibling);

    BgImage background (VortaneResources::getControlPanelPicture());
    parent.addAndMakeVisible (background);
    background.toBack();

    EXPECT_EQ (background.getScale(), 0.5f);
    EXPECT_EQ (parent.getIndexOfChildComponent (&background), 0);
    EXPECT_NE (background.getCachedComponentImage(), nullptr);
    EXPECT_FALSE (background.isOpaque());
}

TEST (BgImage, nullImageDrawsNothing)
{
    juce::Component parent;
    parent.setSize (50, 50);
    BgImage background { juce::Image() };
    parent.addAndMakeVisible (background);
    background.setBounds (parent.getLocalBounds());

    const auto snapshot = parent.createComponentSnapshot (parent.getLocalBounds(), true, 1.0f);
    EXPECT_EQ (snapshot.getPixelAt (25, 25).getAlpha(), 0);
}
