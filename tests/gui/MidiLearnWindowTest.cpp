#include "gui/EditorOnDesktop.h"
#include "support/ParameterIndex.h"
#include "ui/toolkit/MIDIccPopup.h"

#include <gtest/gtest.h>
#include <thread>

namespace
{
    using M = juce::ModifierKeys;
    constexpr int rightButton = M::rightButtonModifier, leftButton = M::leftButtonModifier;
    constexpr int metaBit = 0x08;   // the command key's raw bit

    /** A control with any "pIndex", as the panel's knobs present themselves to the
        window: focusable, carrying an index. */
    struct ControlStandIn : juce::Component
    {
        ControlStandIn (VortaneMainWindow& w, juce::var index, juce::Rectangle<int> bounds)
        {
            getProperties().set ("pIndex", index);
            setWantsKeyboardFocus (true);
            setBounds (bounds);
            w.getControlPanel().addAndMakeVisible (this);
        }
    };

    /** One block through the processor on a thread of its own, as a host's audio thread. */
    void sendController (TestProcessor& p, int number)
    {
        std::thread audio ([&p, number]
        {
            auto buffer = p.makeBuffer (64);
            juce::MidiBuffer midi;
            midi.addEvent (juce::MidiMessage::controllerEvent (1, number, 100), 0);
            p->processBlock (buffer, midi);
        });
        audio.join();
    }

    enum class Target { cutoff, cutoffAtTop, background, makerLogo, productLogo, statusBar, pastLastParameter, textIndex };
    struct ClickCase { Target target; int keys, button; const char* scale; bool opens; };

    using LearnClickTest = WithoutPrefs<::testing::TestWithParam<ClickCase>>;
}

TEST_P (LearnClickTest, aPopupClickOnAControlOpensItsLearnPopupCentredOnTheClickInsideTheWindow)
{
    const auto c = GetParam();
    EditorOnDesktop window (c.scale);
    auto& w = window.window();

    auto& cutoffKnob = w.getControlPanel().getKnob (destCutoff);
    ControlStandIn stray (w, numParams, { 100, 200, 30, 30 }), texty (w, "2", { 150, 200, 30, 30 });

    // The knob's top lies 22 points below the window's: its pop-up is pushed down.
    struct Spot { juce::Component* component; juce::Point<float> point; };
    const Spot spots[] = { { &cutoffKnob, { 40.0f, 50.0f } }, { &cutoffKnob, { 82.0f, 12.0f } },
                           { &w, { 560.0f, 60.0f } }, { &w.getMakerLogo(), { 40.0f, 4.0f } },
                           { &w.getProductLogo(), { 50.0f, 9.0f } }, { &w.getStatusBar(), { 150.0f, 8.0f } },
                           { &stray, { 10.0f, 10.0f } }, { &texty, { 10.0f, 10.0f } } };
    const auto spot = spots[(int) c.target];

    window.click (*spot.component, spot.point, c.keys, -1, c.button);
    auto* popup = window.shownPopup<MIDIccPopup>();
    ASSERT_EQ (popup != nullptr, c.opens);
    if (popup == nullptr)
        return;

    EXPECT_EQ (popup->getButton().getParameterIndex(), (int) cutoff);
    EXPECT_EQ (popup->getLabel().getText(), quilParam (*window.processor, cutoff).getLabel().toUpperCase());

    const auto click = w.getLocalPoint (spot.component, spot.point.toInt());
    const juce::Point<int> centred (click.x - popup->getWidth() / 2, click.y - popup->getHeight() / 2);
    EXPECT_EQ (popup->getPosition(), juce::Point<int> (juce::jlimit (0, 703 - popup->getWidth(), centred.x),
                                                       juce::jlimit (0, 319 - popup->getHeight(), centred.y)));
    EXPECT_TRUE (window.insideWindow (*popup));
    EXPECT_EQ (popup->getBox().getBounds(), juce::Rectangle<int> (12, 12, popup->getWidth() - 24, 76));
    EXPECT_TRUE (popup->isShowing());
}

