#include "gui/EditorOnDesktop.h"
#include "core/ProcessorData.h"
#include "params/QuilParamTypes.h"
#include "support/RepaintCounter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace
{
    using M = juce::ModifierKeys;
    constexpr int L = M::leftButtonModifier, R = M::rightButtonModifier, ctrl = M::ctrlModifier;

    // Every place the tests press, in the panel's coordinates (points at 100 %); the resonance
    // ring ends past "11".
    namespace At
    {
        const juce::Point<float> cutoffCentre { 351, 104 }, cutoffValueText { 351, 86 }, cutoffBelowText { 351, 130 };
        const juce::Point<float> cutoffLegend06k { 351, 22 }, cutoffLegend20k { 409, 162 }, resonanceLegend11 { 537.5f, 194.5f }, resonanceRingEnd { 528, 201 };
        const juce::Point<float> inSliderBottom { 75, 235 }, inSliderTop { 75, 78 }, inValueText { 75, 203 }, inLegendQuarter { 50, 162 }, inLegendMaximum { 50, 93 }, outLegendHalf { 653, 139 };
        const juce::Point<float> driveHandleAtMinimum { 296, 263 }, driveLegendMaximum { 453, 249 }, hotButton { 397, 292 }, coldButton { 306, 292 };
        const juce::Point<float> cutoffLegend20 { 293, 162 }, resonanceLegend10 { 549.5f, 175.5f }, outSliderLow { 629, 198 }, inLegendMinimum { 50, 185 };
        const juce::Point<float> driveHandleAtHalf { 326, 263 }, driveLegendMinimum { 249, 249 }, cutoffAbove { 351, 64 };
    }

    constexpr float quarterTurn = 0.5f + 1.25f * 0.16f * juce::MathConstants<float>::halfPi;

    enum class Control { in, out, cutoff, resonance, drive, driveMode };

    QuilParam& parameterOf (ProcessorData& d, Control c)
    {
        QuilParam* const all[] = { d.in, d.out, d.cutoff, d.resonance, d.drive, d.driveMode };
        return *all[(int) c];
    }

    /** The editor's window on the display, driven at the panel's coordinates. */
    struct PanelOnDesktop : EditorOnDesktop
    {
        UIContainer& panel() const { return window().getControlPanel(); }
        ProcessorData& data() const { return processor->data; }
        using EditorOnDesktop::EditorOnDesktop;
    };

    using PanelTest = WithoutPrefs<>;
    void startAt (QuilParam& p, float realValue) { p.setValueNotifyingHost (p.toNormalised (realValue)); }

    // Steps: pointer moves from the press point (the first is the press), in panel units;
    // text: the control's value text afterwards, when given.
    struct DragCase { const char* name; const char* scale; bool rotary; Control control; juce::Point<float> press;
                      std::vector<EditorOnDesktop::Step> steps; int releaseMods; float start, expected; int gestures; const char* text; };

    using PanelDragTest = WithoutPrefs<::testing::TestWithParam<DragCase>>;
}

TEST_P (PanelDragTest, aDragIsOneHostGestureMovingTheValueByTheDistanceInPanelUnits)
{
    const auto& c = GetParam();
    PanelOnDesktop window (c.scale);
    window.processor->rotaryKnobs = c.rotary;
    auto& p = parameterOf (window.data(), c.control);
    startAt (p, c.start);
    GestureCounter host (p);

    window.drag (window.panel(), c.press, c.steps, c.releaseMods);

    EXPECT_NEAR (p.getRealValue(), c.expected, 1.0e-5);
    EXPECT_EQ (host.begins, c.gestures);
    EXPECT_EQ (host.ends, c.gestures);
    if (c.text != nullptr)
    {
        auto& slider = c.control == Control::drive ? (BasicControl&) window.panel().getDriveSlider()
                                                   : window.panel().getLevelSlider (c.control == Control::out);
        EXPECT_TRUE (pumpUntil ([&] { return slider.getValueText() == c.text; })) << slider.getValueText();
    }
}

