#include "support/EditorFixture.h"
#include "editor/VortaneResources.h"

#include <gtest/gtest.h>

namespace
{
    struct RenderCase { const char* scale; int width, height; bool settingsOpen; };

    class EditorRenderTest : public ::testing::TestWithParam<RenderCase>
    {
    protected:
        void TearDown() override { PrefsOnDisk::remove(); }
    };
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
}

INSTANTIATE_TEST_SUITE_P (Scales, EditorRenderTest, ::testing::Values (
    RenderCase { "50", 351, 159, false },
    RenderCase { "100", 703, 319, false },
    RenderCase { "200", 1406, 638, false },
    RenderCase { "50", 351, 159, true },
    RenderCase { "100", 703, 319, true },
    RenderCase { "200", 1406, 638, true }));
