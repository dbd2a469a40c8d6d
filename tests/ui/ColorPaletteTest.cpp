#include "ui/lnf/ColorPalette.h"
#include "ui/lnf/QuilColourIds.h"

#include <gtest/gtest.h>

namespace
{
    constexpr juce::uint32 magenta = 0xFF8800FF;

    struct SlotCase { int group, slot; juce::uint32 colour; };

    class StartingColourTest : public ::testing::TestWithParam<SlotCase> {};

    /** A palette that defines two slots, as a product's does. */
    struct TwoSlotPalette : public ColorPalette
    {
        using ColorPalette::ColorPalette;

        void definePalette() override
        {
            setSlot (20, 1, juce::Colour (0xFF202020));
            setSlot (10, 2, juce::Colour (0xFF101010));
        }
    };

    void runSequence (ColorPalette& palette)
    {
        palette.applyColours();
        palette.definePalette();
        palette.applyToLookAndFeel();
        palette.finishPalette();
    }
}

TEST_P (StartingColourTest, lookAndFeelAndCacheHoldTheStartingColour)
{
    const auto c = GetParam();
    juce::LookAndFeel_V4 lookAndFeel;
    ColorPalette palette (&lookAndFeel);

    palette.applyColours();

    const int id = ColourTable::colourId (c.group, c.slot);
    EXPECT_EQ (lookAndFeel.findColour (id).getARGB(), c.colour);
    EXPECT_EQ (palette.getCachedColour (c.group, c.slot).getARGB(), c.colour);
}

INSTANTIATE_TEST_SUITE_P (Slots, StartingColourTest, ::testing::Values (
    SlotCase { 1, 1, magenta },
    SlotCase { 8, 1, 0xFFFFFFFF },
    SlotCase { 8, 2, 0xFFFFFFFF },
    SlotCase { 8, 3, magenta },
    SlotCase { 9, 1, 0xFF000000 },
    SlotCase { 9, 6, 0xFF000000 },
    SlotCase { 11, 1, 0xFFFF4C4C },
    SlotCase { 11, 2, 0xFF2F1A19 },
    SlotCase { 11, 3, magenta },
    SlotCase { 21, 6, magenta }));

TEST (ColorPalette, everyWidgetIdIsWrittenAndMatchesItsCache)
{
    juce::LookAndFeel_V4 lookAndFeel;
    ColorPalette palette (&lookAndFeel);
    palette.applyColours();

    for (int g = 1; g <= ColourTable::numGroups; ++g)
        for (int s = 1; s <= ColourTable::slotsPerGroup; ++s)
        {
            const int id = ColourTable::colourId (g, s);
            ASSERT_TRUE (lookAndFeel.isColourSpecified (id));
            EXPECT_EQ (lookAndFeel.findColour (id), palette.getCachedColour (g, s));
        }
}

TEST (ColorPalette, rerunningReplacesColoursInsteadOfAddingEntries)
{
    juce::LookAndFeel_V4 lookAndFeel;
    const int id = ColourTable::colourId (4, 4);
    lookAndFeel.setColour (id, juce::Colours::green);

    TwoSlotPalette palette (&lookAndFeel);
    runSequence (palette);
    palette.setSlot (4, 4, juce::Colours::orange);
    runSequence (palette);

    // A full sequence resets every slot, whatever an earlier run left behind.
    EXPECT_EQ (lookAndFeel.findColour (id).getARGB(), magenta);
    EXPECT_EQ (palette.getCachedColour (4, 4).getARGB(), magenta);
}

TEST (ColorPalette, baseApplyToLookAndFeelSetsTheMeterColoursOnly)
{
    juce::LookAndFeel_V4 lookAndFeel;
    ColorPalette palette (&lookAndFeel);
    runSequence (palette);

    EXPECT_EQ (lookAndFeel.findColour (QuilColourIds::meterBackground).getARGB(), 0x99000000u);
    EXPECT_EQ (lookAndFeel.findColour (QuilColourIds::meterLow).getARGB(), 0xFF4D5069u);
    EXPECT_EQ (lookAndFeel.findColour (QuilColourIds::meterHigh).getARGB(), 0xFF5DC2E8u);
    EXPECT_FALSE (lookAndFeel.isColourSpecified (QuilColourIds::modOuterFrame));
}

TEST (ColorPalette, paletteColoursOfTheBasePaletteAreAllTheUndefinedMark)
{
    juce::LookAndFeel_V4 lookAndFeel;
    ColorPalette palette (&lookAndFeel);
    runSequence (palette);
    applyPaletteColours (lookAndFeel, palette);

    using namespace QuilColourIds;

    for (int id : { modOuterFrame, modInnerFrame, modOuterGradient1, modOuterGradient2,
                    modSliderBackground, modInnerGradient1, modInnerGradient2, modTickMarks })
        EXPECT_EQ (lookAndFeel.findColour (id).getARGB(), magenta) << std::hex << id;
}

TEST (ColorPalette, paletteColoursComeFromTheirSlots)
{
    juce::LookAndFeel_V4 lookAndFeel;
    TwoSlotPalette palette (&lookAndFeel);
    runSequence (palette);
    palette.setSlot (16, 1, juce::Colour (0xFF161616));
    palette.setSlot (17, 1, juce::Colour (0xFF171717));
    palette.setSlot (18, 1, juce::Colour (0xFF181818));
    palette.setSlot (19, 1, juce::Colour (0xFF191919));
    palette.setSlot (21, 1, juce::Colour (0xFF212121));

    applyPaletteColours (lookAndFeel, palette);

    using namespace QuilColourIds;
    EXPECT_EQ (lookAndFeel.findColour (modOuterFrame).getARGB(), 0xFF202020u);
    EXPECT_EQ (lookAndFeel.findColour (modSliderBackground).getARGB(), 0xFF202020u);
    EXPECT_EQ (lookAndFeel.findColour (modInnerFrame).getARGB(), 0xFF212121u);
    EXPECT_EQ (lookAndFeel.findColour (modOuterGradient1).getARGB(), 0xFF161616u);
    EXPECT_EQ (lookAndFeel.findColour (modOuterGradient2).getARGB(), 0xFF171717u);
    EXPECT_EQ (lookAndFeel.findColour (modInnerGradient1).getARGB(), 0xFF181818u);
    EXPECT_EQ (lookAndFeel.findColour (modInnerGradient2).getARGB(), 0xFF191919u);
    EXPECT_EQ (lookAndFeel.findColour (modTickMarks).getARGB(), 0xFF101010u);
}
