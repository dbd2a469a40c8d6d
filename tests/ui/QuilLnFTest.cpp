#include "support/ImageChecks.h"
#include "support/SchemeCase.h"
#include "ui/lnf/QuilColourIds.h"
#include "ui/lnf/IconSet.h"
#include "ui/lnf/QuilLnF.h"
#include "ui/lnf/QuilMetrics.h"

using juce::Colour;

// Knobs and sliders draw their lighter shades with it.
TEST (AdjustColour, keepsHueLowersSaturationAndRaisesLightnessByAFifthUpToWhite)
{
    QuilLnF lookAndFeel;

    for (auto c : { Colour (0xFF202020), Colour (0xFF808080), Colour (0xFF3A935B), Colour (0xFF583F99), Colour (0xFFF0F0F0) })
    {
        const auto a = lookAndFeel.adjustColour (c);
        EXPECT_NEAR (a.getLightness(), juce::jmin (1.0f, c.getLightness() * 1.2f), 1.5f / 255.0f) << c.toString();
        EXPECT_NEAR (a.getHue(), c.getHue(), 0.01f);
        EXPECT_LE (a.getSaturationHSL(), c.getSaturationHSL() * 0.8f + 0.01f);
    }

    // The framework's HSL round trip hands a byte alpha on as a 0..1 value.
    EXPECT_EQ (lookAndFeel.adjustColour (Colour (0x6696FF98)).getAlpha(), 255);
}

// The standalone's own dialogs draw the framework's labels and text buttons with it.
TEST (QuilLnF, labelsDrawTheirTextUnlessEditedAndButtonOutlinesLightUpOnHover)
{
    QuilLnF lookAndFeel;
    juce::Label label;
    label.setLookAndFeel (&lookAndFeel);
    label.setSize (80, 20);
    label.setText ("CUTOFF", juce::dontSendNotification);
    label.setBorderSize ({ 30, 0, 0, 0 });
    const auto paint = [&] (juce::Graphics& g) { lookAndFeel.drawLabel (g, label); };
    const auto anyInk = [] (Colour c) { return c.getAlpha() != 0; };

    EXPECT_GT (ImageChecks::count (ImageChecks::draw (80, 20, paint), anyInk), 0);
    label.setEditable (true);
    label.showEditor();
    ASSERT_TRUE (label.isBeingEdited());
    EXPECT_EQ (ImageChecks::count (ImageChecks::draw (80, 20, paint), anyInk), 0);
    label.hideEditor (true);
    label.setLookAndFeel (nullptr);

    juce::TextButton button;
    button.setSize (40, 20);
    for (bool over : { false, true })
    {
        const auto image = ImageChecks::draw (40, 20, [&] (juce::Graphics& g) {
            lookAndFeel.drawButtonBackground (g, button, juce::Colours::red, over, false); });
        EXPECT_EQ (image.getPixelAt (20, 1), over ? Colour (0xFFD2E2FF).withBrightness (1.0f) : juce::Colours::black);
    }
}

// The website button shows one of these icons; indices outside the set give nothing.
TEST (QuilLnF, loadsItsEightIconsFilledNonZero)
{
    const auto icons = QuilLnF().getIcons();
    ASSERT_EQ (icons.size(), IconSet::numIcons);
    for (const auto& icon : icons)
        EXPECT_TRUE (! icon.isEmpty() && icon.isUsingNonZeroWinding());
    EXPECT_TRUE (IconSet::loadIcon (IconSet::numIcons).isEmpty());
}

//==============================================================================
namespace
{
    using MakerSchemeTest = SchemeTest<QuilLnF>;

    const Colour background (0xFF080934), secondary (0xFF44545E), highlight (0xFFD2E2FF),
                 accent (0xFF00C9FF), alert (0xFFD04B4A);
}

TEST_P (MakerSchemeTest, colourFollowsFromTheMakersBaseColours) { check(); }

INSTANTIATE_TEST_SUITE_P (Scheme, MakerSchemeTest, ::testing::Values (
    SchemeCase { "text editor text is the accent", 0x1000201, accent },
    SchemeCase { "tooltip background", 0x1001B00, background },
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
    SchemeCase { "preference fill from accent", 0x2002102, accent.withAlpha ((juce::uint8) 0x14) },
    SchemeCase { "box fill", QuilColourIds::boxFillActive, accent.withAlpha ((juce::uint8) 0x26) },
    SchemeCase { "active icon from accent", QuilColourIds::iconActive, accent.darker (0.4f) },
    SchemeCase { "disabled icon", QuilColourIds::iconDisabled, secondary },
    SchemeCase { "idle tab", QuilColourIds::tabFillIdle, Colour (0x55464C55).withSaturation (0.4f) },
    SchemeCase { "status bar", 0x2229001, secondary },
    SchemeCase { "modulation frame: unset mark", QuilColourIds::modOuterFrame, Colour (0xFF8800FF) },
    SchemeCase { "meter background", QuilColourIds::meterBackground, Colour (0x99000000) },
    // Each id of a modulation row holds its own hue (rows 5 to 8 are checked through the product's rows).
    SchemeCase { "row 3 P", QuilColourIds::modulationRowIds[2].p, Colour (0xFF5FFEDC) },
    SchemeCase { "row 3 Q third", QuilColourIds::modulationRowIds[2].qThird, Colour (0xFF5EEC93) },
    SchemeCase { "row 3 Q dark", QuilColourIds::modulationRowIds[2].qDark, Colour (0xFF3A935B) },
    SchemeCase { "row 3 P trans.", QuilColourIds::modulationRowIds[2].pTrans, Colour (0x665FFEDC) },
    SchemeCase { "row 3 shade 2", QuilColourIds::modulationRowIds[2].shade2, Colour (0xFF232C3A) },
    SchemeCase { "row 7 P again", QuilColourIds::modulationRowIds[6].pAgain, Colour (0xFFFD656A) }));

