// Inside a host the plug-in's window often holds no keyboard focus at all, and loses and
// regains the system focus around every click into it; keys then reach the window, not
// the text field. The window's peer is driven here as such a host leaves it.
#include "gui/EditorOnDesktop.h"
#include "core/ProcessorData.h"
#include "params/QuilParamTypes.h"
#include "ui/toolkit/ModulationButton.h"
#include "ui/toolkit/ModulationPopup.h"
#include "ui/toolkit/ModulationSliderStereo.h"

#include <gtest/gtest.h>

namespace
{
    constexpr int L = juce::ModifierKeys::leftButtonModifier;

    struct HostedWindow : EditorOnDesktop
    {
        UIContainer& panel() const { return window().getControlPanel(); }
        QuilParam& cutoff() const { return *processor->data.cutoff; }
        QuilParam& in() const { return *processor->data.in; }
        ModulationPopup* popup() const { return shownPopup<ModulationPopup>(); }

        /** Takes the keyboard focus out of the window, as a host that keeps it does. */
        void loseFocus() { juce::Component::unfocusAllComponents(); pumpPosted(); }
        /** The focus-out and focus-in pair a host causes around a click. */
        void flapFocus() { peer().handleFocusLoss(); peer().handleFocusGain(); pumpPosted(); }
        /** A press on the panel's picture, where nothing takes the focus. */
        void pressBackground() { click (panel(), background.toFloat()); }
        const juce::Point<int> background { 150, 300 };

        void openEditor (BasicControl& c) { doubleClick (c, c.getValueEditor().getBounds().getCentre().toFloat()); }

        /** Keys as the window's peer gets them while no component has the focus. */
        void typeToWindow (const juce::String& text)
        {
            ASSERT_EQ (juce::Component::getCurrentlyFocusedComponent(), nullptr);
            for (auto c : text)
                peer().handleKeyPress (juce::KeyPress (c, {}, c));
            peer().handleKeyPress (juce::KeyPress (juce::KeyPress::returnKey));
            pumpPosted();
        }
    };

    using WindowWithoutFocusTest = WithoutPrefs<>;
}

TEST_F (WindowWithoutFocusTest, aPopupSurvivesFocusChangesOfTheWindowAndClosesOnAPressBesideIt)
{
    HostedWindow w;
    auto* empty = w.panel().getComponentAt (w.background);
    ASSERT_TRUE (empty == &w.panel() || empty == &w.panel().getBackground());
    auto& opener = w.panel().getModulationButton (destCutoff);
    auto& depth = *w.processor->data.depth[destCutoff][0][0];
    // Each reading of the display's clock a second on: past its guard against reopening at once.
    static juce::int64 now = 0;
    w.window().getPopupDisplay().setClock ([] { return now += 1000; });

    w.tap (opener);
    auto* shown = w.popup();
    ASSERT_NE (shown, nullptr);
    ASSERT_FALSE (shown->getScreenBounds().contains (w.panel().localPointToGlobal (w.background)));
    w.flapFocus();
    w.loseFocus();
    EXPECT_EQ (w.popup(), shown);

    // A drag in the CV 1 column, and the pop-up stays.
    auto& column = *dynamic_cast<ModulationSliderStereo*> (shown->getColumn (0));
    w.drag (column, column.getSliderArea().getCentre(), { { 0, 0, L }, { 0, -32, L } });
    EXPECT_FLOAT_EQ ((float) depth.getRealValue(), 0.5f);
    EXPECT_EQ (w.popup(), shown);

    w.pressBackground();
    EXPECT_EQ (w.popup(), nullptr);

    // Its opener, clicked while it shows and nothing has the focus, closes it for good.
    w.tap (opener);
    ASSERT_NE (w.popup(), nullptr);
    w.loseFocus();
    w.tap (opener);
    pumpPosted();
    EXPECT_EQ (w.popup(), nullptr);
}

TEST_F (WindowWithoutFocusTest, oneValueEditorAtATimeTakesTheKeysThatReachTheWindow)
{
    HostedWindow w;
    auto& knob = w.panel().getKnob (destCutoff);
    auto& inSlider = w.panel().getLevelSlider (false);
    const auto minus6 = [&] { return w.in().getCurrentValueAsText().startsWith ("-6.0"); };

    // Typed into the window while the focus flaps and then stays away.
    w.openEditor (knob);
    ASSERT_TRUE (knob.isValueEditorShowing());
    w.flapFocus();
    w.loseFocus();
    ASSERT_TRUE (knob.isValueEditorShowing());
    w.typeToWindow ("2k");
    EXPECT_FALSE (knob.isValueEditorShowing());
    EXPECT_NEAR (w.processor->data.cutoff->valueToHz (w.cutoff().getValue()), 2000.0, 2.0);

    // Opening another editor closes the first; the keys go to the one open.
    w.openEditor (knob);
    w.openEditor (inSlider);
    ASSERT_TRUE (pumpUntil ([&] { return ! knob.isValueEditorShowing(); }));
    EXPECT_TRUE (inSlider.isValueEditorShowing());
    w.loseFocus();
    w.typeToWindow ("-6");
    EXPECT_TRUE (minus6()) << w.in().getCurrentValueAsText();
    EXPECT_NEAR (w.processor->data.cutoff->valueToHz (w.cutoff().getValue()), 2000.0, 2.0);

    // A press beside an open editor closes it and changes nothing.
    w.openEditor (inSlider);
    w.loseFocus();
    w.pressBackground();
    EXPECT_TRUE (pumpUntil ([&] { return ! inSlider.isValueEditorShowing(); }));
    EXPECT_TRUE (minus6()) << w.in().getCurrentValueAsText();
}