INSTANTIATE_TEST_SUITE_P (Clicks, LearnClickTest, ::testing::Values (
    ClickCase { Target::cutoff, 0, rightButton, "100", true },
    ClickCase { Target::cutoff, M::ctrlModifier, leftButton, "200", true },
    ClickCase { Target::cutoffAtTop, 0, rightButton, "50", true },
    ClickCase { Target::cutoff, metaBit, rightButton, "100", false },
    ClickCase { Target::cutoff, 0, leftButton, "100", false },
    ClickCase { Target::background, 0, rightButton, "100", false },
    ClickCase { Target::makerLogo, 0, rightButton, "100", false },
    ClickCase { Target::productLogo, M::ctrlModifier, leftButton, "100", false },
    ClickCase { Target::statusBar, 0, rightButton, "100", false },
    ClickCase { Target::pastLastParameter, 0, rightButton, "100", false },
    ClickCase { Target::textIndex, 0, rightButton, "100", false }));

TEST_F (LearnClickTest, twoKnobsRightClickedInTurnLeaveOnePopupForTheSecond)
{
    EditorOnDesktop window;
    auto& w = window.window();
    auto& panel = w.getControlPanel();

    window.rightClick (panel.getKnob (destCutoff), { 40.0f, 50.0f });
    ASSERT_NE (window.shownPopup<MIDIccPopup>(), nullptr);
    auto& resonanceKnob = panel.getKnob (destResonance);
    window.rightClick (resonanceKnob, resonanceKnob.getLocalBounds().toFloat().getCentre() - juce::Point<float> (8.0f, 8.0f));
    ASSERT_NE (window.shownPopup<MIDIccPopup>(), nullptr);
    EXPECT_EQ (window.shownPopup<MIDIccPopup>()->getButton().getParameterIndex(), (int) resonance);
    EXPECT_EQ (w.getPopupDisplay().getNumChildComponents(), 1);

    // Two pop-ups pushed into the same corner: only their IDs tell them apart when
    // the second is asked for right after the first closed.
    ControlStandIn inInCorner (w, in, { 655, 270, 20, 15 }), outInCorner (w, out, { 680, 270, 20, 15 });
    window.rightClick (inInCorner);
    ASSERT_NE (window.shownPopup<MIDIccPopup>(), nullptr);
    window.click (panel.getKnob (destCutoff), { 40.0f, 50.0f });
    ASSERT_EQ (window.shownPopup<MIDIccPopup>(), nullptr);
    window.rightClick (outInCorner);
    ASSERT_NE (window.shownPopup<MIDIccPopup>(), nullptr);
    EXPECT_EQ (window.shownPopup<MIDIccPopup>()->getButton().getParameterIndex(), (int) out);
}

TEST_F (LearnClickTest, aControllerIsLearntUnmappedTypedAndRefused)
{
    EditorOnDesktop window;
    auto& w = window.window();
    auto& map = static_cast<MidiCCListener&> (*window.processor);
    window.rightClick (w.getControlPanel().getKnob (destCutoff), { 40.0f, 50.0f });
    ASSERT_NE (window.shownPopup<MIDIccPopup>(), nullptr);
    auto& button = window.shownPopup<MIDIccPopup>()->getButton();
    const auto shows = [&] (const char* caption, const char* text)
    {
        return pumpUntil ([&] { return button.getCaption() == caption && button.getFieldText() == text; });
    };
    const juce::Point<float> buttonTop (34.0f, 10.0f), field (34.0f, 35.0f);
    EXPECT_TRUE (shows (" Learn", "- -"));

    window.click (button, buttonTop);
    EXPECT_EQ (map.learningIndex.load(), (int) cutoff);
    sendController (window.processor, 7);
    EXPECT_TRUE (shows ("Unmap", "CC 7"));
    EXPECT_EQ (map.findController (cutoff), 7);

    window.click (button, buttonTop);
    EXPECT_TRUE (shows (" Learn", "- -"));
    EXPECT_EQ (map.getMappedParameter (7), -1);

    // Typed: "cc 7" maps; what learning refuses is refused and leaves CC 7 mapped,
    // except the bank controller 118, which typing may bind.
    struct Typed { const char* text; int controller; };
    for (auto [typed, controller] : { Typed { "cc 7", 7 }, Typed { "64", 7 }, Typed { "119", 7 }, Typed { "0", 7 },
                                      Typed { "c", 7 }, Typed { "118", 118 } })
    {
        window.click (button, field);
        window.type (typed);
        const int number = juce::String (typed).getIntValue();
        EXPECT_TRUE (shows ("Unmap", ("CC " + juce::String (controller)).toRawUTF8())) << typed;
        EXPECT_EQ (map.findController (cutoff), controller) << typed;
        EXPECT_EQ (map.getMappedParameter (number), number == controller ? (int) cutoff : -1) << typed;
    }

    // The typed 118 moves its parameter and still stores the bank.
    sendController (window.processor, 118);
    EXPECT_NEAR (quilParam (*window.processor, cutoff).getValue(), 100.0f / 127.0f, 1.0e-4f);
    EXPECT_EQ (map.storedBank.load(), 100);

    // Closing the pop-up while it waits stops the learning.
    window.click (button, buttonTop);
    window.click (button, buttonTop);
    ASSERT_EQ (map.learningIndex.load(), (int) cutoff);
    window.clickCentre (w.getMakerLogo());
    EXPECT_EQ (window.shownPopup<MIDIccPopup>(), nullptr);
    EXPECT_EQ (map.learningIndex.load(), -1);
    sendController (window.processor, 20);
    EXPECT_EQ (map.findController (cutoff), -1);
}

