#include "editor/VortaneResources.h"
#include "support/ImageChecks.h"
#include "ui/toolkit/MonocolorTitleButton.h"
#include "ui/toolkit/MulticolorTitleButton.h"
#include "ui/toolkit/SettingsButton.h"

using namespace ImageChecks;

namespace
{
    template <typename ButtonType>
    juce::Image paintState (ButtonType& button, bool highlighted, bool down)
    {
        return draw (button.getWidth(), button.getHeight(),
                     [&] (juce::Graphics& g) { button.paintButton (g, highlighted, down); });
    }

    class TitleTest : public ::testing::TestWithParam<bool> {};
}

TEST_P (TitleTest, theLogoFitsCentredAfterEveryResizeAndOnlyAnInteractiveTitleChangesOnHoverAndPress)
{
    const bool interactive = GetParam();
    MonocolorTitleButton mono ("Quillmere", interactive, 1.0f);
    mono.setColour (ColourTable::colourId (8, 1), juce::Colour (0xFF806040));
    juce::Path outline;
    outline.addRectangle (0.0f, 0.0f, 40.0f, 10.0f);
    mono.setIconPath (outline);

    // 92 × 9 less the press offset leaves 91 × 8: 32 × 8, centred, however often it is resized.
    for (auto size : { juce::Point<int> (92, 9), { 200, 50 }, { 92, 9 } })
        mono.setSize (size.x, size.y);
    EXPECT_LT (mono.getIconPath().getBounds().getTopLeft().getDistanceFrom ({ 29.5f, 0.0f }), 1.0e-3f);
    EXPECT_LT (mono.getIconPath().getBounds().getBottomRight().getDistanceFrom ({ 61.5f, 8.0f }), 1.0e-3f);

    MulticolorTitleButton multi ("Vortane", interactive, 1.0f);
    multi.setColour (ColourTable::colourId (8, 1), juce::Colours::white);
    multi.setIcons (VortaneResources::createProductLogo(), VortaneResources::createProductLogo());
    multi.setSize (108, 18);
    multi.fitIcons (108.0f, 18.0f);

    const auto check = [interactive] (auto& button)
    {
        const auto normal = paintState (button, false, false);
        EXPECT_EQ (! same (normal, paintState (button, true, false)), interactive);
        EXPECT_EQ (! same (normal, paintState (button, true, true)), interactive);
    };
    check (mono);
    check (multi);
}

INSTANTIATE_TEST_SUITE_P (Interactive, TitleTest, ::testing::Bool());

TEST (SettingsButton, colourFollowsPointerAndPressTheCrossShowsWhileToggledAndDisablingKeepsTheColour)
{
    SettingsButton button;
    button.setColour (ColourTable::colourId (1, 1), juce::Colours::green);
    button.setColour (ColourTable::colourId (1, 3), juce::Colours::yellow);
    button.setColour (ColourTable::colourId (10, 3), juce::Colours::white);
    button.setSize (24, 24);
    // (13, 3) lies on a tooth of the gear, (12, 13) on its hub, where the cross shows.
    const auto tooth = [&] (bool highlighted, bool down, juce::Colour c)
    { return shows (paintState (button, highlighted, down), { 13, 3 }, c); };

    EXPECT_TRUE (tooth (false, false, juce::Colours::green));
    EXPECT_TRUE (tooth (true, false, juce::Colours::white));
    EXPECT_TRUE (tooth (true, true, juce::Colours::yellow));
    EXPECT_EQ (paintState (button, false, false).getPixelAt (12, 13).getAlpha(), 0);

    button.setToggleState (true, juce::dontSendNotification);
    EXPECT_TRUE (shows (paintState (button, false, false), { 12, 13 }, juce::Colours::white));
    EXPECT_EQ (button.getCaption(), "CLOSE");

    paintState (button, true, false);
    button.setEnabled (false);
    EXPECT_TRUE (tooth (false, false, juce::Colours::white));
}
