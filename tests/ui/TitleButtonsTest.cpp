#include "editor/VortaneResources.h"
#include "ui/lnf/QuilLnF.h"
#include "ui/toolkit/MonocolorTitleButton.h"
#include "ui/toolkit/MulticolorTitleButton.h"
#include "ui/toolkit/SettingsButton.h"

#include <gtest/gtest.h>

namespace
{
    juce::Image paintState (juce::Button& button, bool highlighted, bool down,
                            std::function<void (juce::Graphics&, bool, bool)> paint)
    {
        juce::Image image (juce::Image::ARGB, button.getWidth(), button.getHeight(), true);
        juce::Graphics g (image);
        paint (g, highlighted, down);
        return image;
    }

    bool sameImage (const juce::Image& a, const juce::Image& b)
    {
        for (int y = 0; y < a.getHeight(); ++y)
            for (int x = 0; x < a.getWidth(); ++x)
                if (a.getPixelAt (x, y) != b.getPixelAt (x, y))
                    return false;
        return true;
    }

    /** The pixel shows the colour (edge pixels keep it at lower alpha). */
    ::testing::AssertionResult shows (const juce::Image& image, juce::Point<int> p, juce::Colour colour)
    {
        const auto c = image.getPixelAt (p.x, p.y);
        if (c.getAlpha() > 100 && std::abs (c.getRed() - colour.getRed()) <= 3
            && std::abs (c.getGreen() - colour.getGreen()) <= 3 && std::abs (c.getBlue() - colour.getBlue()) <= 3)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "pixel " << c.toDisplayString (true) << " is not " << colour.toDisplayString (true);
    }

    juce::Path rectangleOutline (float w, float h)
    {
        juce::Path p;
        p.addRectangle (0.0f, 0.0f, w, h);
        return p;
    }

    void expectRect (juce::Rectangle<float> actual, juce::Rectangle<float> expected)
    {
        EXPECT_NEAR (actual.getX(), expected.getX(), 1.0e-3f);
        EXPECT_NEAR (actual.getY(), expected.getY(), 1.0e-3f);
        EXPECT_NEAR (actual.getWidth(), expected.getWidth(), 1.0e-3f);
        EXPECT_NEAR (actual.getHeight(), expected.getHeight(), 1.0e-3f);
    }
}

TEST (MonocolorTitleButton, theOutlineIsRefittedCentredAndProportionalOnEveryResize)
{
    MonocolorTitleButton logo ("Quillmere", true, 1.0f);
    logo.setIconPath (rectangleOutline (40.0f, 10.0f));

    // 92 × 9 less the press offset leaves 91 × 8: scale 0.8, 32 × 8, centred.
    logo.setSize (92, 9);
    expectRect (logo.getIconPath().getBounds(), { 29.5f, 0.0f, 32.0f, 8.0f });
    expectRect (logo.getPressedIconPath().getBounds(), { 30.5f, 1.0f, 32.0f, 8.0f });

    // 199 × 49 available: limited by the height, 196 × 49.
    logo.setSize (200, 50);
    expectRect (logo.getIconPath().getBounds(), { 1.5f, 0.0f, 196.0f, 49.0f });

    logo.setSize (92, 9);
    expectRect (logo.getIconPath().getBounds(), { 29.5f, 0.0f, 32.0f, 8.0f });
}

TEST (MonocolorTitleButton, theHighlightIsTheColourAtOnePointTwoTimesTheBrightness)
{
    MonocolorTitleButton logo ("Quillmere");
    logo.setColour (ColourTable::colourId (8, 1), juce::Colour (0xFF806040));
    logo.setIconPath (rectangleOutline (40.0f, 10.0f));
    logo.setSize (92, 9);

    // Brightness is the largest channel: 128 × 1.2 = 153.6, the others keep their ratios.
    const auto highlight = logo.getColourTable().getColour (8, 3);
    EXPECT_NEAR (highlight.getRed(), 154, 1);
    EXPECT_NEAR (highlight.getGreen(), 115, 1);
    EXPECT_NEAR (highlight.getBlue(), 77, 1);
    EXPECT_EQ (logo.findColour (ColourTable::colourId (8, 3)), highlight);
}

