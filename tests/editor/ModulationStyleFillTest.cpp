#include "support/ProcessorFixture.h"
#include "editor/ModulationStyleFill.h"
#include "editor/MyLnF.h"

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
