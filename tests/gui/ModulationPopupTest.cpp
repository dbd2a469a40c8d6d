#include "gui/EditorOnDesktop.h"
#include "core/ProcessorData.h"
#include "params/QuilParamStereoMod.h"
#include "ui/toolkit/ModulationButton.h"
#include "ui/toolkit/ModulationSliderStereo.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace
{
    constexpr int L = juce::ModifierKeys::leftButtonModifier;

    // The control panel's 16 × 16 modulation buttons, by the names they give their pop-ups, at their
    // places, and where their 110 × 225 pop-ups open: at the button's pop-up point, moved up into the
    // 319-point-high window.
    struct Place { const char* name; int destination; juce::Point<int> topLeft, popupTopLeft; };
    const Place places[] = { { "Cutoff", destCutoff, { 343, 161 }, { 213, 94 } }, { "Resonance", destResonance, { 491, 192 }, { 593, 94 } },
                             { "Type", destType, { 196, 192 }, { 94, 94 } },     { "Drive", destDrive, { 343, 267 }, { 191, 94 } },
                             { "Output", destOut, { 620, 211 }, { 550, 94 } },   { "IN", destIn, { 66, 211 }, { 153, 94 } } };

    struct ModulationWindow : EditorOnDesktop
    {
        using EditorOnDesktop::EditorOnDesktop;

        ModulationButton& button (const char* name)
        {
            const auto* p = std::find_if (std::begin (places), std::end (places), [&] (const Place& q) { return juce::String (q.name) == name; });
            return window().getControlPanel().getModulationButton (p->destination);
        }
        ModulationPopup* shownPopup() const { return EditorOnDesktop::shownPopup<ModulationPopup>(); }

        /** Opens a destination's pop-up and returns one of its columns (0: CV 1). */
        ModulationSliderStereo& openColumn (const char* name, int column)
        {
            auto* popup = shownPopup();
            if (popup == nullptr || popup->getTitle() != name)
            {
                // Another pop-up (a MIDI-learn one, say) goes first, past the display's
                // guard against reopening at once.
                static juce::int64 now = 0;
                window().getPopupDisplay().setClock ([] { return now; });
                window().getPopupDisplay().closePopup();
                now += 1000;
                tap (button (name));
            }
            // What follows is about the columns, not about closing: a stray focus change
            // of the test display must not take the pop-up away.
            window().getPopupDisplay().setKeepOpen (true);
            pumpPosted();
            return *dynamic_cast<ModulationSliderStereo*> (shownPopup()->getColumn (column));
        }
    };

    using ModulationWindowTest = WithoutPrefs<::testing::TestWithParam<const char*>>;

    // Top-left wanted for the pop-up of a button without a pop-up point: centred under it,
    // moved the least into the window.
    juce::Point<int> expectedPlace (juce::Rectangle<int> button, juce::Point<int> size)
    {
        return { juce::jlimit (0, 703 - size.x, button.getCentreX() - size.x / 2), juce::jlimit (0, 319 - size.y, button.getBottom()) };
    }
}

