#include "support/ImageChecks.h"
#include "ui/lnf/IconSet.h"
#include "ui/lnf/QuilLnF.h"

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