namespace
{
    class TitleInteractivityTest : public ::testing::TestWithParam<bool> {};
}

TEST_P (TitleInteractivityTest, onlyAnInteractiveTitleChangesOnHoverAndPress)
{
    const bool interactive = GetParam();

    MonocolorTitleButton mono ("Quillmere", interactive, 1.0f);
    mono.setColour (ColourTable::colourId (8, 1), juce::Colour (0xFF806040));
    mono.setIconPath (VortaneResources::getMakerLogoOutline());
    mono.setSize (92, 9);
    const auto paintMono = [&] (juce::Graphics& g, bool h, bool d) { mono.paintButton (g, h, d); };

    MulticolorTitleButton multi ("Vortane", interactive, 1.0f);
    multi.setColour (ColourTable::colourId (8, 1), juce::Colours::white);
    multi.setFillOpacity (0.9f);
    multi.setIcons (VortaneResources::createProductLogo(), VortaneResources::createProductLogo());
    multi.setSize (108, 18);
    multi.fitIcons (108.0f, 18.0f);
    const auto paintMulti = [&] (juce::Graphics& g, bool h, bool d) { multi.paintButton (g, h, d); };

    for (auto& [button, paint] : { std::pair<juce::Button*, std::function<void (juce::Graphics&, bool, bool)>> { &mono, paintMono },
                                   std::pair<juce::Button*, std::function<void (juce::Graphics&, bool, bool)>> { &multi, paintMulti } })
    {
        const auto normal = paintState (*button, false, false, paint);
        EXPECT_EQ (! sameImage (normal, paintState (*button, true, false, paint)), interactive) << button->getName();
        EXPECT_EQ (! sameImage (normal, paintState (*button, true, true, paint)), interactive) << button->getName();
    }
}

INSTANTIATE_TEST_SUITE_P (Interactive, TitleInteractivityTest, ::testing::Bool());

TEST (MulticolorTitleButton, theHoverOverlaysAreTheFittedLogosSilhouetteAtNinetyPercent)
{
    MulticolorTitleButton logo ("Vortane");
    logo.setColour (ColourTable::colourId (8, 1), juce::Colour (0xFFFFFFFF));
    logo.setFillOpacity (0.9f);
    logo.setIcons (VortaneResources::createProductLogo(), VortaneResources::createProductLogo());
    logo.fitIcons (108.0f, 18.0f);

    const auto fill = logo.getHoverOverlay().getFill();
    ASSERT_TRUE (fill.isColour());
    EXPECT_EQ (fill.colour.getAlpha(), 230);   // 0.9 × 255
    EXPECT_EQ (fill.colour.withAlpha ((juce::uint8) 255), juce::Colours::white);

    // Fitted into 107 × 17, shrinking only and centred; the pressed one a point lower right.
    const auto normal = logo.getHoverOverlay().getPath().getBounds();
    const auto pressed = logo.getPressedHoverOverlay().getPath().getBounds();
    EXPECT_TRUE (juce::Rectangle<float> (0.0f, 0.0f, 107.0f, 17.0f).expanded (0.01f).contains (normal));
    EXPECT_TRUE (std::abs (normal.getWidth() - 107.0f) < 0.01f || std::abs (normal.getHeight() - 17.0f) < 0.01f);
    EXPECT_NEAR (normal.getCentreX(), 53.5f, 0.01f);
    EXPECT_NEAR (normal.getCentreY(), 8.5f, 0.01f);
    EXPECT_NEAR (pressed.getX() - normal.getX(), 1.0f, 0.01f);
    EXPECT_NEAR (pressed.getY() - normal.getY(), 1.0f, 0.01f);
}

namespace
{
    /** A settings button with distinct colours in the slots it reads. */
    struct Gear
    {
        Gear()
        {
            button.setColour (ColourTable::colourId (1, 1), juce::Colours::green);
            button.setColour (ColourTable::colourId (1, 3), juce::Colours::yellow);
            button.setColour (ColourTable::colourId (10, 3), juce::Colours::white);
            button.setSize (24, 24);
        }