// At 200 % the same rows cover twice the distance on the screen.
INSTANTIATE_TEST_SUITE_P (Drags, PanelDragTest, ::testing::Values (
    // The product knob's rotary drag: a quarter turn clockwise from straight up is
    // 0.5 + 1.25 × 0.16 × π/2.
    DragCase { "round70Right", "100", true, Control::cutoff, At::cutoffCentre, { { 0, 0, L }, { 70, 0, L } }, 0, 0.3f, quarterTurn, 1, nullptr },
    DragCase { "round70RightAt200", "200", true, Control::cutoff, At::cutoffCentre, { { 0, 0, L }, { 70, 0, L } }, 0, 0.3f, quarterTurn, 1, nullptr },
    DragCase { "quarterTurnFromStraightAbove", "100", true, Control::cutoff, At::cutoffAbove, { { 0, 0, L }, { 20, 10, L }, { 40, 40, L } }, 0, 0.3f, quarterTurn, 1, nullptr },
    DragCase { "linear16Up", "100", false, Control::cutoff, At::cutoffCentre, { { 0, 0, L }, { 0, -16.4f, L } }, 0, 0.3f, 0.4f, 1, nullptr },
    DragCase { "controlPressedDuringADrag", "100", false, Control::cutoff, At::cutoffCentre, { { 0, 0, L }, { 0, -16.4f, L }, { 0, -40, L | ctrl } }, ctrl, 0.3f, 0.4f, 1, nullptr },
    DragCase { "rightButtonPressedDuringADrag", "100", true, Control::cutoff, At::cutoffCentre, { { 0, 0, L }, { 70, 0, L }, { 70, 0, L | R }, { 0, -70, L | R } }, 0, 0.3f, 0.5f, 1, nullptr },
    DragCase { "rightButtonDrag", "100", true, Control::cutoff, At::cutoffCentre, { { 0, 0, R }, { 70, 0, R } }, 0, 0.3f, 0.3f, 0, nullptr },
    // The drive handle from its minimum over half the 122-unit scale band.
    DragCase { "driveHalf", "100", true, Control::drive, At::driveHandleAtMinimum, { { 0, 0, L }, { 61, 0, L } }, 0, 0.0f, 0.5f, 1, "50.0" },
    DragCase { "driveControlDrag", "100", true, Control::drive, At::driveHandleAtMinimum, { { 0, 0, L | ctrl }, { 61, 0, L | ctrl } }, ctrl, 0.0f, 0.0f, 0, nullptr },
    // The level sliders: their whole 158-unit height is the whole range.
    DragCase { "inUp", "100", true, Control::in, At::inSliderBottom, { { 0, 0, L }, { 0, -158, L } }, 0, 0.0f, 1.0f, 1, nullptr },
    DragCase { "inDown", "100", true, Control::in, At::inSliderTop, { { 0, 0, L }, { 0, 79, L }, { 0, 158, L } }, 0, 1.0f, 0.0f, 1, "-inf" },
    DragCase { "linear16UpAt200", "200", false, Control::cutoff, At::cutoffCentre, { { 0, 0, L }, { 0, -16.4f, L } }, 0, 0.3f, 0.4f, 1, nullptr },
    DragCase { "controlDrag", "100", false, Control::cutoff, At::cutoffCentre, { { 0, 0, L | ctrl }, { 0, -40, L | ctrl } }, ctrl, 0.3f, 0.3f, 0, nullptr },
    DragCase { "driveBack", "100", true, Control::drive, At::driveHandleAtHalf, { { 0, 0, L }, { -61, 0, L } }, 0, 0.5f, 0.0f, 1, "0.00" },
    DragCase { "driveHalfAt200", "200", true, Control::drive, At::driveHandleAtMinimum, { { 0, 0, L }, { 61, 0, L } }, 0, 0.0f, 0.5f, 1, "50.0" },
    DragCase { "driveRightButtonPressedDuringADrag", "100", true, Control::drive, At::driveHandleAtMinimum, { { 0, 0, L }, { 30.5f, 0, L }, { 30.5f, 0, L | R } }, R, 0.0f, 0.25f, 1, nullptr },
    DragCase { "inRightButtonDrag", "100", true, Control::in, At::inSliderBottom, { { 0, 0, R }, { 0, -60, R } }, 0, 0.0f, 0.0f, 0, nullptr },
    DragCase { "outReleasedWithControl", "100", true, Control::out, At::outSliderLow, { { 0, 0, L }, { 0, -79, L } }, ctrl, 0.0f, 0.5f, 1, nullptr }),
    [] (const ::testing::TestParamInfo<DragCase>& row) { return std::string (row.param.name); });

