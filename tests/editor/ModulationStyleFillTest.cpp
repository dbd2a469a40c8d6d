#include "support/ProcessorFixture.h"
#include "editor/ModulationStyleFill.h"
#include "editor/MyLnF.h"
#include "ui/lnf/QuilColourIds.h"

#include <gtest/gtest.h>

using juce::Colour;

namespace
{
    using Colours = std::vector<uint32_t>;

    /** A colour and the look-and-feel's adjusted version of it, as a row stores them. */
    Colours withAdjusted (const QuilLnF& lnf, uint32_t c) { return { c, lnf.adjustColour (Colour (c)).getARGB() }; }
}

TEST (ModulationStyleFill, theFirstWindowCopiesFrameColoursAndEightRowsAndASecondAppendsNothing)
{
    TestProcessor processor;
    auto& style = processor->data.modulationStyle;
    MyLnF lookAndFeel;

    EXPECT_TRUE (fillModulationStyle (style, lookAndFeel));
    EXPECT_FALSE (fillModulationStyle (style, lookAndFeel));
    ASSERT_EQ (style.records.size(), 8u);

    EXPECT_EQ (style.innerFrameColour, 0xFF121218u);
    EXPECT_EQ (style.tickMarkColour, 0xFF474E54u);
    EXPECT_EQ (style.outerGradientColours, (Colours { 0xFF424748u, 0xFF1A1B24u, 0xFF1A1B24u }));
    EXPECT_EQ (style.innerGradientColours, (Colours { 0xFF373A3Eu, 0xFF111118u }));

    // Row 1 holds the product's own colours, each in its place.
    const auto& first = style.records[0];
    EXPECT_EQ (first.firstPair, withAdjusted (lookAndFeel, 0xFF96FF98));
    EXPECT_EQ (first.secondPair, withAdjusted (lookAndFeel, 0xFFA8D56A));
    EXPECT_EQ ((Colours { first.titleColour, first.valueTextColour, first.switchColour, first.captionColour }),
               (Colours { 0xFFBCCE99u, 0xFFFAFAFAu, 0xFF89FE84u, 0xFF787E91u }));
    EXPECT_EQ (first.thirdPair, (Colours { 0xFF2F3336u, 0xFF15161Bu }));
    EXPECT_EQ (first.fourthPair, (Colours { 0x6696FF98u, 0x66A8D56Au }));
}

TEST (ModulationStyleFill, theFlagFrameAndSliderColoursAndRowsFiveToEightComeFromTheScheme)
{
    TestProcessor processor;
    auto& style = processor->data.modulationStyle;
    MyLnF lookAndFeel;

    ASSERT_FALSE (style.filled);
    EXPECT_TRUE (fillModulationStyle (style, lookAndFeel));
    EXPECT_TRUE (style.filled);
    EXPECT_EQ (style.outerFrameColour, 0xFF121218u);
    EXPECT_EQ (style.sliderBackgroundColour, 0xFF121218u);
    ASSERT_EQ (style.records.size(), 8u);

    // Rows 5 to 8 read the same colours that the scheme wrote for them.
    const Colour p (0xFFFD656A), q (0xFFE25D87);
    for (size_t row = 4; row < 8; ++row)
    {
        const auto& r = style.records[row];
        EXPECT_EQ (r.firstPair, withAdjusted (lookAndFeel, p.getARGB()));
        EXPECT_EQ (r.secondPair[0], q.getARGB());
        EXPECT_EQ (r.titleColour, p.getARGB());
        EXPECT_EQ (r.valueTextColour, q.getARGB());
        EXPECT_EQ (r.switchColour, q.getARGB());
        EXPECT_EQ (r.thirdPair, (Colours { 0xFF2F304Du, 0xFF211F31u }));
        EXPECT_EQ (r.captionColour, 0xFF8D3A54u);
        EXPECT_EQ (r.fourthPair, (Colours { p.withAlpha ((juce::uint8) 0x66).getARGB(), q.withAlpha ((juce::uint8) 0x66).getARGB() }));
    }
}

TEST (ModulationStyleFill, anotherLookAndFeelGivesBlackForMissingIdsAndStandardAdjustment)
{
    ModulationStyle style;
    juce::LookAndFeel_V4 other;

    EXPECT_TRUE (fillModulationStyle (style, other));
    EXPECT_EQ (style.outerFrameColour, 0xFF000000u);
    ASSERT_EQ (style.records.size(), 8u);
    EXPECT_EQ (style.records[7].firstPair[1], QuilLnF::standardAdjustColour (juce::Colours::black).getARGB());
}
