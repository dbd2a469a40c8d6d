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
    KnobModeCase { nullptr, true }, KnobModeCase { "1", true }, KnobModeCase { "0", false },
    KnobModeCase { "no", false }, KnobModeCase { "yes", true }));

TEST_F (MainWindowTest, thePanelAndPopupDisplayCoverTheWindowTheClosedSettingsNothingAndTheProductLogosOverlayIsAtNinetyPercent)
{
    TestEditor editor;
    auto& w = editor.window();

    EXPECT_EQ (w.getControlPanel().getBounds(), juce::Rectangle<int> (0, 0, 703, 400));
    EXPECT_EQ (w.getPopupDisplay().getBounds(), juce::Rectangle<int> (0, 0, 703, 319));
    EXPECT_TRUE (w.getSettingsScreen().getBounds().isEmpty());
    EXPECT_EQ (w.getProductLogo().getHoverOverlay().getFill().colour.getAlpha(), 230);
}

TEST_F (MainWindowTest, theSettingsScreenLaysOutItsRowsAroundItsCentre)
{
    TestEditor editor;
    auto& w = editor.window();
    w.buttonClicked (&w.getSettingsButton());
    auto& screen = w.getSettingsScreen();

    EXPECT_EQ (screen.getTitle().getBounds(), juce::Rectangle<int> (301, 35, 100, 20));
    EXPECT_TRUE (screen.getTitle().usesFixedColour());
    EXPECT_EQ (screen.getKnobModeButton().getBounds(), juce::Rectangle<int> (321, 129, 60, 60));
    EXPECT_EQ (screen.getScaleButton().getBounds(), juce::Rectangle<int> (116, 84, 50, 150));
    EXPECT_EQ (screen.getWebsiteButton().getBounds(), juce::Rectangle<int> (480, 147, 180, 24));
    EXPECT_EQ (screen.getBackgroundButton().getBounds(), juce::Rectangle<int> (0, 0, 703, 319));

    // Connector 1: a line at y = 159 from x = 300, then a bracket at x = 309 from 146 to 172.
    const auto& c1 = screen.getConnector (0);
    EXPECT_TRUE (c1.contains ({ 303.0f, 159.0f }));
    EXPECT_TRUE (c1.contains ({ 309.0f, 150.0f }));
    EXPECT_TRUE (c1.contains ({ 311.0f, 172.0f }));
    EXPECT_FALSE (c1.contains ({ 309.0f, 140.0f }));
    EXPECT_TRUE (screen.getConnector (1).contains ({ 99.0f, 140.0f }));
}

TEST_F (MainWindowTest, reopeningTheWindowThreeTimesKeepsTheStyleFilledWithEightModulationRows)
{
    TestProcessor processor;
    for (int i = 0; i < 3; ++i)
    {
        std::unique_ptr<juce::AudioProcessorEditor> editor (processor->createEditorIfNeeded());
        EXPECT_TRUE (processor->data.modulationStyle.filled);
        EXPECT_EQ (processor->data.modulationStyle.records.size(), 8u);
    }
}