namespace
{
    struct ClickCase { const char* name; const char* scale; Control control; juce::Point<float> at; int mods; float start, expected; };
    using PanelClickTest = WithoutPrefs<::testing::TestWithParam<ClickCase>>;
}

TEST_P (PanelClickTest, aClickOnALegendEntryOrADriveModeButtonSetsItsValueAsOneGesture)
{
    const auto& c = GetParam();
    PanelOnDesktop window (c.scale);
    auto& p = parameterOf (window.data(), c.control);
    startAt (p, c.start);
    GestureCounter host (p);

    window.click (window.panel(), c.at, c.mods & ~R, -1, (c.mods & R) != 0 ? R : L);

    EXPECT_NEAR (p.getRealValue(), c.expected, 1.0e-6);
    EXPECT_EQ (host.begins, 1);
    EXPECT_EQ (host.ends, 1);
    // Legends and drive-mode buttons offer no MIDI learning, whatever the button.
    EXPECT_FALSE (window.window().getPopupDisplay().isPopupShowing());

    if (c.control == Control::driveMode)
    {
        // Exactly one of the two is lit, the one of the mode now set.
        auto &hot = window.panel().getDriveModeButton (true), &cold = window.panel().getDriveModeButton (false);
        EXPECT_TRUE (pumpUntil ([&] { return hot.isLit() == (c.expected > 0.5f) && cold.isLit() != hot.isLit(); }));
        EXPECT_EQ (p.getCurrentValueAsText(), c.expected > 0.5f ? "Hot" : "Cold");
    }
}

INSTANTIATE_TEST_SUITE_P (Clicks, PanelClickTest, ::testing::Values (
    ClickCase { "cutoff20k", "100", Control::cutoff, At::cutoffLegend20k, 0, 0.3f, 1.0f },
    ClickCase { "cutoff06k", "100", Control::cutoff, At::cutoffLegend06k, 0, 0.3f, 0.5f },
    // Any button and modifiers set a legend's value, as a left click does.
    ClickCase { "cutoff20kRightClick", "100", Control::cutoff, At::cutoffLegend20k, R, 0.3f, 1.0f },
    ClickCase { "cutoff06kControlClick", "100", Control::cutoff, At::cutoffLegend06k, ctrl, 0.3f, 0.5f },
    ClickCase { "resonance11", "100", Control::resonance, At::resonanceLegend11, 0, 0.3f, 1.1f },
    ClickCase { "resonanceRingEndIsStill11", "100", Control::resonance, At::resonanceRingEnd, 0, 0.3f, 1.1f },
    ClickCase { "inQuarter", "100", Control::in, At::inLegendQuarter, 0, 0.6f, 0.25f },
    ClickCase { "inMaximumAt50", "50", Control::in, At::inLegendMaximum, 0, 0.6f, 1.0f },
    ClickCase { "outHalf", "100", Control::out, At::outLegendHalf, 0, 0.6f, 0.5f },
    ClickCase { "driveMaximumControlClick", "100", Control::drive, At::driveLegendMaximum, ctrl, 0.6f, 1.0f },
    ClickCase { "hotFromCold", "100", Control::driveMode, At::hotButton, 0, 0.0f, 1.0f },
    ClickCase { "coldFromHot", "100", Control::driveMode, At::coldButton, 0, 1.0f, 0.0f },
    // Any button and modifiers step the mode: the buttons offer no MIDI learning.
    ClickCase { "hotControlClick", "100", Control::driveMode, At::hotButton, ctrl, 0.0f, 1.0f },
    ClickCase { "hotRightClick", "100", Control::driveMode, At::hotButton, R, 1.0f, 0.0f },
    ClickCase { "coldRightClick", "100", Control::driveMode, At::coldButton, R, 1.0f, 0.0f },
    ClickCase { "coldControlClick", "100", Control::driveMode, At::coldButton, ctrl, 0.0f, 1.0f },
    // Either button toggles when its own mode is already set.
    ClickCase { "hotFromHot", "100", Control::driveMode, At::hotButton, 0, 1.0f, 0.0f },
    ClickCase { "coldFromCold", "200", Control::driveMode, At::coldButton, 0, 0.0f, 1.0f },
    ClickCase { "cutoff20At200", "200", Control::cutoff, At::cutoffLegend20, 0, 0.3f, 0.0f },
    ClickCase { "resonance10", "100", Control::resonance, At::resonanceLegend10, 0, 0.3f, 1.0f },
    ClickCase { "inMinimum", "100", Control::in, At::inLegendMinimum, 0, 0.6f, 0.0f },
    ClickCase { "inMaximumRightClick", "100", Control::in, At::inLegendMaximum, R, 0.6f, 1.0f },
    ClickCase { "inMinimumControlClick", "100", Control::in, At::inLegendMinimum, ctrl, 0.6f, 0.0f },
    ClickCase { "inMinimumRightClickAt200", "200", Control::in, At::inLegendMinimum, R, 0.6f, 0.0f },
    ClickCase { "driveMaximum", "100", Control::drive, At::driveLegendMaximum, 0, 0.6f, 1.0f },
    ClickCase { "driveMinimum", "100", Control::drive, At::driveLegendMinimum, 0, 0.6f, 0.0f }),
    [] (const ::testing::TestParamInfo<ClickCase>& row) { return std::string (row.param.name); });

