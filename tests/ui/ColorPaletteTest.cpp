#include "ui/lnf/ColorPalette.h"
#include "ui/lnf/QuilColourIds.h"

#include <gtest/gtest.h>

namespace
{
    constexpr juce::uint32 magenta = 0xFF8800FF;

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

    juce::uint32 argb (juce::LookAndFeel& lnf, int id) { return lnf.findColour (id).getARGB(); }
}

TEST (ColorPalette, everyWidgetIdGetsItsStartingColourInLookAndFeelAndCache)
{
    juce::LookAndFeel_V4 lookAndFeel;
    ColorPalette palette (&lookAndFeel);
    palette.applyColours();

    for (int g = 1; g <= ColourTable::numGroups; ++g)
        for (int s = 1; s <= ColourTable::slotsPerGroup; ++s)
        {
            // White labels in group 8, black group 9, the alert pair of group 11; the rest undefined.
            juce::uint32 expected = magenta;
            if (g == 8 && s <= 2)       expected = 0xFFFFFFFF;
            else if (g == 9)            expected = 0xFF000000;
            else if (g == 11 && s == 1) expected = 0xFFFF4C4C;
            else if (g == 11 && s == 2) expected = 0xFF2F1A19;

            const int id = ColourTable::colourId (g, s);
            ASSERT_TRUE (lookAndFeel.isColourSpecified (id));
            EXPECT_EQ (argb (lookAndFeel, id), expected) << g << "," << s;
            EXPECT_EQ (palette.getCachedColour (g, s).getARGB(), expected) << g << "," << s;
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
    EXPECT_EQ (argb (lookAndFeel, id), magenta);
    EXPECT_EQ (palette.getCachedColour (4, 4).getARGB(), magenta);
}

TEST (ColorPalette, theBasePaletteSetsTheMeterColoursAndLeavesTheModulationColoursUndefined)
{
    juce::LookAndFeel_V4 lookAndFeel;
    ColorPalette palette (&lookAndFeel);
    runSequence (palette);

    using namespace QuilColourIds;
    EXPECT_EQ (argb (lookAndFeel, meterBackground), 0x99000000u);
    EXPECT_EQ (argb (lookAndFeel, meterLow), 0xFF4D5069u);
    EXPECT_EQ (argb (lookAndFeel, meterHigh), 0xFF5DC2E8u);
    EXPECT_FALSE (lookAndFeel.isColourSpecified (modOuterFrame));

    applyPaletteColours (lookAndFeel, palette);
    for (int id : { modOuterFrame, modInnerFrame, modOuterGradient1, modOuterGradient2,
                    modSliderBackground, modInnerGradient1, modInnerGradient2, modTickMarks })
        EXPECT_EQ (argb (lookAndFeel, id), magenta) << std::hex << id;
}

TEST (ColorPalette, paletteColoursComeFromTheirSlots)
{
    juce::LookAndFeel_V4 lookAndFeel;
    TwoSlotPalette palette (&lookAndFeel);
    runSequence (palette);
    for (int g : { 16, 17, 18, 19, 21 })
        palette.setSlot (g, 1, juce::Colour (0xFF000000u | (juce::uint32) (g / 10 * 16 + g % 10) * 0x010101u));

    applyPaletteColours (lookAndFeel, palette);

    using namespace QuilColourIds;
    EXPECT_EQ (argb (lookAndFeel, modOuterFrame), 0xFF202020u);
    EXPECT_EQ (argb (lookAndFeel, modSliderBackground), 0xFF202020u);
    EXPECT_EQ (argb (lookAndFeel, modInnerFrame), 0xFF212121u);
    EXPECT_EQ (argb (lookAndFeel, modOuterGradient1), 0xFF161616u);
    EXPECT_EQ (argb (lookAndFeel, modOuterGradient2), 0xFF171717u);
    EXPECT_EQ (argb (lookAndFeel, modInnerGradient1), 0xFF181818u);
    EXPECT_EQ (argb (lookAndFeel, modInnerGradient2), 0xFF191919u);
    EXPECT_EQ (argb (lookAndFeel, modTickMarks), 0xFF101010u);
}
