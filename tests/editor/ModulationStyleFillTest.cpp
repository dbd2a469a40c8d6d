#include "support/ProcessorFixture.h"
#include "editor/ModulationStyleFill.h"
#include "editor/MyLnF.h"
#include "ui/lnf/QuilColourIds.h"

#include <gtest/gtest.h>

using juce::Colour;

namespace
{
    uint32_t argb (Colour c) { return c.getARGB(); }
}

TEST (ModulationStyleFill, firstFillCopiesFrameColoursAndEightRows)
{
    TestProcessor processor;
    auto& style = processor->data.modulationStyle;
    MyLnF lookAndFeel;

    ASSERT_FALSE (style.filled);
    EXPECT_TRUE (fillModulationStyle (style, lookAndFeel));

    EXPECT_TRUE (style.filled);
    EXPECT_EQ (style.outerFrameColour, 0xFF121218u);
    EXPECT_EQ (style.innerFrameColour, 0xFF121218u);
    EXPECT_EQ (style.sliderBackgroundColour, 0xFF121218u);
    EXPECT_EQ (style.tickMarkColour, 0xFF474E54u);
    EXPECT_EQ (style.outerGradientColours, (std::vector<uint32_t> { 0xFF424748u, 0xFF1A1B24u, 0xFF1A1B24u }));
    EXPECT_EQ (style.innerGradientColours, (std::vector<uint32_t> { 0xFF373A3Eu, 0xFF111118u }));
    ASSERT_EQ (style.records.size(), 8u);
}

TEST (ModulationStyleFill, rowRecordsCarryTheRowColoursInArgumentOrder)
{
    ModulationStyle style;
    MyLnF lookAndFeel;
    fillModulationStyle (style, lookAndFeel);

    // Row 1: the product's own colours.
    const auto& first = style.records[0];
    const Colour p (0xFF96FF98), q (0xFFA8D56A);
    EXPECT_EQ (first.firstPair, (std::vector<uint32_t> { argb (p), argb (lookAndFeel.adjustColour (p)) }));
    EXPECT_EQ (first.secondPair, (std::vector<uint32_t> { argb (q), argb (lookAndFeel.adjustColour (q)) }));
    EXPECT_EQ (first.titleColour, 0xFFBCCE99u);
    EXPECT_EQ (first.valueTextColour, 0xFFFAFAFAu);
    EXPECT_EQ (first.switchColour, 0xFF89FE84u);
    EXPECT_EQ (first.thirdPair, (std::vector<uint32_t> { 0xFF2F3336u, 0xFF15161Bu }));
    EXPECT_EQ (first.captionColour, 0xFF787E91u);
    EXPECT_EQ (first.fourthPair, (std::vector<uint32_t> { 0x6696FF98u, 0x66A8D56Au }));

    // Rows 5 to 8 read the same colours that the scheme wrote for them.
    for (size_t row = 4; row < 8; ++row)
    {
        const auto& r = style.records[row];
        const Colour rp (0xFFFD656A), rq (0xFFE25D87);
        EXPECT_EQ (r.firstPair, (std::vector<uint32_t> { argb (rp), argb (lookAndFeel.adjustColour (rp)) }));
        EXPECT_EQ (r.secondPair[0], argb (rq));
        EXPECT_EQ (r.titleColour, argb (rp));
        EXPECT_EQ (r.valueTextColour, argb (rq));
        EXPECT_EQ (r.switchColour, argb (rq));
        EXPECT_EQ (r.thirdPair, (std::vector<uint32_t> { 0xFF2F304Du, 0xFF211F31u }));
        EXPECT_EQ (r.captionColour, 0xFF8D3A54u);
        EXPECT_EQ (r.fourthPair, (std::vector<uint32_t> { 0x66FD656Au, 0x66E25D87u }));
    }
}

TEST (ModulationStyleFill, aSecondWindowAppendsNothing)
{
    TestProcessor processor;
    auto& style = processor->data.modulationStyle;
    MyLnF lookAndFeel;

    fillModulationStyle (style, lookAndFeel);
    EXPECT_FALSE (fillModulationStyle (style, lookAndFeel));
    EXPECT_EQ (style.records.size(), 8u);
}

TEST (ModulationStyleFill, anotherLookAndFeelGivesBlackForMissingIdsAndStandardAdjustment)
{
    ModulationStyle style;
    juce::LookAndFeel_V4 other;

    EXPECT_TRUE (fillModulationStyle (style, other));
    EXPECT_EQ (style.outerFrameColour, 0xFF000000u);
    ASSERT_EQ (style.records.size(), 8u);
    EXPECT_EQ (style.records[7].firstPair[1], argb (QuilLnF::standardAdjustColour (juce::Colours::black)));
}

TEST (ModulationRowColours, constructorStoresTheCaptionBeforeTheThirdPair)
{
    const ModulationRowColours row (1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12);

    EXPECT_EQ (row.firstPair, (std::vector<uint32_t> { 1, 2 }));
    EXPECT_EQ (row.secondPair, (std::vector<uint32_t> { 3, 4 }));
    EXPECT_EQ (row.titleColour, 5u);
    EXPECT_EQ (row.valueTextColour, 6u);
    EXPECT_EQ (row.switchColour, 7u);
    EXPECT_EQ (row.thirdPair, (std::vector<uint32_t> { 8, 9 }));
    EXPECT_EQ (row.captionColour, 10u);
    EXPECT_EQ (row.fourthPair, (std::vector<uint32_t> { 11, 12 }));
}