TEST_F (PanelTest, doubleClicksToggleTheDefaultAndOpenTheValueEditorForTypedValues)
{
    PanelOnDesktop window;
    auto& knob = window.panel().getKnob (destCutoff);
    auto& cutoff = *window.data().cutoff;
    const auto hz = [&] { return window.data().cutoff->valueToHz (cutoff.getValue()); };
    startAt (cutoff, 0.3f);
    ASSERT_TRUE (pumpUntil ([&] { return knob.getValueText() == cutoff.getCurrentValueAsText(); }));

    for (const float expected : { 0.5f, 0.3f, 0.5f })
    {
        window.doubleClick (window.panel(), At::cutoffBelowText);
        EXPECT_FLOAT_EQ ((float) cutoff.getRealValue(), expected);
    }

    // Typed as a user types: the double-click selects the value text, the keys replace
    // it. The knob's field takes digits and "khz" only; the sliders' take any text, read
    // as the parameter reads it: no number reads as 0 (0 dB for the levels), an infinite
    // number is limited to the range, and only "nan" changes nothing.
    auto& inSlider = window.panel().getLevelSlider (false);
    auto& driveSlider = window.panel().getDriveSlider();
    QuilParam &in = *window.data().in, &drive = *window.data().drive;
    const auto real = [] (QuilParam& p) { return [&p] { return p.getRealValue(); }; };
    const auto driveText = window.panel().getLocalPoint (&driveSlider, driveSlider.getValueEditor().getBounds().toFloat().getCentre());

    // start: the parameter's real value before the row, or none (-1: as the row before left it).
    struct Typed { BasicControl& control; juce::Point<float> at; QuilParam& p; float start; std::function<double()> value; const char* keys; int finalKey; double expected; };
    const int ret = juce::KeyPress::returnKey;
    const Typed typed[] = { { knob, At::cutoffValueText, cutoff, -1, hz, "1k", ret, 1000.0 },
                            { knob, At::cutoffValueText, cutoff, -1, hz, "2k", juce::KeyPress::escapeKey, 1000.0 },
                            { knob, At::cutoffValueText, cutoff, -1, hz, "abc", ret, 1000.0 },
                            { knob, At::cutoffValueText, cutoff, -1, hz, "nan", ret, 1000.0 },
                            { knob, At::cutoffValueText, cutoff, -1, hz, "-inf", ret, 1000.0 },
                            { knob, At::cutoffValueText, cutoff, -1, hz, "250", ret, 250.0 },
                            { inSlider, At::inValueText, in, 0.6f, real (in), "abc", ret, 0.75 },
                            { inSlider, At::inValueText, in, 0.6f, real (in), "1e309", ret, 1.0 },
                            { inSlider, At::inValueText, in, 0.6f, real (in), "inf", ret, 1.0 },
                            { inSlider, At::inValueText, in, 0.6f, real (in), "nan", ret, 0.6 },
                            { inSlider, At::inValueText, in, 0.6f, real (in), "-1e309", ret, 0.0 },
                            { inSlider, At::inValueText, in, 0.6f, real (in), "-inf", ret, 0.0 },
                            { driveSlider, driveText, drive, 0.5f, real (drive), "abc", ret, 0.0 },
                            { driveSlider, driveText, drive, 0.5f, real (drive), "1e309", ret, 1.0 },
                            { driveSlider, driveText, drive, 0.5f, real (drive), "inf", ret, 1.0 },
                            { driveSlider, driveText, drive, 0.5f, real (drive), "nan", ret, 0.5 } };
    for (const auto& t : typed)
    {
        if (t.start >= 0.0f)
        {
            startAt (t.p, t.start);
            ASSERT_TRUE (pumpUntil ([&] { return t.control.getValueText() == t.p.getCurrentValueAsText(); })) << t.keys;
        }
        window.doubleClick (window.panel(), t.at);
        ASSERT_TRUE (t.control.isValueEditorShowing()) << t.keys;
        ASSERT_TRUE (pumpUntil ([&] { return t.control.getValueEditor().hasKeyboardFocus (false); })) << t.keys;
        window.typeKeys (t.keys, t.finalKey);
        EXPECT_TRUE (pumpUntil ([&] { return ! t.control.isValueEditorShowing(); })) << t.keys;
        EXPECT_NEAR (t.value(), t.expected, t.expected * 1.0e-3) << t.keys;
    }

    // A pop-up double click, on the text too, belongs to MIDI learning (last: the
    // learn pop-up it opens stays open).
    const auto before = cutoff.getRealValue();
    for (const auto at : { At::cutoffBelowText, At::cutoffValueText })
    {
        window.doubleClick (window.panel(), at, ctrl);
        EXPECT_EQ (cutoff.getRealValue(), before);
        EXPECT_FALSE (knob.isValueEditorShowing());
    }
}