// Greys stay grey, and light, saturated and fully transparent colours keep their place.
TEST (AdjustColour, greysStayGreyWhiteStaysWhiteAndATransparentColourStaysTransparent)
{
    QuilLnF lookAndFeel;

    for (auto c : { Colour (0xFF202020), Colour (0xFF808080), Colour (0xFFC0C0C0) })
    {
        const auto a = lookAndFeel.adjustColour (c);
        EXPECT_TRUE (a.getRed() == a.getGreen() && a.getGreen() == a.getBlue()) << c.toString();
    }

    const Colour red (0xFFB03020);
    const auto a = lookAndFeel.adjustColour (red);
    EXPECT_NEAR (a.getLightness(), red.getLightness() * 1.2f, 1.5f / 255.0f);
    EXPECT_NEAR (a.getHue(), red.getHue(), 0.01f);
    EXPECT_LT (a.getSaturationHSL(), red.getSaturationHSL());

    EXPECT_EQ (lookAndFeel.adjustColour (Colour (0xFFF0F0F0)), juce::Colours::white);
    EXPECT_EQ (lookAndFeel.adjustColour (juce::Colours::white), juce::Colours::white);
    EXPECT_EQ (lookAndFeel.adjustColour (Colour (0x0096FF98)).getAlpha(), 0);
}

TEST (QuilMetrics, theCastAsksTheMakersLookAndFeelAndFallsBackToTheStandardMetrics)
{
    struct Bigger : public QuilLnF
    {
        float getFontHeight() const override      { return 15.0f; }
        float getCornerSize() const override      { return 3.0f; }
        Colour getAccentColour() const override   { return juce::Colours::orange; }
    } bigger;
    juce::LookAndFeel_V4 other;

    struct Case { juce::LookAndFeel* lnf; bool isQuil; float font, corner; Colour accent; };

    for (auto c : { Case { &other, false, 13.0f, 6.0f, accent }, Case { &bigger, true, 15.0f, 3.0f, juce::Colours::orange } })
    {
        juce::Component component;
        component.setLookAndFeel (c.lnf);

        EXPECT_EQ (QuilMetrics::asQuilLnF (*c.lnf) != nullptr, c.isQuil);
        EXPECT_EQ (QuilMetrics::getFontHeight (component), c.font);
        EXPECT_EQ (QuilMetrics::getSmallFontHeight (component), 10.0f);
        EXPECT_EQ (QuilMetrics::getCornerSize (component), c.corner);
        EXPECT_EQ (QuilMetrics::getAccentColour (component), c.accent);

        if (! c.isQuil)
        {
            EXPECT_TRUE (QuilMetrics::getStatusBarImage (component).isNull());
            EXPECT_EQ (QuilMetrics::adjustColour (component, Colour (0xFF808080)),
                       QuilLnF().adjustColour (Colour (0xFF808080)));
        }

        component.setLookAndFeel (nullptr);
    }
}

TEST (QuilTooltip, placedAwayFromThePointerAndKeptInsideTheParent)
{
    QuilLnF lookAndFeel;
    const juce::Rectangle<int> parent (0, 0, 800, 600);
    const juce::String tip ("Knob rotation mouse movement type");

    const auto upperLeft = lookAndFeel.getTooltipBounds (tip, { 100, 100 }, parent);
    EXPECT_EQ (upperLeft.getPosition(), juce::Point<int> (124, 106));
    EXPECT_EQ (upperLeft.getHeight(), 20);

    const auto lowerRight = lookAndFeel.getTooltipBounds (tip, { 700, 500 }, parent);
    EXPECT_EQ (lowerRight.getBottomRight(), juce::Point<int> (700 - 12, 500 - 6));
    EXPECT_EQ (lowerRight.getWidth(), upperLeft.getWidth());

    EXPECT_TRUE (parent.contains (lookAndFeel.getTooltipBounds (tip, { 390, 590 }, parent)));
}

TEST (QuilIcons, loadingAgainAppendsAnotherEight)
{
    QuilLnF lookAndFeel;
    EXPECT_EQ (lookAndFeel.getIcons().size(), 8);

    lookAndFeel.loadIcons();
    EXPECT_EQ (lookAndFeel.getIcons().size(), 16);
}
