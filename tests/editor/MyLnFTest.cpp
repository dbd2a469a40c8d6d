#include "editor/MyLnF.h"
#include "editor/SettingsScreen.h"
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