TEST_P (ModulationWindowTest, eachButtonOpensItsPopupInsideTheWindowReplacingTheOneOpen)
{
    ModulationWindow w (GetParam());
    ModulationPopup* previous = nullptr;

    for (const auto& p : places)
    {
        auto& b = w.button (p.name);
        EXPECT_EQ (b.getBounds(), juce::Rectangle<int> (16, 16).withPosition (p.topLeft));
        // Above everything else: the click at its centre reaches it.
        EXPECT_EQ (w.window().getControlPanel().getComponentAt (p.topLeft + juce::Point<int> (8, 8)), &b);
        w.tap (b);
        auto* popup = w.shownPopup();
        ASSERT_NE (popup, nullptr) << p.name;
        EXPECT_NE (popup, previous);
        EXPECT_EQ (popup->getTitle(), p.name);
        EXPECT_EQ (popup->getBounds(), juce::Rectangle<int> (110, 225).withPosition (p.popupTopLeft)) << p.name;
        EXPECT_TRUE (w.insideWindow (*popup)) << p.name;
        previous = popup;
    }

    // Beside its pop-up, the cutoff button closes it with a second click.
    auto& cutoff = w.button ("Cutoff");
    w.tap (cutoff);
    ASSERT_NE (w.shownPopup(), nullptr);
    EXPECT_EQ (w.shownPopup()->getPosition(), places[0].popupTopLeft);
    w.tap (cutoff);
    EXPECT_EQ (w.shownPopup(), nullptr);

    // Without a pop-up point the pop-up is centred under its button; where it leaves
    // the button free, a second click closes it too.
    cutoff.setPopupPoint (std::nullopt);
    for (const auto topLeft : { juce::Point<int> (100, 40), juce::Point<int> (690, 40), juce::Point<int> (0, 40) })
    {
        cutoff.setTopLeftPosition (topLeft);
        w.tap (cutoff);
        auto* popup = w.shownPopup();
        ASSERT_NE (popup, nullptr);
        EXPECT_EQ (popup->getPosition(), expectedPlace (cutoff.getBounds(), { 110, 225 }));
        EXPECT_TRUE (w.insideWindow (*popup));
        w.tap (cutoff);
        EXPECT_EQ (w.shownPopup(), nullptr);
    }
}

INSTANTIATE_TEST_SUITE_P (Scales, ModulationWindowTest, ::testing::Values ("50", "100", "200"));

TEST_F (ModulationWindowTest, theGlyphShowsAnInputOnlyWhileADepthItUsesIsNotZero)
{
    ModulationWindow w;
    auto& data = w.processor->data;
    auto& b = w.button ("Cutoff");
    const auto idle = b.getHitRectangle();

    struct Case { int input, mode; float left, right; bool active; };
    // The right depth counts only when unlinked.
    const Case cases[] = { { 0, 0, 0.0f, 0.5f, false }, { 0, 1, 0.0f, 0.5f, false }, { 0, 2, 0.0f, 0.5f, true },
                           { 0, 1, 0.3f, 0.0f, true }, { 1, 0, -0.002f, 0.0f, true }, { 1, 2, 0.0f, 0.0f, false } };

    for (const auto& c : cases)
    {
        data.stereoMode[destCutoff][c.input]->setRealValueNotifyingHost ((float) c.mode);
        data.depth[destCutoff][c.input][0]->setRealValueNotifyingHost (c.left);
        data.depth[destCutoff][c.input][1]->setRealValueNotifyingHost (c.right);
        pumpMessages (50);
        EXPECT_EQ (b.isColumnActive (c.input), c.active) << c.input << " " << c.mode;
        EXPECT_EQ (b.getDepthBar (c.input).isEmpty(), ! c.active);

        // Even the smallest depth shows a bar, and an active glyph is at least 12 points wide.
        EXPECT_TRUE (! c.active || b.getDepthBar (c.input).getHeight() >= 1.0f);
        EXPECT_TRUE (! c.active || b.getHitRectangle().getWidth() >= 12.0f) << c.input << " " << c.mode;

        for (auto* depth : data.depth[destCutoff][c.input])
            depth->setRealValueNotifyingHost (0.0f);
    }

    ASSERT_TRUE (pumpUntil ([&] { return ! b.isColumnActive (0) && ! b.isColumnActive (1); }));
    EXPECT_EQ (b.getHitRectangle(), idle);
}