        juce::Image paint (bool highlighted, bool down)
        {
            return paintState (button, highlighted, down,
                               [this] (juce::Graphics& g, bool h, bool d) { button.paintButton (g, h, d); });
        }

        // A point at a radius and angle (degrees clockwise from the top) around the gear's centre (12, 13).
        static juce::Point<float> at (float radius, float degrees)
        {
            const float a = juce::degreesToRadians (degrees);
            return { 12.0f + radius * std::sin (a), 13.0f - radius * std::cos (a) };
        }

        SettingsButton button;
    };
}

TEST (SettingsButton, theGearHasTwelveTeethAndAHoleForItsHub)
{
    Gear gear;
    const auto& path = gear.button.getGearPath();

    for (int tooth = 0; tooth < 12; ++tooth)
    {
        const float a = 30.0f * (float) tooth;
        EXPECT_TRUE (path.contains (Gear::at (10.0f, a + 7.5f))) << "tooth " << tooth;
        EXPECT_FALSE (path.contains (Gear::at (10.0f, a + 22.5f))) << "gap " << tooth;
        EXPECT_TRUE (path.contains (Gear::at (7.5f, a))) << "ring " << tooth;
        EXPECT_FALSE (path.contains (Gear::at (5.0f, a))) << "hub " << tooth;
    }
    EXPECT_FALSE (path.contains ({ 12.0f, 13.0f }));

    // The cross: two strokes from (9, 10) to (15, 16) and from (15, 10) to (9, 16).
    const auto& cross = gear.button.getCrossPath();
    EXPECT_TRUE (cross.contains ({ 12.0f, 13.0f }));
    EXPECT_TRUE (cross.contains ({ 9.5f, 10.5f }));
    EXPECT_TRUE (cross.contains ({ 14.5f, 15.5f }));
    EXPECT_FALSE (cross.contains ({ 12.0f, 10.0f }));
}

TEST (SettingsButton, colourFollowsPointerAndPressAndTheCrossShowsWhileToggled)
{
    Gear gear;
    const auto tooth = Gear::at (10.0f, 7.5f).toInt();

    EXPECT_TRUE (shows (gear.paint (false, false), { tooth.x, tooth.y }, juce::Colours::green));
    EXPECT_TRUE (shows (gear.paint (true, false), { tooth.x, tooth.y }, juce::Colours::white));
    EXPECT_TRUE (shows (gear.paint (true, true), { tooth.x, tooth.y }, juce::Colours::yellow));
    EXPECT_EQ (gear.paint (false, false).getPixelAt (12, 13).getAlpha(), 0);
    EXPECT_EQ (gear.button.getCaption(), "SETTINGS");

    gear.button.setToggleState (true, juce::dontSendNotification);
    const auto toggled = gear.paint (false, false);
    EXPECT_TRUE (shows (toggled, { 12, 13 }, juce::Colours::white));
    EXPECT_TRUE (shows (toggled, { tooth.x, tooth.y }, juce::Colours::green));
    EXPECT_EQ (gear.button.getCaption(), "CLOSE");
}

TEST (SettingsButton, aDisabledButtonKeepsTheColourItHad)
{
    Gear gear;
    const auto tooth = Gear::at (10.0f, 7.5f).toInt();

    gear.paint (true, false);
    gear.button.setEnabled (false);
    EXPECT_TRUE (shows (gear.paint (false, false), { tooth.x, tooth.y }, juce::Colours::white));

    gear.button.setEnabled (true);
    EXPECT_TRUE (shows (gear.paint (false, false), { tooth.x, tooth.y }, juce::Colours::green));

    // Disabling the parent counts too.
    juce::Component parent;
    parent.addAndMakeVisible (gear.button);
    gear.paint (false, true);
    parent.setEnabled (false);
    EXPECT_TRUE (shows (gear.paint (true, false), { tooth.x, tooth.y }, juce::Colours::yellow));
}
