#include "support/ImageChecks.h"
#include "ui/lnf/QuilLnF.h"
#include "ui/toolkit/DefaultSizeLabel.h"
#include "ui/toolkit/ShadowEffect.h"
#include "ui/toolkit/StatusBar.h"

#include <regex>
#include <set>

using namespace ImageChecks;

TEST (BasicLabel, aLongTextTakesAtMostTwoLinesWithinItsWidthWhateverTheHeight)
{
    for (int height : { 16, 40, 400 })
    {
        BasicLabel label;
        label.setSize (60, height);
        label.setText ("ONE TWO THREE FOUR FIVE SIX SEVEN EIGHT NINE TEN");

        std::set<int> baselines;
        for (const auto& glyph : label.getGlyphs())
            baselines.insert (juce::roundToInt (glyph.getBaselineY()));
        EXPECT_TRUE (baselines.size() == 1 || baselines.size() == 2) << height;
        EXPECT_LE (label.getGlyphs().getBoundingBox (0, -1, true).getRight(), 60.5f);
    }
}

TEST (StatusBar, showsATextSetBeforeItHadASizeRightAlignedAndTheBuildInfoComesAndGoes)
{
    QuilLnF lookAndFeel;
    StatusBar bar;
    bar.setLookAndFeel (&lookAndFeel);
    bar.setStatusText ("v1.1.1");
    bar.showBuildInfo (false);
    bar.setBounds (485, 287, 200, 16);

    const auto image = snapshot (bar);
    EXPECT_NEAR (bar.getLabel().getGlyphs().getBoundingBox (0, -1, true).getRight(), 190.0f, 1.0f);
    EXPECT_GT (inked (image, { 150, 0, 50, 16 }), 10);
    EXPECT_EQ (inked (image, { 0, 0, 120, 16 }), 0);
    EXPECT_EQ (bar.getLabel().findColour (ColourTable::colourId (8, 1)), juce::Colour (0xFF44545E));

    // ", " + the month abbreviation, the day padded with a blank, the year + ", " + the time.
    bar.showBuildInfo (true);
    const std::regex buildInfo (R"(^v1\.1\.1, (Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec) [ 123][0-9] [0-9]{4}, [0-2][0-9]:[0-5][0-9]:[0-6][0-9]$)");
    EXPECT_TRUE (std::regex_match (bar.getLabel().getText().toStdString(), buildInfo)) << bar.getLabel().getText();
    bar.showBuildInfo (false);
    EXPECT_EQ (bar.getLabel().getText(), "v1.1.1");
    bar.setLookAndFeel (nullptr);
}

TEST (DefaultSizeLabel, drawsInItsFixedColourWhateverItsColourTableHolds)
{
    QuilLnF lookAndFeel;
    DefaultSizeLabel label ("SETTINGS");
    label.setLookAndFeel (&lookAndFeel);
    label.setColour (ColourTable::colourId (8, 1), juce::Colours::green);
    label.setFixedColour (juce::Colours::red);
    label.setSize (100, 20);

    // Anti-aliased glyph pixels keep the colour and vary in alpha.
    const auto image = snapshot (label);
    const auto countOf = [&] (juce::Colour colour)
    { return count (image, [&] (juce::Colour p) { return p.getAlpha() >= 128 && near (p, colour, 8); }); };
    EXPECT_GT (countOf (juce::Colours::red), 5);
    EXPECT_EQ (countOf (juce::Colours::green), 0);
    label.setLookAndFeel (nullptr);
}

TEST (ShadowEffect, liesBehindItsTargetInBlackAtItsOpacityLimitedToZeroToOne)
{
    juce::Component parent, target;
    parent.addAndMakeVisible (target);
    target.setBounds (10, 20, 30, 40);
    target.setTransform (juce::AffineTransform::scale (2.0f));

    for (auto [opacity, alpha] : { std::pair { 0.2f, 51 }, { 1.5f, 255 }, { -0.3f, 0 } })
    {
        ShadowEffect shadow (opacity, 5.0f, 4, 4);
        shadow.placeBehind (target);
        EXPECT_EQ (shadow.getBounds(), juce::Rectangle<int> (24, 44, 60, 80));

        const auto image = snapshot (shadow);
        EXPECT_EQ (image.getPixelAt (30, 20), juce::Colours::black.withAlpha ((juce::uint8) alpha)) << opacity;
        EXPECT_EQ (image.getPixelAt (0, 0).getAlpha(), 0);   // the rounded corner
    }
}