TEST_P (ModulationWindowTest, dragsMoveTheDepthsAndTheSwitchCyclesTheStereoModes)
{
    ModulationWindow w (GetParam());
    auto& data = w.processor->data;
    auto& left = *data.depth[destCutoff][0][0];
    auto& mode = *data.stereoMode[destCutoff][0];
    GestureCounter host (left);
    left.setRealValueNotifyingHost (-0.5f);

    auto& cv1 = w.openColumn ("Cutoff", 0);
    const auto bar = cv1.getSliderArea().getCentre();
    const auto rightHalf = bar.translated (9.0f, 0.0f);
    const auto modeSwitch = cv1.getModeSwitchArea().toFloat().getCentre();
    EXPECT_TRUE (cv1.getLocalBounds().contains (cv1.getModeSwitchArea()));

    // The slider area is 128 units high and the depth spans 2: 64 units up move it by 1.
    w.drag (cv1, bar, { { 0, 0, L }, { 0, -64, L } });
    EXPECT_FLOAT_EQ ((float) left.getRealValue(), 0.5f);
    EXPECT_EQ (host.begins, 1);
    EXPECT_EQ (host.ends, 1);
    w.click (cv1, modeSwitch);
    EXPECT_EQ (mode.getRealValue(), 1.0);

    // Linked: the right half shows the left depth negated and moves it the other way.
    ASSERT_TRUE (pumpUntil ([&] { return cv1.getMode() == 1; }));
    w.drag (cv1, rightHalf, { { 0, 0, L }, { 0, -32, L } });
    EXPECT_FLOAT_EQ ((float) left.getRealValue(), 0.0f);
    EXPECT_EQ (host.ends, host.begins);

    for (double expected : { 2.0, 0.0, 1.0 })
    {
        w.click (cv1, modeSwitch);
        EXPECT_EQ (mode.getRealValue(), expected);
    }
}

TEST_F (ModulationWindowTest, theLinkedSideShowsAndTakesTheNegatedDepth)
{
    ModulationWindow w;
    auto& data = w.processor->data;
    auto& left = *data.depth[destCutoff][0][0];
    data.stereoMode[destCutoff][0]->setRealValueNotifyingHost (1.0f);

    // Cutoff depths read in semitones: 0.4 of the range is 48.
    struct Case { float depth; const char* leftText; const char* rightText; const char* typed; float typedDepth; };
    const Case cases[] = { { 0.4f, "48.0", "-48.0", "-60", 0.5f }, { -0.4f, "-48.0", "48.0", "60", -0.5f },
                           { 0.4f, "48.0", "-48.0", "-.", 0.0f },     // no number reads as 0
                           { 0.4f, "48.0", "-48.0", "nan", 0.4f },    // the column takes no letters: nothing
                           { 0.4f, "48.0", "-48.0", "999", -1.0f } };

    auto& cv1 = w.openColumn ("Cutoff", 0);

    for (const auto& c : cases)
    {
        left.setRealValueNotifyingHost (c.depth);
        ASSERT_TRUE (pumpUntil ([&] { return cv1.getLeftText() == c.leftText; })) << c.depth;
        EXPECT_EQ (cv1.getRightText(), c.rightText);

        w.doubleClick (cv1, cv1.getRightTextArea().toFloat().getCentre());
        ASSERT_TRUE (pumpUntil ([&] { return cv1.getRightEditor().hasKeyboardFocus (false); })) << c.typed;
        w.type (c.typed);
        EXPECT_FLOAT_EQ ((float) left.getRealValue(), c.typedDepth) << c.typed;
        EXPECT_FALSE (cv1.getRightEditor().isShowing());
        EXPECT_NE (w.shownPopup(), nullptr);
    }
}