namespace
{
    // bound: the controller mapped to Cutoff before (-1 none, 0 learning armed instead);
    // clicks: one plain click into the field, or two making a double click; typed: the
    // keys after them, no select-all first (null: the clicks alone).
    struct FieldCase { const char* name; int bound, clicks; const char* typed; int controller; const char* caption; const char* text; };
    using LearnFieldTest = WithoutPrefs<::testing::TestWithParam<FieldCase>>;
}

TEST_P (LearnFieldTest, aPlainClickIntoTheFieldSelectsItsTextSoTheTypedNumberReplacesIt)
{
    const auto& c = GetParam();
    EditorOnDesktop window;
    auto& map = static_cast<MidiCCListener&> (*window.processor);
    if (c.bound > 0)
        map.assignController (c.bound, cutoff);

    window.rightClick (window.window().getControlPanel().getKnob (destCutoff), { 40.0f, 50.0f });
    ASSERT_NE (window.shownPopup<MIDIccPopup>(), nullptr);
    auto& button = window.shownPopup<MIDIccPopup>()->getButton();
    const juce::Point<float> buttonTop (34.0f, 10.0f), field (34.0f, 35.0f);
    if (c.bound == 0)
    {
        window.click (button, buttonTop);
        ASSERT_EQ (map.learningIndex.load(), (int) cutoff);
    }

    if (c.clicks == 2)
        window.doubleClick (button, field);
    else
        window.click (button, field);
    if (c.typed != nullptr)
        window.typeKeys (c.typed);

    EXPECT_TRUE (pumpUntil ([&] { return button.getCaption() == c.caption && button.getFieldText() == c.text; }))
        << button.getCaption() << " / " << button.getFieldText();
    EXPECT_EQ (map.findController (cutoff), c.controller);
    EXPECT_EQ (map.learningIndex.load(), -1);
}

// A click while learning reaches the button, which cancels; typed numbers follow the
// learn rules but for 118, which typing may bind.
INSTANTIATE_TEST_SUITE_P (PlainClicks, LearnFieldTest, ::testing::Values (
    FieldCase { "idleTakes118", -1, 1, "118", 118, "Unmap", "CC 118" },
    FieldCase { "learnedTakes33", 21, 1, "33", 33, "Unmap", "CC 33" },
    FieldCase { "idleDoubleClickTakes118", -1, 2, "118", 118, "Unmap", "CC 118" },
    FieldCase { "idleRefuses64", -1, 1, "64", -1, " Learn", "- -" },
    FieldCase { "learnedRefuses119", 21, 1, "119", 21, "Unmap", "CC 21" },
    FieldCase { "idleTakesZeroAsNothing", -1, 1, "0", -1, " Learn", "- -" },
    FieldCase { "clickWhileLearningCancels", 0, 1, nullptr, -1, " Learn", "- -" }),
    [] (const ::testing::TestParamInfo<FieldCase>& row) { return std::string (row.param.name); });
