#include "editor/MyLnF.h"
#include "editor/SettingsScreen.h"
#include "support/SchemeCase.h"
#include "ui/lnf/QuilColourIds.h"
#include "ui/toolkit/StatusBar.h"

#include <gtest/gtest.h>

// An id the scheme leaves out draws black, one marked undefined magenta: one sweep over
// the ids the product's widgets draw with, rather than a table of every colour.
TEST (MyLnF, everyColourIdTheWidgetsDrawWithIsDefined)
{
    MyLnF lookAndFeel;
    const juce::Colour magenta (0xFF8800FF);
    using namespace QuilColourIds;
    std::vector<int> ids { PreferenceButtonSpan::textActiveColourId, PreferenceButtonSpan::textColourId,
                           PreferenceButtonSpan::fillSelectedColourId, PreferenceButtonSpan::fillColourId,
                           PreferenceButtonSpan::outlineSelectedColourId, PreferenceButtonSpan::outlineColourId,
                           StatusBar::statusTextColourId, SettingsScreen::connectorColourId,
                           0x2001400, 0x2224000,                                                        // knob, radial legend
                           0x2001000, 0x2001001, 0x2001003, 0x2227000, 0x2227001, 0x2227002, 0x2227003, // sliders
                           0x2000900, 0x2000901, 0x2000902, 0x2227010, 0x2227011, 0x2227012,            // legend buttons
                           meterBackground, meterLow, meterHigh, modOuterFrame, modSliderBackground, modOuterGradient1,
                           modOuterGradient2, modInnerGradient1, modInnerGradient2, modTickMarks, modInnerFrame };
    for (int id : { 1, 2, 3, 4, 5, 6, 7, 8, 9, 0x10, 0x11, 0x12, 0x13 })
        ids.push_back (0x2226000 + id);   // the knob's
    for (const auto& r : modulationRowIds)
        ids.insert (ids.end(), { r.p, r.q, r.pAgain, r.qAgain, r.qThird, r.qDark, r.pTrans, r.qTrans, r.shade1, r.shade2 });

    for (int id : ids)
    {
        EXPECT_TRUE (lookAndFeel.isColourSpecified (id)) << std::hex << id;
        EXPECT_NE (lookAndFeel.findColour (id), magenta) << std::hex << id;
    }
}

//==============================================================================
using juce::Colour;

namespace
{
    using ProductSchemeTest = SchemeTest<MyLnF>;

    const Colour green (0xFF23D359), lightGreen (0xFF89FE84), secondary (0xFFBABABC),
                 highlight (0xFFEAEAEA), background (0xFF101010), magenta (0xFF8800FF);
}

TEST_P (ProductSchemeTest, colourFollowsFromTheProductsBaseColoursAndFixedColours) { check(); }

INSTANTIATE_TEST_SUITE_P (Scheme, ProductSchemeTest, ::testing::Values (
    // Derived from the product's base colours by the maker's scheme.
    SchemeCase { "text editor text", juce::TextEditor::textColourId, green },
    SchemeCase { "MIDI-learn alert", 0x2002002, Colour (0xFFFF4C4C) },
    SchemeCase { "tooltip background", juce::TooltipWindow::backgroundColourId, background },
    SchemeCase { "menu text", juce::PopupMenu::textColourId, highlight },
    SchemeCase { "legend idle", 0x2000901, secondary.withBrightness (0.9f) },
    SchemeCase { "active icon", QuilColourIds::iconActive, green.darker (0.4f) },
    SchemeCase { "box fill", QuilColourIds::boxFillActive, green.withAlpha ((juce::uint8) 0x26) },
    SchemeCase { "disabled icon", QuilColourIds::iconDisabled, secondary },
    // Constants of the scheme stay as they are.
    SchemeCase { "idle tab", QuilColourIds::tabFillIdle, Colour (0x55464C55).withSaturation (0.4f) },
    SchemeCase { "row 3 P", 0x2222019, Colour (0xFF5FFEDC) },
    SchemeCase { "row 5 P", 0x2304001, Colour (0xFFFD656A) },
    SchemeCase { "row 8 Q trans.", 0x2304040, Colour (0x66E25D87) },
    // The product's fixed colours, replacing scheme colours where they share an id.
    SchemeCase { "row 1 P", 0x2222007, Colour (0xFF96FF98) },
    SchemeCase { "row 2 Q third", 0x2222016, lightGreen },
    SchemeCase { "legend text", 0x2000900, Colour (0xFF8D9987) },
    SchemeCase { "preference fill", 0x2002102, Colour (0xFF32724D) },
    SchemeCase { "status bar", 0x2229001, Colour (0xFF444C5E) },
    SchemeCase { "accent darker", 0x2002900, green.darker (0.15f) },
    SchemeCase { "accent dark", 0x2002901, Colour (0xFFB1B1B4) },
    SchemeCase { "drive accent", 0x2227300, green },
    SchemeCase { "pale green", 0x2227301, lightGreen.withSaturation (0.2f) },
    // The product's palette.
    SchemeCase { "settings icon", 0x09901001, green },
    SchemeCase { "settings icon pressed", 0x09901003, Colour (0xFF61DF88) },
    SchemeCase { "copied from group 8 slot 1", 0x09902003, Colour (0xFFFFFFFF) },
    SchemeCase { "undefined slot", 0x09903001, magenta },
    SchemeCase { "brighter navy", 0x09905002, Colour (0xFF101A27).withMultipliedBrightness (1.5f) },
    SchemeCase { "meter low", QuilColourIds::meterLow, Colour (0xFF53D666) },
    SchemeCase { "meter high", QuilColourIds::meterHigh, Colour (0xFFDE6D48) },
    SchemeCase { "meter background kept", QuilColourIds::meterBackground, Colour (0x99000000) },
    SchemeCase { "modulation outer frame", QuilColourIds::modOuterFrame, Colour (0xFF121218) },
    SchemeCase { "modulation slider", QuilColourIds::modSliderBackground, Colour (0xFF121218) },
    SchemeCase { "modulation inner frame", QuilColourIds::modInnerFrame, Colour (0xFF121218) },
    SchemeCase { "modulation outer gradient", QuilColourIds::modOuterGradient1, Colour (0xFF424748) },
    SchemeCase { "modulation inner gradient", QuilColourIds::modInnerGradient2, Colour (0xFF111118) },
    SchemeCase { "modulation ticks", QuilColourIds::modTickMarks, Colour (0xFF474E54) }));

TEST (MyLnF, productPaletteCachesWhatItWrote)
{
    MyLnF lookAndFeel;
    const auto& palette = lookAndFeel.getProductPalette();

    for (int g = 1; g <= ColourTable::numGroups; ++g)
        for (int s = 1; s <= ColourTable::slotsPerGroup; ++s)
            EXPECT_EQ (palette.getCachedColour (g, s), lookAndFeel.findColour (ColourTable::colourId (g, s)))
                << g << "," << s;
}