TEST_F (ModulationWindowTest, theWheelStepsTheDepthOfTheHalfUnderThePointer)
{
    ModulationWindow w;
    auto& data = w.processor->data;
    auto& left = *data.depth[destCutoff][0][0];
    auto& right = *data.depth[destCutoff][0][1];
    const float range = (float) left.getRangeLength();
    constexpr int shift = juce::ModifierKeys::shiftModifier;

    // A wheel unit moves a depth by a fifth of its range, a fiftieth with shift; the
    // linked half moves the left depth the other way. The half is the one under the
    // pointer as the column shows it now, though the mode changed while the pointer
    // rested (the mono row leaves it on the right); over the title the wheel does nothing.
    enum Where { leftHalf, rightHalf, overTitle };
    struct Case { int mode; Where where; int mods; float deltaY; float leftChange, rightChange; };
    const Case cases[] = { { 0, leftHalf, 0, 0.25f, 0.05f, 0.0f },
                           { 0, rightHalf, shift, 0.25f, 0.005f, 0.0f },
                           { 1, rightHalf, 0, 0.25f, -0.05f, 0.0f },
                           { 2, rightHalf, 0, -0.25f, 0.0f, -0.05f },
                           { 2, overTitle, 0, 0.25f, 0.0f, 0.0f },
                           { 2, leftHalf, shift, 0.5f, 0.01f, 0.0f } };

    auto& cv1 = w.openColumn ("Cutoff", 0);
    const auto bar = cv1.getSliderArea().getCentre();
    const juce::Point<float> places[] = { bar.translated (-9.0f, 0.0f), bar.translated (9.0f, 0.0f), { 17.0f, 10.0f } };

    for (const auto& c : cases)
    {
        left.setRealValueNotifyingHost (0.0f);
        right.setRealValueNotifyingHost (0.0f);
        data.stereoMode[destCutoff][0]->setRealValueNotifyingHost ((float) c.mode);
        ASSERT_TRUE (pumpUntil ([&] { return cv1.getMode() == c.mode; }));

        const auto at = w.inWindow (cv1, places[c.where]);
        w.mouse (at, juce::ModifierKeys (c.mods));
        w.eventTime += 10;
        w.peer().handleMouseWheel (juce::MouseInputSource::InputSourceType::mouse, at, w.eventTime,
                                   juce::MouseWheelDetails { 0.0f, c.deltaY, false, false, false });
        juce::ModifierKeys::currentModifiers = {};

        EXPECT_NEAR (left.getRealValue(), c.leftChange * range, 1.0e-5) << c.mode << " " << c.where;
        EXPECT_NEAR (right.getRealValue(), c.rightChange * range, 1.0e-5) << c.mode << " " << c.where;
    }
}

