#include "support/EditorFixture.h"
#include "editor/VortaneResources.h"
#include "support/ImageChecks.h"

namespace
{
    struct RenderCase { const char* scale; int width, height; bool settingsOpen; };

    using EditorRenderTest = WithoutPrefs<::testing::TestWithParam<RenderCase>>;
    using ImageChecks::near;
}

TEST_P (EditorRenderTest, rendersTheWindowAtItsScale)
{
    const auto c = GetParam();
    PrefsOnDisk::write ({ { "scale", c.scale } });
    TestEditor editor;

    if (c.settingsOpen)
        editor.window().buttonClicked (&editor.window().getSettingsButton());

    const auto image = editor.render();
    EXPECT_EQ (image.getWidth(), c.width);
    EXPECT_EQ (image.getHeight(), c.height);
    EXPECT_TRUE (writeTestPng (image, juce::String ("window-") + c.scale
                                          + (c.settingsOpen ? "-settings" : "") + ".png"));

    // Points of the 703 × 319 window as the image shows them.
    const float s = (float) c.width / 703.0f;
    const auto pixel = [&] (float x, float y) { return image.getPixelAt ((int) (x * s), (int) (y * s)); };

    // An empty spot of the background shows the picture behind it (drawn at half size).
    const auto picture = c.settingsOpen ? VortaneResources::getSettingsScreenPicture()
                                        : VortaneResources::getControlPanelPicture();
    EXPECT_TRUE (near (pixel (200.0f, 60.0f), picture.getPixelAt (400, 120), 10));
    EXPECT_EQ (pixel (200.0f, 60.0f).getAlpha(), 255);

    // The panel's controls: the cold drive-mode button (centre (306, 292)) is lit in
    // blue for the default mode, and the cutoff knob's dot (at 12 o'clock for the
    // default value, Rp − 4.5 = 35.5 above the centre (351, 104)) is white.
    if (! c.settingsOpen && s >= 1.0f)   // the small render's strokes are too thin for single pixels
    {
        EXPECT_TRUE (near (pixel (306.0f, 292.0f), juce::Colour (0xFF4EE1FF), 40));
        EXPECT_TRUE (near (pixel (351.0f, 68.5f), juce::Colours::white, 40));
    }

    // A tooth of the gear (centre (28, 23) in the window) is green; its hub shows the
    // background, or the light cross while the settings are open.
    if (s >= 1.0f)
    {
        EXPECT_TRUE (near (pixel (28.0f + 10.0f * std::sin (0.1309f) + 0.2f, 23.0f - 10.0f * std::cos (0.1309f) + 0.4f),
                           juce::Colour (0xFF23D359), 40));
        if (c.settingsOpen)
            EXPECT_TRUE (near (pixel (28.2f, 23.2f), juce::Colour (0xFFD0CBC9), 40));
        else
            EXPECT_LT (pixel (28.2f, 23.2f).getGreen(), 60);
    }
}

INSTANTIATE_TEST_SUITE_P (Scales, EditorRenderTest, ::testing::Values (
    RenderCase { "50", 351, 159, false },
    RenderCase { "100", 703, 319, false },
    RenderCase { "200", 1406, 638, false },
    RenderCase { "50", 351, 159, true },
    RenderCase { "100", 703, 319, true },
    RenderCase { "200", 1406, 638, true }));
