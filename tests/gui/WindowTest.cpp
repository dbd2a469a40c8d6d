#include "gui/EditorOnDesktop.h"
#include "params/QuilParamOnOff.h"
#include "support/FileWriteCounter.h"
#include "support/MouseEvents.h"

#include <gtest/gtest.h>

namespace
{
    using WindowTest = WithoutPrefs<>;

    int storedScale() { auto prefs = PrefsOnDisk::read(); return prefs != nullptr ? prefs->getIntAttribute ("scale", -1) : -1; }
}

TEST_F (WindowTest, commandPlusAndMinusStepTheWindowThroughEveryScaleWritingOncePerPress)
{
    EditorOnDesktop window;
    ASSERT_TRUE (window.sizeBecomes (703, 319));
    ASSERT_TRUE (pumpUntil ([&] { return ! window->isTimerRunning(); }));   // the opening write
    FileWriteCounter writes (PrefsOnDisk::file());

    struct Step { juce::juce_wchar key; int scale, width, height; };
    const Step steps[] = {
        { '=', 150, 1054, 478 }, { '+', 200, 1406, 638 }, { '=', 200, 1406, 638 },
        { '-', 150, 1054, 478 }, { '-', 100, 703, 319 }, { '-', 75, 527, 239 },
        { '-', 50, 351, 159 }, { '-', 50, 351, 159 }, { '=', 75, 527, 239 }, { '=', 100, 703, 319 } };

    int presses = 0;
    for (const auto& step : steps)
    {
        EXPECT_TRUE (window.press (step.key));
        ++presses;
        EXPECT_TRUE (window.sizeBecomes (step.width, step.height)) << step.scale;
        ASSERT_TRUE (pumpUntil ([&] { return writes.count() == presses; })) << step.scale;
        EXPECT_EQ (storedScale(), step.scale);
        EXPECT_EQ (window.window().getBounds(), juce::Rectangle<int> (0, 0, 703, 319));
    }

    // Other modifiers leave the keys to others.
    using M = juce::ModifierKeys;
    EXPECT_FALSE (window.press ('=', M::commandModifier | M::shiftModifier));
    EXPECT_FALSE (window.press ('-', M::commandModifier | M::altModifier));
    EXPECT_FALSE (window.press ('=', 0));
    EXPECT_FALSE (window.press ('a'));
    ASSERT_TRUE (pumpPosted());
    EXPECT_FALSE (window->isTimerRunning());
    EXPECT_EQ (writes.count(), presses);
    EXPECT_EQ (window->getWidth(), 703);
}

namespace
{
    enum class Toggle { gear, productLogo, makerLogo };

    juce::Component& toggleButton (VortaneMainWindow& w, Toggle t)
    {
        juce::Component* const all[] = { &w.getSettingsButton(), &w.getProductLogo(), &w.getMakerLogo() };
        return *all[(int) t];
    }

    using SettingsClickTest = WithoutPrefs<::testing::TestWithParam<std::tuple<const char*, Toggle>>>;
}

TEST_P (SettingsClickTest, theGearAndEitherLogoOpenAndCloseTheSettings)
{
    const auto [scale, toggle] = GetParam();
    EditorOnDesktop window (scale);
    auto& w = window.window();
    auto& screen = w.getSettingsScreen();
    auto& status = w.getStatusBar().getLabel();

    window.clickCentre (toggleButton (w, toggle));
    EXPECT_TRUE (screen.isOpen());
    EXPECT_EQ (screen.getBounds(), juce::Rectangle<int> (0, 0, 703, 319));
    EXPECT_TRUE (screen.isShowing());
    EXPECT_EQ (status.getText(), "v1.1.1" + StatusBar::getBuildInfo());

    window.clickCentre (toggleButton (w, toggle));
    EXPECT_FALSE (screen.isOpen());
    EXPECT_TRUE (screen.getBounds().isEmpty());
    EXPECT_EQ (status.getText(), "v1.1.1");

    // A click on the open screen's empty background closes it too.
    window.clickCentre (toggleButton (w, toggle));
    ASSERT_TRUE (screen.isOpen());
    window.click (w, { 600.0f, 260.0f });
    EXPECT_FALSE (screen.isOpen());
    EXPECT_EQ (status.getText(), "v1.1.1");
}

INSTANTIATE_TEST_SUITE_P (ScalesAndButtons, SettingsClickTest, ::testing::Combine (
    ::testing::Values ("50", "100", "200"),
    ::testing::Values (Toggle::gear, Toggle::productLogo, Toggle::makerLogo)));

