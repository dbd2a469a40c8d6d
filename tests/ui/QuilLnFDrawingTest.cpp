#include "support/ImageChecks.h"
#include "ui/lnf/QuilColourIds.h"
#include "ui/lnf/QuilLnF.h"

using namespace ImageChecks;

namespace
{
    struct MenuItemCase { bool active, highlighted; int expectedMarkAlpha; };

    class MenuItemTest : public ::testing::TestWithParam<MenuItemCase> {};
}

TEST_P (MenuItemTest, disabledItemsAreDrawnAtThirtyPercentAfterAFullHighlight)
{
    const auto c = GetParam();
    QuilLnF lookAndFeel;
    const auto image = draw (120, 24, [&] (juce::Graphics& g) {
        lookAndFeel.drawPopupMenuItem (g, { 0, 0, 120, 24 }, false, c.active, c.highlighted, true,
                                       false, "Item", {}, nullptr, nullptr); });

    // The tick mark: a 4 × 4 dot in the middle of the icon column.
    EXPECT_NEAR (image.getPixelAt (12, 12).getAlpha(), c.expectedMarkAlpha, 3);

    if (c.highlighted)
        EXPECT_EQ (image.getPixelAt (100, 3), lookAndFeel.findColour (juce::PopupMenu::highlightedBackgroundColourId));
    else
        EXPECT_EQ (image.getPixelAt (100, 3).getAlpha(), 0);
}

INSTANTIATE_TEST_SUITE_P (Items, MenuItemTest, ::testing::Values (
    MenuItemCase { true, false, 255 },
    MenuItemCase { false, false, 77 },
    MenuItemCase { true, true, 255 },
    MenuItemCase { false, true, 255 }));   // a dimmed mark over the opaque highlight

TEST (QuilMenu, separatorIsOneLineInTheDimmedTextColour)
{
    QuilLnF lookAndFeel;
    const auto image = draw (60, 9, [&] (juce::Graphics& g) {
        lookAndFeel.drawPopupMenuItem (g, { 0, 0, 60, 9 }, true, true, false, false, false, {}, {}, nullptr, nullptr); });

    EXPECT_EQ (image.getPixelAt (30, 4), lookAndFeel.findColour (juce::PopupMenu::textColourId).withBrightness (0.4f));
    EXPECT_EQ (image.getPixelAt (30, 3).getAlpha(), 0);
    EXPECT_EQ (image.getPixelAt (30, 5).getAlpha(), 0);
}

TEST (QuilIconWithText, colourFollowsTheFlagsAndTheIconIsCentredVertically)
{
    QuilLnF lookAndFeel;
    juce::Component component;

    struct Case { bool flagA, flagB, enabled; int id; };

    for (auto c : { Case { false, false, true, QuilColourIds::iconNormal },
                    Case { true, false, true, QuilColourIds::iconActive },
                    Case { false, true, true, QuilColourIds::iconHighlighted },
                    Case { true, true, false, QuilColourIds::iconDisabled } })
    {
        const auto image = draw (100, 30, [&] (juce::Graphics& g) {
            lookAndFeel.drawIconWithText (g, component, 1, {}, c.flagA, c.flagB, c.enabled, { 0.0f, 0.0f, 100.0f, 30.0f }); });

        // Icon 2 is a 12 × 12 plus: its centre moves down by (30 - 12) / 2.
        EXPECT_EQ (image.getPixelAt (6, 6 + 9), lookAndFeel.findColour (c.id)) << std::hex << c.id;
        EXPECT_EQ (image.getPixelAt (6, 6).getAlpha(), 0);
    }
}

// The outline itself is checked with the labels in QuilLnFTest.
TEST (QuilButtonBackground, leavesTheBodyUnfilledAtRestAndOnHover)
{
    QuilLnF lookAndFeel;
    juce::TextButton button;
    button.setSize (40, 20);

    for (bool over : { false, true })
    {
        const auto image = draw (40, 20, [&] (juce::Graphics& g) {
            lookAndFeel.drawButtonBackground (g, button, juce::Colours::red, over, false); });

        EXPECT_EQ (image.getPixelAt (20, 10).getAlpha(), 0) << over;
    }
}
