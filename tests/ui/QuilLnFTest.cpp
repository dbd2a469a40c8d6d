#include "ui/lnf/QuilColourIds.h"
#include "ui/lnf/QuilLnF.h"
#include "ui/lnf/QuilMetrics.h"

#include <gtest/gtest.h>

using juce::Colour;
namespace Colours = juce::Colours;

namespace
{
    struct SchemeCase
    {
        const char* what;
        int id;
        Colour expected;
    };

    std::ostream& operator<< (std::ostream& os, const SchemeCase& c) { return os << c.what; }

    class MakerSchemeTest : public ::testing::TestWithParam<SchemeCase> {};

    const Colour background (0xFF080934), secondary (0xFF44545E), highlight (0xFFD2E2FF),
                 accent (0xFF00C9FF), alert (0xFFD04B4A);
}

TEST_P (MakerSchemeTest, colourFollowsFromTheMakersBaseColours)
{
    const auto c = GetParam();
    QuilLnF lookAndFeel;

    ASSERT_TRUE (lookAndFeel.isColourSpecified (c.id));
    EXPECT_EQ (lookAndFeel.findColour (c.id).getARGB(), c.expected.getARGB());
}

INSTANTIATE_TEST_SUITE_P (Scheme, MakerSchemeTest, ::testing::Values (
    SchemeCase { "text editor text is the accent", 0x1000201, Colour (0xFF00C9FF) },
    SchemeCase { "tooltip background", 0x1001B00, Colour (0xFF080934) },
    SchemeCase { "label text", juce::Label::textColourId, highlight },
    SchemeCase { "label text while editing", juce::Label::textWhenEditingColourId, highlight },
    SchemeCase { "text editor background", juce::TextEditor::backgroundColourId, Colour (0x00000000) },
    SchemeCase { "highlighted text", juce::TextEditor::highlightedTextColourId, background },
    SchemeCase { "caret", juce::CaretComponent::caretColourId, accent },
    SchemeCase { "menu highlight", juce::PopupMenu::highlightedBackgroundColourId, highlight },
    SchemeCase { "menu highlighted text", juce::PopupMenu::highlightedTextColourId, background },
    SchemeCase { "button text when off", juce::TextButton::textColourOffId, highlight },
    SchemeCase { "alert window", juce::AlertWindow::backgroundColourId, highlight },
    SchemeCase { "legend idle", 0x2000901, secondary.withBrightness (0.9f) },
    SchemeCase { "legend accent", 0x2000902, accent },
    SchemeCase { "MIDI-learn alert", 0x2002002, alert },
    SchemeCase { "preference fill", 0x2002102, Colour (0x1400C9FF) },
    SchemeCase { "preference fill from accent", 0x2002102, accent.withAlpha ((juce::uint8) 0x14) },
    SchemeCase { "box fill", QuilColourIds::boxFillActive, accent.withAlpha ((juce::uint8) 0x26) },
    SchemeCase { "active icon", QuilColourIds::iconActive, Colour (0xFF008FB6) },
    SchemeCase { "active icon from accent", QuilColourIds::iconActive, accent.darker (0.4f) },
    SchemeCase { "disabled icon", QuilColourIds::iconDisabled, secondary },
    SchemeCase { "idle tab", QuilColourIds::tabFillIdle, Colour (0x55464C55).withSaturation (0.4f) },
    SchemeCase { "status bar", 0x2229001, Colour (0xFF44545E) },
    SchemeCase { "modulation frame: unset mark", QuilColourIds::modOuterFrame, Colour (0xFF8800FF) },
    SchemeCase { "meter background", QuilColourIds::meterBackground, Colour (0x99000000) },
    SchemeCase { "palette: undefined slot", 0x09901001, Colour (0xFF8800FF) },
    SchemeCase { "palette: label white", 0x09908002, Colour (0xFFFFFFFF) },
    SchemeCase { "palette: group 9 black", 0x09909006, Colour (0xFF000000) },
    SchemeCase { "palette: alert", 0x0990B001, Colour (0xFFFF4C4C) },
    SchemeCase { "palette: alert dark", 0x0990B002, Colour (0xFF2F1A19) }));

//==============================================================================
TEST (AdjustColour, greyStaysGreyAndGetsLighterByTheFactor)
{
    QuilLnF lookAndFeel;

    for (juce::uint8 level : { (juce::uint8) 0x20, (juce::uint8) 0x80, (juce::uint8) 0xC0 })
    {
        const auto grey = Colour (level, level, level);
        const auto adjusted = lookAndFeel.adjustColour (grey);

        EXPECT_EQ (adjusted.getRed(), adjusted.getGreen());
        EXPECT_EQ (adjusted.getGreen(), adjusted.getBlue());
        EXPECT_NEAR (adjusted.getLightness(), juce::jmin (1.0f, grey.getLightness() * 1.2f), 1.0f / 255.0f);
    }
}

TEST (AdjustColour, lightnessIsCappedAtWhite)
{
    QuilLnF lookAndFeel;
    EXPECT_EQ (lookAndFeel.adjustColour (Colour (0xFFF0F0F0)), Colours::white);
    EXPECT_EQ (lookAndFeel.adjustColour (Colours::white), Colours::white);
}

TEST (AdjustColour, hueIsKeptWhileSaturationDropsAndLightnessRises)
{
    QuilLnF lookAndFeel;

    for (auto c : { Colour (0xFF3A935B), Colour (0xFF583F99), Colour (0xFFB03020) })
    {
        const auto a = lookAndFeel.adjustColour (c);
        EXPECT_NEAR (a.getHue(), c.getHue(), 0.01f);
        EXPECT_NEAR (a.getLightness(), c.getLightness() * 1.2f, 1.5f / 255.0f);
        EXPECT_LT (a.getSaturationHSL(), c.getSaturationHSL());
    }
}