TEST_F (PanelTest, withAValueEditorOpenCtrlKeysStepTheScaleAndAreNeverTyped)
{
    PanelOnDesktop window;
    auto& inSlider = window.panel().getLevelSlider (false);
    auto& in = *window.data().in;
    auto& field = inSlider.getValueEditor();
    startAt (in, 0.6f);
    window.doubleClick (window.panel(), At::inValueText);
    ASSERT_TRUE (pumpUntil ([&] { return field.hasKeyboardFocus (false); }));
    const auto text = field.getText();

    // Ctrl+- and Ctrl+= go on to the window's scale; the field keeps its text and stays open.
    struct Step { juce::juce_wchar key; int width, height; };
    for (const auto& [key, width, height] : { Step { '-', 527, 239 }, Step { '=', 703, 319 } })
    {
        EXPECT_TRUE (window.press (key)) << (char) key;
        EXPECT_TRUE (window.sizeBecomes (width, height)) << (char) key;
        EXPECT_EQ (field.getText(), text) << (char) key;
        EXPECT_TRUE (inSlider.isValueEditorShowing());
    }

    // The field's own shortcuts still work: with the caret at the end, Ctrl+A selects
    // the whole text again and the typed value replaces it.
    window.peer().handleKeyPress (juce::KeyPress (juce::KeyPress::endKey));
    window.type ("6");
    EXPECT_FLOAT_EQ ((float) in.getRealValue(), in.getValueForText ("6"));
}

TEST_F (PanelTest, legendsHighlightTheStepOfTheValueWithinARoundingStep)
{
    PanelOnDesktop window;
    auto& panel = window.panel();
    auto& d = window.data();

    using Selected = std::function<std::vector<float>()>;
    const auto stepped = [] (VortaneSliderLegend& legend) -> Selected
    {
        return [&legend] { std::vector<float> v; for (auto* b : legend.getButtons()) if (b->isSelected()) v.push_back (b->getStepValue()); return v; };
    };
    const auto radial = [] (RadialKnobLegend& legend) -> Selected
    {
        return [&legend] { const int i = legend.getSelectedIndex(); return i < 0 ? std::vector<float> {} : std::vector<float> { (float) legend.valueOfEntry (i) }; };
    };

    struct Row { QuilParam& p; Selected selected; float step, between; };
    const Row rows[] = { { *d.in, stepped (panel.getLevelLegend (false)), 0.25f, 0.6f },
                         { *d.out, stepped (panel.getLevelLegend (true)), 1.0f, 0.6f },
                         { *d.drive, stepped (panel.getDriveLegend()), 1.0f, 0.6f },
                         { *d.cutoff, radial (panel.getKnobLegend (destCutoff)), 0.5f, 0.3f },
                         { *d.resonance, radial (panel.getKnobLegend (destResonance)), 0.3f, 0.55f } };

    for (const auto& row : rows)
    {
        SCOPED_TRACE (row.p.getName (20));
        startAt (row.p, row.between);
        EXPECT_TRUE (pumpUntil ([&] { return row.selected().empty(); }));
        startAt (row.p, row.step);
        EXPECT_TRUE (pumpUntil ([&] { return row.selected() == std::vector<float> { row.step }; }));

        // A value a rounding step away from the step still shows it.
        row.p.setValueNotifyingHost (std::nextafter (row.p.getValue(), row.step < 0.5f ? 1.0f : 0.0f));
        pumpMessages (40);
        EXPECT_EQ (row.selected(), std::vector<float> { row.step });
    }

    // Every step name shows whole, "-23" and "-inf" beside the narrow level sliders too.
    for (auto* legend : { &panel.getLevelLegend (false), &panel.getLevelLegend (true), (VortaneSliderLegend*) &panel.getDriveLegend() })
        for (auto* b : legend->getButtons())
            EXPECT_EQ (b->getGlyphs().getNumGlyphs(), b->getText().length()) << b->getText();
}

