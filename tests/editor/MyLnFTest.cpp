#include "editor/MyLnF.h"
#include "editor/SettingsScreen.h"
#include "support/SchemeCase.h"
#include "ui/lnf/QuilColourIds.h"
#include "ui/toolkit/StatusBar.h"

using juce::Colour;

namespace
{
    using ProductSchemeTest = SchemeTest<MyLnF>;

    const Colour green (0xFF23D359), magenta (0xFF8800FF);
}

// One case for each way a colour comes about; the sweep below covers the rest.
TEST_P (ProductSchemeTest, colourFollowsFromTheProductsBaseColoursFixedColoursAndPalette) { check(); }

INSTANTIATE_TEST_SUITE_P (Scheme, ProductSchemeTest, ::testing::Values (
    SchemeCase { "text editor text: the accent", juce::TextEditor::textColourId, green },
    SchemeCase { "legend idle: from the secondary colour", 0x2000901, Colour (0xFFBABABC).withBrightness (0.9f) },
    SchemeCase { "MIDI-learn alert", 0x2002002, Colour (0xFFFF4C4C) },
    SchemeCase { "box fill: from the accent", QuilColourIds::boxFillActive, green.withAlpha ((juce::uint8) 0x26) },
    SchemeCase { "selected option outline", PreferenceButtonSpan::outlineSelectedColourId, green },
    SchemeCase { "row 5 P: the scheme's own", 0x2304001, Colour (0xFFFD656A) },
    SchemeCase { "row 1 P: the product's own", 0x2222007, Colour (0xFF96FF98) },
    SchemeCase { "status bar: the product's own", StatusBar::statusTextColourId, Colour (0xFF444C5E) },
    SchemeCase { "accent darker", 0x2002900, green.darker (0.15f) },
    SchemeCase { "settings icon: palette slot", 0x09901001, green },
    SchemeCase { "undefined palette slot", 0x09903001, magenta },
    SchemeCase { "meter low: the product palette's", QuilColourIds::meterLow, Colour (0xFF53D666) },
    SchemeCase { "meter background kept", QuilColourIds::meterBackground, Colour (0x99000000) },
    SchemeCase { "modulation frame: palette slot 20", QuilColourIds::modOuterFrame, Colour (0xFF121218) },
    SchemeCase { "modulation ticks: palette slot 10, 2", QuilColourIds::modTickMarks, Colour (0xFF474E54) }));

// An id the scheme leaves out draws black, one that is marked undefined magenta.
TEST (MyLnF, everyColourIdTheWidgetsDrawWithIsDefined)
{
    MyLnF lookAndFeel;
    using namespace QuilColourIds;
    std::vector<int> ids { PreferenceButtonSpan::textActiveColourId, PreferenceButtonSpan::textColourId,
                           PreferenceButtonSpan::fillSelectedColourId, PreferenceButtonSpan::fillColourId,
                           PreferenceButtonSpan::outlineSelectedColourId, PreferenceButtonSpan::outlineColourId,
                           StatusBar::statusTextColourId, SettingsScreen::connectorColourId,
                           0x2001400, 0x2001000, 0x2001001, 0x2001003, 0x2224000, 0x2000900, 0x2000901, 0x2000902, 0x2227000, 0x2227001,
                           0x2227002, 0x2227003, 0x2227010, 0x2227011, 0x2227012, meterBackground, meterLow,
                           meterHigh, modOuterFrame, modSliderBackground, modOuterGradient1, modOuterGradient2,
                           modInnerGradient1, modInnerGradient2, modTickMarks, modInnerFrame };
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
