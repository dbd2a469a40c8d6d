#include "ui/toolkit/PopupDisplayLauncher.h"
#include "ui/toolkit/PopupLifecycleHooks.h"

#include <gtest/gtest.h>

namespace
{
    juce::int64 fakeNow = 1'000'000;
    juce::int64 fakeClock() { return fakeNow; }

    using Log = std::vector<juce::String>;

    /** A pop-up that logs its deletion and its show/close calls. */
    struct Popup : juce::Component, PopupLifecycleHooks
    {
        Popup (const juce::String& id, int w, int h, Log& log) : events (log)
        {
            setComponentID (id);
            setSize (w, h);
        }

        ~Popup() override { events.push_back ("deleted " + getComponentID()); }

        void popupShown() override  { events.push_back ("shown " + getComponentID()); }
        void popupClosed() override { events.push_back ("closed " + getComponentID()); }

        Log& events;
    };

    // The first base of the window, so that it outlives the pop-ups that write to it.
    struct EventLog { Log log; };

    /** A 300 × 200 window with a launcher and an opener at (250, 150). */
    struct Window : EventLog, juce::Component, PopupDisplayLauncher
    {
        Window()
        {
            setSize (300, 200);
            addAndMakeVisible (panel);
            panel.setBounds (200, 100, 100, 100);
            panel.addAndMakeVisible (opener);
            opener.setBounds (50, 50, 20, 20);
            addAndMakeVisible (popupDisplay);
            popupDisplay.setBounds (getLocalBounds());
        }

        std::unique_ptr<juce::Component> make (const juce::String& id, int w = 80, int h = 60)
        {
            return std::make_unique<Popup> (id, w, h, log);
        }

        bool launch (const juce::String& id, juce::Point<int> position = { -200, -100 }, int w = 80, int h = 60,
                     bool shadow = false)
        {
            return PopupDisplayLauncher::launch (&opener, make (id, w, h), position, shadow);
        }

        juce::Component panel, opener;
    };
}

namespace
{
    struct PlacementCase { int x, y, w, h; juce::Point<int> expected; };
    class PopupPlacementTest : public ::testing::TestWithParam<PlacementCase> {};
}

TEST_P (PopupPlacementTest, aPopupIsKeptInsideTheDisplay)
{
    const auto c = GetParam();
    Window window;

    ASSERT_TRUE (window.launch ("a", { c.x, c.y }, c.w, c.h));
    auto* content = window.getPopupDisplay().getContent();
    ASSERT_NE (content, nullptr);
    EXPECT_EQ (content->getPosition(), c.expected);
    EXPECT_EQ (content->getParentComponent(), &window.getPopupDisplay());
}

// Wider than the display from its left edge: in the replacement test below.
INSTANTIATE_TEST_SUITE_P (Positions, PopupPlacementTest, ::testing::Values (
    PlacementCase { -200, -100, 80, 60, { 50, 50 } },       // inside: unchanged
    PlacementCase { 0, 0, 80, 60, { 220, 140 } },           // past the right and bottom edges
    PlacementCase { -300, -200, 80, 60, { 0, 0 } },         // past the left and top edges
    PlacementCase { -200, -100, 400, 60, { -100, 50 } }));  // wider than the display, from inside

TEST (PopupDisplay, anotherPopupReplacesAndDeletesTheOneShown)
{
    Window window;
    auto& display = window.getPopupDisplay();

    ASSERT_TRUE (window.launch ("a", { -200, -100 }, 80, 60, true));
    ASSERT_EQ (display.getNumChildComponents(), 2);
    EXPECT_EQ (display.getChildComponent (0), &display.getShadow());
    EXPECT_EQ (display.getShadow().getBounds(), juce::Rectangle<int> (54, 54, 80, 60));

    // Wider than the display: kept from its left edge only.
    ASSERT_TRUE (window.launch ("b", { -260, -100 }, 400, 60));
    EXPECT_EQ (display.getContent()->getComponentID(), "b");
    EXPECT_EQ (display.getContent()->getPosition(), juce::Point<int> (0, 50));
    EXPECT_EQ (display.getNumChildComponents(), 1);
    EXPECT_EQ (window.log, (Log { "shown a", "closed a", "deleted a", "shown b" }));
}

TEST (PopupDisplay, misuseDeletesThePopupInsteadOfThrowing)
{
    Window window;
    auto& display = window.getPopupDisplay();
    juce::Component stranger;
    PopupDisplayLauncher orphan;

    EXPECT_NO_THROW ({
        EXPECT_FALSE (display.launchPopup (nullptr, {}, &window.opener, false));
        EXPECT_FALSE (display.launchPopup (window.make ("x"), {}, nullptr, false));
        EXPECT_FALSE (display.launchPopup (window.make ("y"), {}, &stranger, false));
        // No launcher above the target at all.
        EXPECT_FALSE (PopupDisplayLauncher::launch (&stranger, window.make ("z"), {}, false));
        display.setVisible (false);
        EXPECT_FALSE (window.launch ("w"));
        EXPECT_FALSE (orphan.launchPopup (window.make ("v"), {}, &window.opener, false));
    });

    EXPECT_EQ (PopupDisplayLauncher::findFor (&stranger), nullptr);
    EXPECT_EQ (PopupDisplayLauncher::findFor (&window.opener), &window);
    EXPECT_EQ (window.log, (Log { "deleted x", "deleted y", "deleted z", "deleted w", "deleted v" }));
    EXPECT_FALSE (display.isPopupShowing());
}

TEST (PopupDisplay, theSamePopupAskedForAgainRightAfterItClosedStaysClosed)
{
    Window window;
    auto& display = window.getPopupDisplay();
    display.setClock (fakeClock);
    juce::TextButton other ("other");

    ASSERT_TRUE (window.launch ("a"));
    display.buttonClicked (&other);
    EXPECT_FALSE (display.isPopupShowing());

    // The click on the opener that closed it asks for it again: dropped up to 100 ms on.
    fakeNow += 100;
    EXPECT_FALSE (window.launch ("a"));
    EXPECT_FALSE (display.isPopupShowing());

    // Another pop-up at once, or the same one a little later, is shown.
    EXPECT_TRUE (window.launch ("b"));
    display.buttonClicked (&other);
    fakeNow += 101;
    EXPECT_TRUE (window.launch ("b"));
    EXPECT_TRUE (display.isPopupShowing());
}

TEST (PopupDisplay, buttonsNamedOkAndAlwaysRunTheirActionsAndEveryButtonCloses)
{
    Window window;
    auto& display = window.getPopupDisplay();
    Log actions;
    display.setOkAction ([&] { actions.push_back ("ok"); });
    display.setAlwaysAction ([&] { actions.push_back ("always"); });

    for (const auto* name : { "ok", "always", "cancel" })
    {
        ASSERT_TRUE (window.launch (name));
        juce::TextButton button (name);
        display.buttonClicked (&button);
        EXPECT_FALSE (display.isPopupShowing()) << name;
        EXPECT_EQ (display.getNumChildComponents(), 0);
    }

    EXPECT_EQ (actions, (Log { "ok", "ok", "always" }));
    // A closed pop-up stays owned until the next one replaces it.
    ASSERT_NE (display.getContent(), nullptr);
    EXPECT_EQ (display.getContent()->getComponentID(), "cancel");
}
