#include "ui/lnf/QuilColourIds.h"
#include "ui/lnf/QuilLnF.h"

#include <gtest/gtest.h>

namespace
{
    /** Draws with the maker's look-and-feel into a transparent image. */
    struct Canvas
    {
        Canvas (int w, int h) : image (juce::Image::ARGB, w, h, true), g (image) {}

        bool isEmpty() const
        {
            for (int y = 0; y < image.getHeight(); ++y)
                for (int x = 0; x < image.getWidth(); ++x)
                    if (image.getPixelAt (x, y).getAlpha() != 0)
                        return false;
            return true;
        }

        juce::Image image;
        juce::Graphics g;
    };

    struct MenuItemCase { bool active, highlighted; int expectedMarkAlpha; };

    class MenuItemTest : public ::testing::TestWithParam<MenuItemCase> {};
}

TEST_P (MenuItemTest, disabledItemsAreDrawnAtThirtyPercentAfterAFullHighlight)
{
    const auto c = GetParam();
    QuilLnF lookAndFeel;
    Canvas canvas (120, 24);

    lookAndFeel.drawPopupMenuItem (canvas.g, { 0, 0, 120, 24 }, false, c.active, c.highlighted, true,
                                   false, "Item", {}, nullptr, nullptr);

    // The tick mark: a 4 × 4 dot in the middle of the icon column.
    const auto mark = canvas.image.getPixelAt (12, 12);
    EXPECT_NEAR (mark.getAlpha(), c.expectedMarkAlpha, 3);

    if (c.highlighted)
        EXPECT_EQ (canvas.image.getPixelAt (100, 3), lookAndFeel.findColour (juce::PopupMenu::highlightedBackgroundColourId));
    else
        EXPECT_EQ (canvas.image.getPixelAt (100, 3).getAlpha(), 0);
}

INSTANTIATE_TEST_SUITE_P (Items, MenuItemTest, ::testing::Values (
    MenuItemCase { true, false, 255 },
    MenuItemCase { false, false, 77 },
    MenuItemCase { true, true, 255 },
    MenuItemCase { false, true, 255 }));   // a dimmed mark over the opaque highlight

TEST (QuilMenu, separatorIsOneLineInTheDimmedTextColour)
{
    QuilLnF lookAndFeel;
    Canvas canvas (60, 9);

    lookAndFeel.drawPopupMenuItem (canvas.g, { 0, 0, 60, 9 }, true, true, false, false, false,
                                   {}, {}, nullptr, nullptr);

    const auto expected = lookAndFeel.findColour (juce::PopupMenu::textColourId).withBrightness (0.4f);
    EXPECT_EQ (canvas.image.getPixelAt (30, 4), expected);
    EXPECT_EQ (canvas.image.getPixelAt (30, 3).getAlpha(), 0);
    EXPECT_EQ (canvas.image.getPixelAt (30, 5).getAlpha(), 0);
}

TEST (QuilLabel, drawsNothingWhileEditedAndItsTextDespiteATallBorder)
{
    QuilLnF lookAndFeel;
    juce::Label label;
    label.setLookAndFeel (&lookAndFeel);
    label.setSize (80, 20);
    label.setText ("CUTOFF", juce::dontSendNotification);
    label.setBorderSize ({ 30, 0, 0, 0 });

    Canvas shown (80, 20);
    lookAndFeel.drawLabel (shown.g, label);
    EXPECT_FALSE (shown.isEmpty());

    label.setEditable (true);
    label.showEditor();
    ASSERT_TRUE (label.isBeingEdited());

    Canvas edited (80, 20);
    lookAndFeel.drawLabel (edited.g, label);
    EXPECT_TRUE (edited.isEmpty());

    label.hideEditor (true);
    label.setLookAndFeel (nullptr);
}

TEST (QuilIconWithText, colourFollowsTheFlagsAndTheIconIsCentredVertically)
{
    QuilLnF lookAndFeel;
    juce::Component component;
    const juce::Rectangle<float> area (0.0f, 0.0f, 100.0f, 30.0f);

    struct Case { bool flagA, flagB, enabled; int id; };

    for (auto c : { Case { false, false, true, QuilColourIds::iconNormal },
                    Case { true, false, true, QuilColourIds::iconActive },
                    Case { false, true, true, QuilColourIds::iconHighlighted },
                    Case { true, true, false, QuilColourIds::iconDisabled } })
    {
        Canvas canvas (100, 30);
        lookAndFeel.drawIconWithText (canvas.g, component, 1, {}, c.flagA, c.flagB, c.enabled, area);

        // Icon 2 is a 12 × 12 plus: its centre moves down by (30 - 12) / 2.
        EXPECT_EQ (canvas.image.getPixelAt (6, 6 + 9), lookAndFeel.findColour (c.id)) << std::hex << c.id;
        EXPECT_EQ (canvas.image.getPixelAt (6, 6).getAlpha(), 0);
    }
}
