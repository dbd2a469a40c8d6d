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

namespace
{
    /** Known colours in the three slots the settings button draws with, at 24 points. */
    void colourSettingsButton (SettingsButton& button)
    {
        button.setColour (ColourTable::colourId (1, 1), juce::Colours::green);
        button.setColour (ColourTable::colourId (1, 3), juce::Colours::yellow);
        button.setColour (ColourTable::colourId (10, 3), juce::Colours::white);
        button.setSize (24, 24);
    }
}

TEST (SettingsButton, colourFollowsPointerAndPressTheCrossShowsWhileToggledAndDisablingKeepsTheColour)
{
    SettingsButton button;
    colourSettingsButton (button);
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

//==============================================================================
namespace
{
    void expectRect (juce::Rectangle<float> actual, juce::Rectangle<float> expected)
    {
        EXPECT_LT (actual.getTopLeft().getDistanceFrom (expected.getTopLeft()), 1.0e-3f) << actual.toString();
        EXPECT_LT (actual.getBottomRight().getDistanceFrom (expected.getBottomRight()), 1.0e-3f) << actual.toString();
    }
}

TEST (MonocolorTitleButton, thePressedOutlineIsAPointLowerRightAndALargerSizeIsLimitedByItsHeight)
{
    MonocolorTitleButton logo ("Quillmere", true, 1.0f);
    juce::Path outline;
    outline.addRectangle (0.0f, 0.0f, 40.0f, 10.0f);
    logo.setIconPath (outline);

    logo.setSize (92, 9);
    expectRect (logo.getPressedIconPath().getBounds(), { 30.5f, 1.0f, 32.0f, 8.0f });

    // 199 × 49 available: limited by the height, 196 × 49.
    logo.setSize (200, 50);
    expectRect (logo.getIconPath().getBounds(), { 1.5f, 0.0f, 196.0f, 49.0f });
}

TEST (TitleButtons, theHighlightIsOnePointTwoTimesTheBrightnessAndTheOverlayTheFittedSilhouetteAtNinetyPercent)
{
    MonocolorTitleButton mono ("Quillmere", true, 1.0f);
    mono.setColour (ColourTable::colourId (8, 1), juce::Colour (0xFF806040));
    mono.setIconPath (VortaneResources::getMakerLogoOutline());
    mono.setSize (92, 9);

    // Brightness is the largest channel: 128 × 1.2 = 153.6, the others keep their ratios.
    const auto highlight = mono.getColourTable().getColour (8, 3);
    EXPECT_TRUE (near (highlight, juce::Colour (154, 115, 77), 1));
    EXPECT_EQ (mono.findColour (ColourTable::colourId (8, 3)), highlight);

    MulticolorTitleButton multi ("Vortane", true, 1.0f);
    multi.setColour (ColourTable::colourId (8, 1), juce::Colours::white);
    multi.setFillOpacity (0.9f);
    multi.setIcons (VortaneResources::createProductLogo(), VortaneResources::createProductLogo());
    multi.setSize (108, 18);
    multi.fitIcons (108.0f, 18.0f);

    const auto fill = multi.getHoverOverlay().getFill();
    ASSERT_TRUE (fill.isColour());
    EXPECT_EQ (fill.colour.getAlpha(), 230);   // 0.9 × 255
    EXPECT_EQ (fill.colour.withAlpha ((juce::uint8) 255), juce::Colours::white);

    // Fitted into 107 × 17, shrinking only and centred; the pressed one a point lower right.
    const auto normal = multi.getHoverOverlay().getPath().getBounds();
    const auto pressed = multi.getPressedHoverOverlay().getPath().getBounds();
    EXPECT_TRUE (juce::Rectangle<float> (0.0f, 0.0f, 107.0f, 17.0f).expanded (0.01f).contains (normal));
    EXPECT_TRUE (std::abs (normal.getWidth() - 107.0f) < 0.01f || std::abs (normal.getHeight() - 17.0f) < 0.01f);
    EXPECT_LT (normal.getCentre().getDistanceFrom ({ 53.5f, 8.5f }), 0.01f);
    EXPECT_LT ((pressed.getTopLeft() - normal.getTopLeft()).getDistanceFrom ({ 1.0f, 1.0f }), 0.01f);
}

namespace
{
    // A point at a radius and angle (degrees clockwise from the top) around the gear's centre (12, 13).
    juce::Point<float> gearPoint (float radius, float degrees)
    {
        const float a = juce::degreesToRadians (degrees);
        return { 12.0f + radius * std::sin (a), 13.0f - radius * std::cos (a) };
    }
}

TEST (SettingsButton, theGearHasTwelveTeethAndAHoleForItsHubAndTheCrossTwoStrokes)
{
    SettingsButton button;
    button.setSize (24, 24);
    const auto& path = button.getGearPath();

    for (int tooth = 0; tooth < 12; ++tooth)
    {
        const float a = 30.0f * (float) tooth;
        EXPECT_TRUE (path.contains (gearPoint (10.0f, a + 7.5f))) << "tooth " << tooth;
        EXPECT_FALSE (path.contains (gearPoint (10.0f, a + 22.5f))) << "gap " << tooth;
        EXPECT_TRUE (path.contains (gearPoint (7.5f, a))) << "ring " << tooth;
        EXPECT_FALSE (path.contains (gearPoint (5.0f, a))) << "hub " << tooth;
    }
    EXPECT_FALSE (path.contains ({ 12.0f, 13.0f }));

    // From (9, 10) to (15, 16) and from (15, 10) to (9, 16).
    const auto& cross = button.getCrossPath();
    for (auto p : { juce::Point<float> (12.0f, 13.0f), { 9.5f, 10.5f }, { 14.5f, 15.5f } })
        EXPECT_TRUE (cross.contains (p)) << p.toString();
    EXPECT_FALSE (cross.contains ({ 12.0f, 10.0f }));
}

TEST (SettingsButton, itsCaptionFollowsTheToggleTheTeethKeepTheirColourAndReEnablingOrADisabledParentRestoreIt)
{
    SettingsButton button;
    colourSettingsButton (button);
    const auto tooth = [&] (bool highlighted, bool down, juce::Colour c)
    { return shows (paintState (button, highlighted, down), { 13, 3 }, c); };

    EXPECT_EQ (button.getCaption(), "SETTINGS");
    button.setToggleState (true, juce::dontSendNotification);
    EXPECT_TRUE (tooth (false, false, juce::Colours::green));

    // A disabled button keeps the colour it had until it is enabled again.
    paintState (button, true, false);
    button.setEnabled (false);
    button.setEnabled (true);
    EXPECT_TRUE (tooth (false, false, juce::Colours::green));

    // So does one in a disabled parent.
    juce::Component parent;
    parent.addAndMakeVisible (button);
    paintState (button, false, true);
    parent.setEnabled (false);
    EXPECT_TRUE (tooth (true, false, juce::Colours::yellow));
}