//==============================================================================
namespace
{
    bool passesClicksOn (juce::Component& c)
    {
        bool self = true, children = true;
        c.getInterceptsMouseClicks (self, children);
        return ! (self || children);
    }

    struct ShadowCase { float opacity; int alpha; };
    class ShadowAlphaTest : public ::testing::TestWithParam<ShadowCase> {};
}

TEST (StatusBar, theTextStartsRightOfTheMiddleAndTheBuildInfoAloneFollowsAnEmptyStatus)
{
    StatusBar bar;
    bar.setStatusText ("v1.1.1");
    bar.showBuildInfo (false);
    bar.setBounds (485, 287, 200, 16);
    EXPECT_GT (bar.getLabel().getGlyphs().getBoundingBox (0, -1, true).getX(), 100.0f);

    StatusBar empty;
    empty.setSize (400, 16);
    empty.showBuildInfo (true);
    const std::regex buildInfo (R"(^, (Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec) [ 123][0-9] [0-9]{4}, [0-2][0-9]:[0-5][0-9]:[0-6][0-9]$)");
    EXPECT_TRUE (std::regex_match (empty.getLabel().getText().toStdString(), buildInfo)) << empty.getLabel().getText();
    EXPECT_EQ (empty.getLabel().getText(), StatusBar::getBuildInfo());

    // Showing the build info leaves the status text itself alone.
    bar.showBuildInfo (true);
    EXPECT_EQ (bar.getLabel().getText(), "v1.1.1" + StatusBar::getBuildInfo());
    bar.showBuildInfo (false);
    EXPECT_EQ (bar.getStatusText(), "v1.1.1");
}

TEST (DefaultSizeLabel, withoutAFixedColourDrawsInItsTableColourAtThirteenPointsAndPassesClicksOn)
{
    QuilLnF lookAndFeel;
    DefaultSizeLabel label ("SETTINGS");
    label.setLookAndFeel (&lookAndFeel);
    label.setColour (ColourTable::colourId (8, 1), juce::Colours::blue);
    label.setSize (100, 20);

    const auto countOf = [] (const juce::Image& image, juce::Colour colour)
    { return count (image, [&] (juce::Colour p) { return p.getAlpha() >= 128 && near (p, colour, 8); }); };

    EXPECT_GT (countOf (snapshot (label), juce::Colours::blue), 5);
    EXPECT_TRUE (passesClicksOn (label));
    EXPECT_EQ (label.getFontHeight(), 13.0f);

    // A fixed colour set later wins over the table's, also after a resize.
    label.setFixedColour (juce::Colours::red);
    label.setSize (100, 21);
    const auto image = snapshot (label);
    EXPECT_GT (countOf (image, juce::Colours::red), 5);
    EXPECT_EQ (countOf (image, juce::Colours::blue), 0);
    label.setLookAndFeel (nullptr);
}

TEST_P (ShadowAlphaTest, fillsItsRoundedRectangleInBlackAtTheOpacity)
{
    const auto c = GetParam();
    ShadowEffect shadow (c.opacity, 5.0f, 4, 4);
    shadow.setSize (60, 40);

    const auto image = snapshot (shadow);
    const auto centre = image.getPixelAt (30, 20);
    EXPECT_EQ (centre.getAlpha(), c.alpha);
    if (c.alpha > 0)
    {
        EXPECT_EQ (centre.withAlpha ((juce::uint8) 255), juce::Colours::black);
    }

    // The rounded corner leaves the very corner clear.
    EXPECT_EQ (image.getPixelAt (0, 0).getAlpha(), 0);

    // Under 1.5 points in a dimension it draws nothing.
    shadow.setSize (40, 1);
    EXPECT_EQ (inked (snapshot (shadow)), 0);
}

// 0.2, 1.5 and -0.3 are drawn behind a target in the placement test.
INSTANTIATE_TEST_SUITE_P (Opacities, ShadowAlphaTest, ::testing::Values (
    ShadowCase { 1.0f, 255 },
    ShadowCase { 0.0f, 0 }));

TEST (ShadowEffect, withoutATransformLiesAtTheTargetMovedByTheOffsetAndPassesClicksOn)
{
    juce::Component parent, target;
    parent.addAndMakeVisible (target);
    target.setBounds (10, 20, 30, 40);

    ShadowEffect shadow (0.2f, 5.0f, 4, 4);
    shadow.placeBehind (target);
    EXPECT_EQ (shadow.getBounds(), juce::Rectangle<int> (14, 24, 30, 40));
    EXPECT_TRUE (passesClicksOn (shadow));
}
