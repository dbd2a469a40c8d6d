#include "support/ImageChecks.h"
#include "ui/lnf/QuilLnF.h"
#include "ui/toolkit/DefaultSizeLabel.h"
#include "ui/toolkit/ShadowEffect.h"
#include "ui/toolkit/StatusBar.h"

#include <regex>
#include <set>

using namespace ImageChecks;

namespace
{
    int countLines (const juce::GlyphArrangement& glyphs)
    {
        std::set<int> baselines;
        for (const auto& glyph : glyphs)
            baselines.insert (juce::roundToInt (glyph.getBaselineY()));
        return (int) baselines.size();
    }

    bool passesClicksOn (juce::Component& c)
    {
        bool self = true, children = true;
        c.getInterceptsMouseClicks (self, children);
        return ! (self || children);
    }

    class LabelHeightTest : public ::testing::TestWithParam<int> {};
}

TEST_P (LabelHeightTest, aLongTextTakesAtMostTwoLinesWhateverTheHeight)
{
    BasicLabel label;
    label.setSize (60, GetParam());
    label.setText ("ONE TWO THREE FOUR FIVE SIX SEVEN EIGHT NINE TEN");

    EXPECT_GE (countLines (label.getGlyphs()), 1);
    EXPECT_LE (countLines (label.getGlyphs()), 2);
    EXPECT_LE (label.getGlyphs().getBoundingBox (0, -1, true).getRight(), 60.5f);
}

INSTANTIATE_TEST_SUITE_P (Heights, LabelHeightTest, ::testing::Values (16, 40, 400));

TEST (StatusBar, showsATextSetBeforeItHadASizeFromTheFirstPaintRightAligned)
{
    QuilLnF lookAndFeel;
    StatusBar bar;
    bar.setLookAndFeel (&lookAndFeel);
    bar.setStatusText ("v1.1.1");
    bar.showBuildInfo (false);
    bar.setBounds (485, 287, 200, 16);

    const auto box = bar.getLabel().getGlyphs().getBoundingBox (0, -1, true);
    EXPECT_NEAR (box.getRight(), 190.0f, 1.0f);
    EXPECT_GT (box.getX(), 100.0f);

    const auto image = snapshot (bar);
    EXPECT_GT (inked (image, { 150, 0, 50, 16 }), 10);
    EXPECT_EQ (inked (image, { 0, 0, 120, 16 }), 0);
    EXPECT_EQ (bar.getLabel().findColour (ColourTable::colourId (8, 1)), juce::Colour (0xFF44545E));
    bar.setLookAndFeel (nullptr);
}

TEST (StatusBar, buildInfoFollowsTheStatusTextAndGoesAgainWithoutChangingIt)
{
    StatusBar bar;
    bar.setSize (400, 16);

    bar.showBuildInfo (true);
    // ", " + the month abbreviation, the day padded with a blank, the year + ", " + the time.
    const std::regex buildInfo (R"(^, (Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec) [ 123][0-9] [0-9]{4}, [0-2][0-9]:[0-5][0-9]:[0-6][0-9]$)");
    EXPECT_TRUE (std::regex_match (bar.getLabel().getText().toStdString(), buildInfo)) << bar.getLabel().getText();

    bar.setStatusText ("v1.1.1");
    bar.showBuildInfo (true);
    EXPECT_EQ (bar.getLabel().getText(), "v1.1.1" + StatusBar::getBuildInfo());

    bar.showBuildInfo (false);
    EXPECT_EQ (bar.getLabel().getText(), "v1.1.1");
    EXPECT_EQ (bar.getStatusText(), "v1.1.1");
}

TEST (DefaultSizeLabel, drawsInItsFixedColourWhateverItsColourTableHolds)
{
    QuilLnF lookAndFeel;
    DefaultSizeLabel label ("SETTINGS");
    label.setLookAndFeel (&lookAndFeel);
    label.setColour (ColourTable::colourId (8, 1), juce::Colours::blue);
    label.setSize (100, 20);

    // Anti-aliased glyph pixels keep the colour and vary in alpha.
    const auto countOf = [] (const juce::Image& image, juce::Colour colour)
    {
        return count (image, [&] (juce::Colour p) { return p.getAlpha() >= 128 && near (p, colour, 8); });
    };

    EXPECT_GT (countOf (snapshot (label), juce::Colours::blue), 5);
    EXPECT_TRUE (passesClicksOn (label));
    EXPECT_EQ (label.getFontHeight(), 13.0f);

    label.setFixedColour (juce::Colours::red);
    label.setColour (ColourTable::colourId (8, 1), juce::Colours::green);
    label.setSize (100, 21);

    const auto image = snapshot (label);
    EXPECT_GT (countOf (image, juce::Colours::red), 5);
    EXPECT_EQ (countOf (image, juce::Colours::green), 0);
    EXPECT_EQ (countOf (image, juce::Colours::blue), 0);
    label.setLookAndFeel (nullptr);
}

namespace
{
    struct ShadowCase { float opacity; int alpha; };
    class ShadowAlphaTest : public ::testing::TestWithParam<ShadowCase> {};
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

INSTANTIATE_TEST_SUITE_P (Opacities, ShadowAlphaTest, ::testing::Values (
    ShadowCase { 0.2f, 51 },       // 0.2 × 255
    ShadowCase { 1.0f, 255 },
    ShadowCase { 1.5f, 255 },
    ShadowCase { 0.0f, 0 },
    ShadowCase { -0.3f, 0 }));

TEST (ShadowEffect, liesBehindItsTargetMovedByTheOffsetTransformIncluded)
{
    juce::Component parent, target;
    parent.addAndMakeVisible (target);
    target.setBounds (10, 20, 30, 40);

    ShadowEffect shadow (0.2f, 5.0f, 4, 4);
    shadow.placeBehind (target);
    EXPECT_EQ (shadow.getBounds(), juce::Rectangle<int> (14, 24, 30, 40));

    target.setTransform (juce::AffineTransform::scale (2.0f));
    shadow.placeBehind (target);
    EXPECT_EQ (shadow.getBounds(), juce::Rectangle<int> (24, 44, 60, 80));
    EXPECT_TRUE (passesClicksOn (shadow));
}