// After the switch has linked CV 1 and a drag on the right half has moved the left depth,
// the mode goes to unlinked: by the switch, by the host, by a preset (the right depth
// locked), by the host restoring its saved state, or by undoing a later step to mono.
// Unlinking starts the right depth as the mirror of the left one, except where the preset
// keeps the locked depth or the state brings its own. The right half shows that depth,
// the host holds it too, and one drag or wheel notch there moves it by exactly its step.
// One undo of the switch gives back linked mode and the old right depth.
TEST_F (ModulationWindowTest, afterEveryChangeToUnlinkedTheRightHalfShowsAndMovesTheDepthTheHostHolds)
{
    enum class By { switchClick, host, preset, hostState, undo };
    enum class Move { drag, wheel };
    struct Case { const char* popup; int destination; By by; Move move; bool mirrors; };
    const Case cases[] = { { "IN", destIn, By::switchClick, Move::drag, true }, { "Output", destOut, By::switchClick, Move::wheel, true },
                           { "Cutoff", destCutoff, By::host, Move::drag, true }, { "Drive", destDrive, By::preset, Move::wheel, false },
                           { "Type", destType, By::undo, Move::drag, true }, { "Resonance", destResonance, By::hostState, Move::wheel, false } };
    // Normalised steps: 10 units up the 128-unit slider area; one notch (50/256 of a wheel unit) at a fifth of the range per unit.
    constexpr float dragStep = 10.0f / 128.0f, notchStep = 0.2f * 50.0f / 256.0f, ownRight = 0.375f;   // real -0.25

    ModulationWindow w;
    // Each user action is a step of its own; the gestures of one action share its time.
    static juce::int64 now = 0;
    w.processor->paramUndo.setClock ([] { return now; });
    const auto act = [&] (auto&& action) { now += 1000; action(); };

    for (const auto& c : cases)
    {
        auto& data = w.processor->data;
        auto &left = *data.depth[c.destination][0][0], &right = *data.depth[c.destination][0][1];
        auto& mode = *data.stereoMode[c.destination][0];
        GestureCounter hostLeft (left), hostRight (right);
        right.setRealValueNotifyingHost (-0.25f);   // its own value, not the left one's mirror
        std::unique_ptr<juce::XmlElement> preset;
        juce::MemoryBlock hostState;
        if (c.by == By::hostState || c.by == By::preset)
        {
            mode.setRealValueNotifyingHost (2.0f);
            right.setRealValueNotifyingHost (-0.25f);
            if (c.by == By::hostState)
                w.processor->getStateInformation (hostState);
            else
                preset = w.processor->createStateXml (false);
            mode.setRealValueNotifyingHost (0.0f);
            right.setLocked (c.by == By::preset);
        }

        auto& cv1 = w.openColumn (c.popup, 0);
        const auto rightHalf = cv1.getSliderArea().getCentre().translated (9.0f, 0.0f);
        const auto modeSwitch = cv1.getModeSwitchArea().toFloat().getCentre();
        const auto move = [&] (Move how)
        {
            now += 1000;
            if (how == Move::drag)
                return w.drag (cv1, rightHalf, { { 0, 0, L }, { 0, -10, L } });
            const auto at = w.inWindow (cv1, rightHalf);
            w.mouse (at, {});
            w.eventTime += 10;
            w.peer().handleMouseWheel (juce::MouseInputSource::InputSourceType::mouse, at, w.eventTime,
                                       juce::MouseWheelDetails { 0.0f, 50.0f / 256.0f, false, false, false });
        };
        const auto clickSwitch = [&] { act ([&] { w.click (cv1, modeSwitch); }); };

        // Linked: the right half moves the left depth the other way.
        clickSwitch();
        move (Move::drag);
        EXPECT_FLOAT_EQ (hostLeft.value, 0.5f - dragStep) << c.popup;

        switch (c.by)
        {
            case By::switchClick: clickSwitch(); break;
            case By::host: mode.setValueNotifyingHost (1.0f); break;
            case By::preset: w.processor->restoreStateFromXml (preset.get(), false); break;
            case By::hostState: w.processor->setStateInformation (hostState.getData(), (int) hostState.getSize()); break;
            case By::undo:
                clickSwitch();
                move (Move::drag);
                clickSwitch();
                ASSERT_EQ (mode.getRealValue(), 0.0);
                w.processor->undoManager.undo();
                break;
        }

        const float expected = c.mirrors ? 1.0f - left.getValue() : ownRight;
        ASSERT_TRUE (pumpUntil ([&] { return cv1.getMode() == 2 && hostRight.value == right.getValue(); })) << c.popup << ": the host holds another right depth";
        EXPECT_FLOAT_EQ (right.getValue(), expected) << c.popup;
        EXPECT_EQ (cv1.getRightText(), right.getCurrentValueAsText()) << c.popup;

        if (c.by == By::switchClick)
        {
            // The switch and its mirror undo together, and redo together.
            ASSERT_TRUE (w.processor->undoManager.undo());
            EXPECT_EQ (mode.getMode(), 1) << c.popup;
            EXPECT_FLOAT_EQ (hostRight.value, ownRight) << c.popup;
            ASSERT_TRUE (w.processor->undoManager.redo());
            EXPECT_EQ (mode.getMode(), 2) << c.popup;
            EXPECT_FLOAT_EQ (hostRight.value, expected) << c.popup;
            ASSERT_TRUE (pumpUntil ([&] { return cv1.getMode() == 2; }));
        }

        const float before = hostRight.value;
        move (c.move);
        EXPECT_FLOAT_EQ (hostRight.value, before + (c.move == Move::drag ? dragStep : notchStep)) << c.popup;
        EXPECT_EQ (hostRight.value, right.getValue()) << c.popup;
        right.setLocked (false);
    }
}

