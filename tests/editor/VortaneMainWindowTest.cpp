#include "support/EditorFixture.h"
#include "support/ImageChecks.h"

namespace
{
    using MainWindowTest = WithoutPrefs<>;

    const juce::String version ("v1.1.1");

    /** Pixels showing the mark of a colour slot or id that the palette or scheme left undefined. */
    int undefinedColourPixels (const TestEditor& editor)
    {
        return ImageChecks::count (editor.render(), [] (juce::Colour c)
                                   { return c.getAlpha() > 0 && ImageChecks::near (c, juce::Colour (0xFF8800FF), 24); });
    }
}

TEST_F (MainWindowTest, childrenStandAtTheirFixedPlacesInTheirOrderInDefinedColours)
{
    TestEditor editor;
    auto& w = editor.window();

    EXPECT_EQ (w.getSettingsButton().getBounds(), juce::Rectangle<int> (16, 10, 24, 24));
    EXPECT_EQ (w.getStatusBar().getBounds(), juce::Rectangle<int> (485, 287, 200, 16));
    EXPECT_EQ (w.getBypassButton().getBounds(), juce::Rectangle<int> (663, 10, 24, 24));
    EXPECT_EQ (w.getMakerLogo().getBounds(), juce::Rectangle<int> (500, 19, 92, 9));
    EXPECT_EQ (w.getProductLogo().getBounds(), juce::Rectangle<int> (94, 14, 108, 18));
    EXPECT_EQ (w.getStatusBar().getLabel().getText(), version);
    EXPECT_EQ (w.getMakerLogo().getColourTable().getColour (8, 1), juce::Colour (0xFFD0CBC9));
    EXPECT_EQ (w.getStatusBar().getLabel().getColourTable().getColour (8, 1), juce::Colour (0xFF444C5E));
    EXPECT_EQ (undefinedColourPixels (editor), 0);

    // Pop-ups lie above everything; the settings screen above the panel and bypass button.
    const auto index = [&] (juce::Component& c) { return w.getIndexOfChildComponent (&c); };
    EXPECT_EQ (index (w.getPopupDisplay()) + 1, index (w.getProductLogo()));
    EXPECT_GT (index (w.getSettingsScreen()), index (w.getBypassButton()));
    EXPECT_GT (index (w.getSettingsButton()), index (w.getSettingsScreen()));
    EXPECT_GT (index (w.getMakerLogo()), index (w.getSettingsScreen()));
}

// The gear, the logos and the background close it by real clicks in the window tests.
TEST_F (MainWindowTest, theOpenSettingsShowDefinedColoursAndClosingThroughTheWebsiteButtonRestoresTheVersion)
{
    TestEditor editor;
    auto& w = editor.window();
    auto& screen = w.getSettingsScreen();
    w.buttonClicked (&w.getSettingsButton());
    ASSERT_TRUE (screen.isOpen());
    ASSERT_NE (w.getStatusBar().getLabel().getText(), version);
    EXPECT_EQ (undefinedColourPixels (editor), 0);

    EXPECT_EQ (screen.getTitle().getFixedColour(), juce::Colour (0xFF23D359));
    EXPECT_EQ (screen.getWebsiteButton().getURL().getDomain(), "quillmere.example");

    // Through its listener: a click would open a browser.
    screen.buttonClicked (&screen.getWebsiteButton());
    EXPECT_FALSE (screen.isOpen());
    EXPECT_TRUE (screen.getBounds().isEmpty());
    EXPECT_FALSE (w.getSettingsButton().getToggleState());
    EXPECT_EQ (w.getStatusBar().getLabel().getText(), version);
}

namespace
{
    struct KnobModeCase { const char* stored; bool rotary; };
    using KnobModeAtOpenTest = WithoutPrefs<::testing::TestWithParam<KnobModeCase>>;
}

TEST_P (KnobModeAtOpenTest, openingTheWindowReadsTheKnobModeAndReopeningKeepsEightModulationRows)
{
    const auto c = GetParam();
    if (c.stored != nullptr)
        PrefsOnDisk::write ({ { "knobRotation", c.stored } });

    TestProcessor processor;
    EXPECT_TRUE (processor->rotaryKnobs);   // "rotary" is absent

    for (int i = 0; i < 2; ++i)
    {
        std::unique_ptr<juce::AudioProcessorEditor> editor (processor->createEditorIfNeeded());
        EXPECT_EQ (processor->rotaryKnobs, c.rotary);
        EXPECT_EQ (processor->data.modulationStyle.records.size(), 8u);
    }
}

INSTANTIATE_TEST_SUITE_P (Stored, KnobModeAtOpenTest, ::testing::Values (
    KnobModeCase { nullptr, true }, KnobModeCase { "1", true }, KnobModeCase { "0", false }));