TEST_F (PanelTest, modulatedValuesThatAreNotFiniteReadAsZero)
{
    PanelOnDesktop window;
    auto& d = window.data();
    auto& panel = window.panel();

    struct Shown { int destination; std::function<juce::Point<float>()> leftAndRight; };
    const auto slider = [] (const ModulationReadout& m) { return [&m] { return juce::Point<float> (m.getLeft(), m.getRight()); }; };
    const auto knob = [] (VortaneKnob& k) { return [&k] { return juce::Point<float> (k.getLeftModulation(), k.getRightModulation()); }; };
    const Shown shown[] = { { destIn, slider (panel.getLevelSlider (false).getModulation()) },
                            { destOut, slider (panel.getLevelSlider (true).getModulation()) },
                            { destDrive, slider (panel.getDriveSlider().getModulation()) },
                            { destCutoff, knob (panel.getKnob (destCutoff)) },
                            { destResonance, knob (panel.getKnob (destResonance)) },
                            { destType, knob (panel.getKnob (destType)) } };

    // Left 0.1 shows; the right side reads NaN or an infinity, and shows 0: each
    // read-out takes each of the three in turn.
    const double unreadable[] = { std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                                  -std::numeric_limits<double>::infinity() };
    for (int round = 0; round < 3; ++round)
    {
        // From read-outs of zero, so that the next value shown is the one stored below.
        for (const auto& s : shown)
            d.displayValues[2 * s.destination].store (0.0), d.displayValues[2 * s.destination + 1].store (0.0);
        for (const auto& s : shown)
            ASSERT_TRUE (pumpUntil ([&] { return s.leftAndRight() == juce::Point<float>(); })) << s.destination;

        for (const auto& s : shown)
        {
            d.displayValues[2 * s.destination].store (0.1);
            d.displayValues[2 * s.destination + 1].store (unreadable[(s.destination + round) % 3]);
        }
        for (const auto& s : shown)
        {
            EXPECT_TRUE (pumpUntil ([&] { return s.leftAndRight().x > 0.0f; })) << s.destination << " round " << round;
            EXPECT_EQ (s.leftAndRight().y, 0.0f) << s.destination << " round " << round;
        }
    }
}

TEST_F (PanelTest, anIdleWindowRepaintsNothingAndAChangeRepaintsItsControls)
{
    PanelOnDesktop window;
    pumpMessages (300);

    // Every repaint in the window reaches the main window on its way to the screen.
    auto& repaints = RepaintCounter::attachTo (window.window());
    pumpMessages (500);
    EXPECT_EQ (repaints.take(), 0);

    // A parameter's change and a modulation read-out's.
    for (const auto& change : { std::function<void()> ([&] { startAt (*window.data().cutoff, 0.8f); }),
                               std::function<void()> ([&] { window.data().displayValues[2 * destDrive].store (0.2); }) })
    {
        change();
        EXPECT_TRUE (pumpUntil ([&] { return repaints.count > 0; }));
        pumpMessages (100);
        repaints.take();
    }
    pumpMessages (300);
    EXPECT_EQ (repaints.take(), 0);
}