TEST (AdjustColour, anyVisibleAlphaComesOutOpaqueAndZeroAlphaStaysZero)
{
    // The framework's HSL round trip hands a byte alpha on as a 0..1 value.
    QuilLnF lookAndFeel;
    EXPECT_EQ (lookAndFeel.adjustColour (Colour (0x6696FF98)).getAlpha(), 255);
    EXPECT_EQ (lookAndFeel.adjustColour (Colour (0x0096FF98)).getAlpha(), 0);
}

//==============================================================================
TEST (QuilTypeface, everyFontGetsTheOneEmbeddedTypeface)
{
    QuilLnF lookAndFeel;
    const auto first = lookAndFeel.getTypefaceForFont (juce::Font (13.0f));

    ASSERT_NE (first, nullptr);
    EXPECT_EQ (first->getName(), "Roboto");

    for (const auto& font : { juce::Font (20.0f, juce::Font::bold), juce::Font (9.0f, juce::Font::italic),
                              juce::Font ("Some Other Family", 14.0f, juce::Font::plain) })
        EXPECT_EQ (lookAndFeel.getTypefaceForFont (font), first);
}

TEST (QuilMetrics, anotherLookAndFeelGetsTheStandardMetrics)
{
    juce::LookAndFeel_V4 other;
    juce::Component component;
    component.setLookAndFeel (&other);

    EXPECT_EQ (QuilMetrics::asQuilLnF (other), nullptr);
    EXPECT_EQ (QuilMetrics::getFontHeight (component), 13.0f);
    EXPECT_EQ (QuilMetrics::getSmallFontHeight (component), 10.0f);
    EXPECT_EQ (QuilMetrics::getCornerSize (component), 6.0f);
    EXPECT_TRUE (QuilMetrics::getStatusBarImage (component).isNull());
    EXPECT_EQ (QuilMetrics::getAccentColour (component), Colour (0xFF00C9FF));
    EXPECT_EQ (QuilMetrics::adjustColour (component, Colour (0xFF808080)),
               QuilLnF().adjustColour (Colour (0xFF808080)));

    component.setLookAndFeel (nullptr);
}

TEST (QuilMetrics, theMakersLookAndFeelIsAskedThroughTheCast)
{
    struct Bigger : public QuilLnF
    {
        float getFontHeight() const override      { return 15.0f; }
        float getCornerSize() const override      { return 3.0f; }
        Colour getAccentColour() const override   { return Colours::orange; }
    } bigger;

    juce::Component component;
    component.setLookAndFeel (&bigger);

    EXPECT_EQ (QuilMetrics::asQuilLnF (bigger), &bigger);
    EXPECT_EQ (QuilMetrics::getFontHeight (component), 15.0f);
    EXPECT_EQ (QuilMetrics::getSmallFontHeight (component), 10.0f);
    EXPECT_EQ (QuilMetrics::getCornerSize (component), 3.0f);
    EXPECT_EQ (QuilMetrics::getAccentColour (component), Colours::orange);

    component.setLookAndFeel (nullptr);
}

//==============================================================================
TEST (QuilTooltip, placedAwayFromThePointerAndKeptInsideTheParent)
{
    QuilLnF lookAndFeel;
    const juce::Rectangle<int> parent (0, 0, 800, 600);
    const juce::String tip ("Knob rotation mouse movement type");

    const auto upperLeft = lookAndFeel.getTooltipBounds (tip, { 100, 100 }, parent);
    EXPECT_EQ (upperLeft.getPosition(), juce::Point<int> (124, 106));
    EXPECT_EQ (upperLeft.getHeight(), 20);

    const auto lowerRight = lookAndFeel.getTooltipBounds (tip, { 700, 500 }, parent);
    EXPECT_EQ (lowerRight.getRight(), 700 - 12);
    EXPECT_EQ (lowerRight.getBottom(), 500 - 6);
    EXPECT_EQ (lowerRight.getWidth(), upperLeft.getWidth());

    const auto nearEdge = lookAndFeel.getTooltipBounds (tip, { 390, 590 }, parent);
    EXPECT_TRUE (parent.contains (nearEdge));
}

TEST (QuilButtonBackground, outlineIsBlackAtRestAndHighlightAtFullBrightnessOnHover)
{
    QuilLnF lookAndFeel;
    juce::TextButton button;
    button.setSize (40, 20);

    auto outlineAt = [&] (bool over)
    {
        juce::Image image (juce::Image::ARGB, 40, 20, true);
        juce::Graphics g (image);
        lookAndFeel.drawButtonBackground (g, button, Colours::red, over, false);
        return std::make_pair (image.getPixelAt (20, 1), image.getPixelAt (20, 10));
    };

    const auto rest = outlineAt (false);
    EXPECT_EQ (rest.first, Colours::black);
    EXPECT_EQ (rest.second.getAlpha(), 0);   // no fill

    const auto hover = outlineAt (true);
    EXPECT_EQ (hover.first, Colour (0xFFD2E2FF).withBrightness (1.0f));
    EXPECT_EQ (hover.second.getAlpha(), 0);
}

TEST (QuilIcons, loadingAgainAppendsAnotherEight)
{
    QuilLnF lookAndFeel;
    EXPECT_EQ (lookAndFeel.getIcons().size(), 8);

    lookAndFeel.loadIcons();
    EXPECT_EQ (lookAndFeel.getIcons().size(), 16);
}