TEST_F (WindowTest, theOptionRowsChangeTheKnobModeAndTheScaleByClicks)
{
    EditorOnDesktop window;
    auto& w = window.window();
    auto& screen = w.getSettingsScreen();
    auto& knobMode = screen.getKnobModeButton();
    auto& scale = screen.getScaleButton();
    const auto option = [] (PreferenceButtonSpan& span, int i) { return span.getOptionRects()[(size_t) i].getCentre(); };

    window.clickCentre (w.getSettingsButton());
    ASSERT_TRUE (screen.isOpen());

    window.click (knobMode, option (knobMode, 1), juce::ModifierKeys::ctrlModifier);
    EXPECT_TRUE (window.processor->rotaryKnobs);

    for (const int i : { 1, 0 })
    {
        window.click (knobMode, option (knobMode, i));
        EXPECT_EQ (window.processor->rotaryKnobs, i == 0);
        EXPECT_EQ (PrefsOnDisk::read()->getStringAttribute ("knobRotation"), i == 0 ? "1" : "0");
    }

    ASSERT_TRUE (pumpUntil ([&] { return ! window->isTimerRunning(); }));
    FileWriteCounter writes (PrefsOnDisk::file());
    window.click (scale, option (scale, 4));
    EXPECT_TRUE (window.sizeBecomes (1406, 638));
    window.click (scale, option (scale, 0));
    EXPECT_TRUE (window.sizeBecomes (351, 159));
    ASSERT_TRUE (pumpUntil ([&] { return ! window->isTimerRunning(); }));
    EXPECT_EQ (writes.count(), 2);
    EXPECT_EQ (storedScale(), 50);
    EXPECT_TRUE (scale.isOptionSelected (0));
    EXPECT_TRUE (screen.isOpen());
}

TEST_F (WindowTest, eachBypassClickIsOneGestureTogglingPower)
{
    EditorOnDesktop window;
    auto& bypass = window.window().getBypassButton();
    auto& power = *window.processor->data.power;
    GestureCounter host (power);

    // The second released with control held: still exactly the one gesture.
    for (const int power01 : { 0, 1 })
    {
        window.click (bypass, { 12.0f, 12.0f }, 0, power01 == 0 ? 0 : juce::ModifierKeys::ctrlModifier);
        EXPECT_EQ (power.getRealValue(), power01);
        EXPECT_EQ (host.begins, power01 + 1);
        EXPECT_EQ (host.ends, host.begins);
        ASSERT_TRUE (pumpUntil ([&] { return bypass.getCachedValue() == power01; }));
    }

    window.clickCentre (bypass, juce::ModifierKeys::ctrlModifier);
    EXPECT_EQ (power.getRealValue(), 1.0);
    EXPECT_EQ (host.begins, 2);
}

namespace
{
    struct PopupCase { const char* scale; juce::Point<int> request; juce::Point<int> expected; };
    using PopupPlacementOnScreenTest = WithoutPrefs<::testing::TestWithParam<PopupCase>>;
}

TEST_P (PopupPlacementOnScreenTest, aPopupOpenedNearTheEdgeLiesInsideTheWindow)
{
    const auto c = GetParam();
    EditorOnDesktop window (c.scale);
    auto& w = window.window();

    auto popup = std::make_unique<juce::Component>();
    auto* shown = popup.get();
    shown->setSize (120, 80);
    ASSERT_TRUE (PopupDisplayLauncher::launch (&w.getBypassButton(), std::move (popup), c.request, true));

    // The bypass button is at (663, 10) in the 703 × 319 window.
    EXPECT_EQ (shown->getPosition(), c.expected);
    EXPECT_TRUE (shown->isShowing());
    EXPECT_TRUE (window->getScreenBounds().contains (shown->getScreenBounds()));
    ASSERT_TRUE (pumpUntil ([&] { return shown->hasKeyboardFocus (true); }));

    // A click on another control (here the maker logo, clear of every placement) takes
    // the focus and closes it.
    window.clickCentre (w.getMakerLogo());
    EXPECT_FALSE (w.getPopupDisplay().isPopupShowing());
    EXPECT_FALSE (shown->isShowing());
}

INSTANTIATE_TEST_SUITE_P (Edges, PopupPlacementOnScreenTest, ::testing::Values (
    PopupCase { "100", { 0, 0 }, { 583, 10 } },            // right edge: 703 − 120
    PopupCase { "200", { 0, 300 }, { 583, 239 } },         // right and bottom: 319 − 80
    PopupCase { "50", { -1000, -1000 }, { 0, 0 } },
    PopupCase { "150", { -300, 40 }, { 363, 50 } }));      // inside: unchanged