TEST_F (ModulationWindowTest, popupClicksAndPressesOutsideEveryPartChangeNothing)
{
    ModulationWindow w;
    auto& left = *w.processor->data.depth[destCutoff][0][0];
    GestureCounter host (left);

    // A pop-up click on a column belongs to MIDI learning, whose pop-up takes the
    // modulation pop-up's place; the depth and the mode stay as they were.
    using M = juce::ModifierKeys;
    for (const auto& [pressed, onSwitch] : { std::pair<int, bool> { M::rightButtonModifier, false },
                                             std::pair<int, bool> { M::rightButtonModifier, true },
                                             std::pair<int, bool> { M::leftButtonModifier | M::ctrlModifier, false },
                                             std::pair<int, bool> { M::leftButtonModifier | M::ctrlModifier, true } })
    {
        auto& column = w.openColumn ("Cutoff", 0);
        const auto at = onSwitch ? column.getModeSwitchArea().toFloat().getCentre() : column.getSliderArea().getCentre();
        w.window().getPopupDisplay().setKeepOpen (false);
        w.drag (column, at, { { 0, 0, pressed }, { 0, -40, pressed } });
        EXPECT_EQ (w.shownPopup(), nullptr);
        EXPECT_EQ (left.getRealValue(), 0.0);
        EXPECT_EQ (w.processor->data.stereoMode[destCutoff][0]->getRealValue(), 0.0);
    }

    // Hovered over the bar, then pressed on the title: not a drag of the bar.
    auto& cv1 = w.openColumn ("Cutoff", 0);
    w.mouse (w.inWindow (cv1, cv1.getSliderArea().getCentre()), {});
    w.drag (cv1, { 17.0f, 10.0f }, { { 0, 0, L }, { 0, -40, L } });
    EXPECT_EQ (left.getRealValue(), 0.0);
    EXPECT_EQ (host.begins, 0);
    EXPECT_EQ (host.ends, 0);
}

TEST_F (ModulationWindowTest, theColumnsMetersFollowTheControlInputs)
{
    ModulationWindow w;
    auto& cv1 = w.openColumn ("Type", 0);
    auto& cv2 = w.openColumn ("Type", 1);

    // The side chain's two channels are CV 1 and CV 2.
    auto buffer = w.processor.makeBuffer (64);
    buffer.setSample (2, 10, 0.5f);
    buffer.setSample (3, 20, -3.0f);
    juce::MidiBuffer midi;
    w.processor->processBlock (buffer, midi);

    EXPECT_TRUE (pumpUntil ([&] { return cv1.getMeter().getDisplayedValue() == 0.5f; }));
    EXPECT_TRUE (pumpUntil ([&] { return cv2.getMeter().getDisplayedValue() == -1.0f; }));

    w.processor->data.cvLevel[1].store (std::numeric_limits<float>::quiet_NaN());
    EXPECT_TRUE (pumpUntil ([&] { return cv2.getMeter().getDisplayedValue() == 0.0f; }));
}

TEST_F (ModulationWindowTest, aStylingWithoutRecordsOrGradientsDrawsInPlainColours)
{
    ModulationWindow w;
    auto& style = w.processor->data.modulationStyle;
    std::vector<ModulationRowColours>().swap (style.records);
    style.innerGradientColours.clear();
    style.outerGradientColours.resize (2);
    w.processor->data.depth[destDrive][1][0]->setRealValueNotifyingHost (0.5f);

    auto& cv2 = w.openColumn ("Drive", 1);
    pumpMessages (50);
    const auto image = w.render();

    // Without a record the depth still shows as a bar apart from its field.
    const auto area = cv2.getSliderArea();
    const auto at = [&] (float y) { return w->getLocalPoint (&cv2, juce::Point<float> (area.getCentreX(), y)).toInt(); };
    const auto pixel = [&] (float dy) { const auto p = at (area.getCentreY() + dy); return image.getPixelAt (p.x, p.y); };
    const auto barPixel = pixel (-20.0f), fieldPixel = pixel (20.0f);
    EXPECT_TRUE (barPixel.isOpaque());
    EXPECT_NE (barPixel, fieldPixel);
}
