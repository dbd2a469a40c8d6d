#include "editor/RadialKnobLegend.h"
#include "editor/SharedMyLnF.h"
#include "editor/VortaneKnob.h"
#include "params/QuilParamFrequencyHz.h"
#include "params/QuilParamPercentUnbounded.h"
#include "support/EditorFixture.h"

#include <gtest/gtest.h>

namespace
{
    using M = juce::ModifierKeys;
    constexpr int leftButton = M::leftButtonModifier, rightButton = M::rightButtonModifier, ctrl = M::ctrlModifier;

    // Every place the tests press, in the panel's coordinates (points at scale 1).
    namespace At
    {
        const juce::Rectangle<int> cutoffKnob { 269, 22, 164, 164 }, resonanceKnob { 437, 94, 126, 126 };
        const juce::Point<float> cutoffCentre { 351.0f, 104.0f };
        const juce::Point<float> cutoffValueText { 351.0f, 86.0f };
        const juce::Point<float> cutoffBelowText { 351.0f, 130.0f };
        const juce::Point<float> cutoffLegend20 { 293.0f, 162.0f }, cutoffLegend06k { 351.0f, 22.0f },
                                 cutoffLegend20k { 409.0f, 162.0f };
        const juce::Point<float> resonanceLegend10 { 549.5f, 175.5f }, resonanceLegend11 { 537.5f, 194.5f },
                                 resonanceRingEnd { 528.0f, 201.0f };   // past "11", where the ring ends
    }

    /** The host's view: change gestures as a juce::AudioProcessorListener sees them. */
    struct HostGestures : juce::AudioProcessorListener
    {
        explicit HostGestures (juce::AudioProcessor& p) : processor (p) { processor.addListener (this); }
        ~HostGestures() override { processor.removeListener (this); }

        void audioProcessorParameterChanged (juce::AudioProcessor*, int, float) override {}
        void audioProcessorChanged (juce::AudioProcessor*, const ChangeDetails&) override {}
        void audioProcessorParameterChangeGestureBegin (juce::AudioProcessor*, int) override { ++begins; }
        void audioProcessorParameterChangeGestureEnd (juce::AudioProcessor*, int) override   { ++ends; }

        juce::AudioProcessor& processor;
        int begins = 0, ends = 0;
    };

    /** The cutoff and resonance knobs with their legends at their places in a 703 × 319
        panel, scaled by a transform inside a window on the display, and driven through
        the window's peer as the windowing system would. */
    struct KnobsOnDesktop
    {
        explicit KnobsOnDesktop (float scale)
        {
            window.setLookAndFeel (&lookAndFeel.get());
            window.setSize (juce::roundToInt (703 * scale), juce::roundToInt (319 * scale));
            window.addAndMakeVisible (panel);
            panel.setBounds (0, 0, 703, 319);
            panel.setTransform (juce::AffineTransform::scale (scale));
            for (auto* c : std::initializer_list<juce::Component*> { &cutoffKnob, &cutoffLegend, &resonanceKnob, &resonanceLegend })
                panel.addAndMakeVisible (c);

            cutoffKnob.setBounds (At::cutoffKnob);
            cutoffLegend.setBounds (At::cutoffKnob.expanded (7));
            resonanceKnob.setBounds (At::resonanceKnob);
            resonanceLegend.setBounds (At::resonanceKnob.reduced (3));

            window.addToDesktop (juce::ComponentPeer::windowAppearsOnTaskbar);
            window.setVisible (true);
            window.toFront (true);
            pumpUntil ([this] { return window.isShowing() && window.getPeer() != nullptr; });
            pumpMessages (50);
        }

        ~KnobsOnDesktop()
        {
            window.removeFromDesktop();
            window.setLookAndFeel (nullptr);
        }

        void mouse (juce::Point<float> inPanel, int mods)
        {
            juce::ModifierKeys::currentModifiers = M (mods);
            window.getPeer()->handleMouseEvent (juce::MouseInputSource::InputSourceType::mouse, window.getLocalPoint (&panel, inPanel),
                                                M (mods), juce::MouseInputSource::defaultPressure,
                                                juce::MouseInputSource::defaultOrientation, clock += 20);
        }

        /** Away from everything, long enough after the last click that the next is not a double click. */
        void rest()
        {
            mouse ({ 5.0f, 5.0f }, 0);
            clock += 1000;
        }

        void click (juce::Point<float> p, int mods = 0, int times = 1)
        {
            const int buttons = (mods & rightButton) != 0 ? mods : mods | leftButton;
            mouse (p, mods & ~rightButton);
            for (int i = 0; i < times; ++i)
            {
                mouse (p, buttons);
                mouse (p, mods & ~rightButton);
            }
            pumpMessages (10);
        }

        void type (const juce::String& keys, int finalKey)
        {
            for (auto key : keys)
                window.getPeer()->handleKeyPress (juce::KeyPress (key, {}, key));
            window.getPeer()->handleKeyPress (juce::KeyPress (finalKey));
        }

        double cutoffHz() const { return data.cutoff->valueToHz (data.cutoff->getValue()); }

        SharedMyLnF lookAndFeel;
        TestProcessor processor;
        ProcessorData& data = processor->data;
        QuilParam& cutoff = *data.cutoff;
        QuilParam& resonance = *data.resonance;
        VortaneKnob cutoffKnob { cutoff, &data.displayValues[2], &data.displayValues[3], &processor->rotaryKnobs, 41, false, false, 0, true, true };
        RadialKnobLegend cutoffLegend { cutoff, { "20", "0.6k", "20k" } };
        VortaneKnob resonanceKnob { resonance, &data.displayValues[4], &data.displayValues[5], &processor->rotaryKnobs, 45, true, true, 5, false, false };
        RadialKnobLegend resonanceLegend { resonance, { "0", "", "", "", "", "", "", "", "", "", "10", "11" } };
        juce::Component window, panel;
        juce::int64 clock = juce::Time::currentTimeMillis();
    };

    struct Step { float dx, dy; int mods; };
    struct DragCase
    {
        const char* name;
        float scale;
        bool rotary;
        juce::Point<float> press;
        int pressMods;
        std::vector<Step> steps;    // pointer moves from the press point, in panel units
        int releaseMods;
        float expected;             // Cutoff after starting at 0.3
        int gestures;
    };

    using KnobDragTest = ::testing::TestWithParam<DragCase>;
}

TEST_P (KnobDragTest, aDragOnTheCutoffKnobIsOneHostGestureAtEveryScale)
{
    const auto& c = GetParam();
    KnobsOnDesktop knobs (c.scale);
    knobs.processor->rotaryKnobs = c.rotary;
    knobs.cutoff.setRealValueNotifyingHost (0.3f);
    HostGestures host (*knobs.processor);

    knobs.mouse (c.press, 0);
    knobs.mouse (c.press, c.pressMods);
    for (const auto& s : c.steps)
        knobs.mouse (c.press + juce::Point<float> (s.dx, s.dy), s.mods);
    knobs.mouse (c.press + juce::Point<float> (c.steps.back().dx, c.steps.back().dy), c.releaseMods);
    knobs.rest();

    EXPECT_NEAR (knobs.cutoff.getRealValue(), c.expected, 1.0e-5);
    EXPECT_EQ (host.begins, c.gestures);
    EXPECT_EQ (host.ends, c.gestures);
}

INSTANTIATE_TEST_SUITE_P (Drags, KnobDragTest, ::testing::Values (
    DragCase { "round70Right", 1.0f, true, At::cutoffCentre, leftButton, { { 70, 0, leftButton } }, 0, 0.8125f, 1 },
    DragCase { "round70RightAt200", 2.0f, true, At::cutoffCentre, leftButton, { { 70, 0, leftButton } }, 0, 0.8125f, 1 },
    DragCase { "linear16Up", 1.0f, false, At::cutoffCentre, leftButton, { { 0, -16.4f, leftButton } }, 0, 0.4f, 1 },
    DragCase { "linear16UpAt200", 2.0f, false, At::cutoffCentre, leftButton, { { 0, -16.4f, leftButton } }, 0, 0.4f, 1 },
    DragCase { "controlPressedDuringADrag", 1.0f, false, At::cutoffCentre, leftButton,
               { { 0, -16.4f, leftButton }, { 0, -40, leftButton | ctrl } }, ctrl, 0.4f, 1 },
    DragCase { "rightButtonPressedDuringADrag", 1.0f, true, At::cutoffCentre, leftButton,
               { { 70, 0, leftButton }, { 70, 0, leftButton | rightButton }, { 0, -70, leftButton | rightButton } }, 0, 0.5f, 1 },
    DragCase { "rightButtonDrag", 1.0f, true, At::cutoffCentre, rightButton, { { 70, 0, rightButton } }, 0, 0.3f, 0 },
    DragCase { "controlDrag", 1.0f, false, At::cutoffCentre, leftButton | ctrl, { { 0, -40, leftButton | ctrl } }, ctrl, 0.3f, 0 }),
    [] (const ::testing::TestParamInfo<DragCase>& caseInfo) { return std::string (caseInfo.param.name); });

TEST (KnobOnDesktop, doubleClicksToggleTheDefaultAndOpenTheValueEditorForTypedValues)
{
    KnobsOnDesktop knobs (1.0f);
    auto& cutoff = knobs.cutoff;
    cutoff.setRealValueNotifyingHost (0.3f);
    ASSERT_TRUE (pumpUntil ([&] { return knobs.cutoffKnob.getValueText() == cutoff.getCurrentValueAsText(); }));

    for (const float expected : { 0.5f, 0.3f, 0.5f })
    {
        knobs.click (At::cutoffBelowText, 0, 2);
        knobs.rest();
        EXPECT_FLOAT_EQ ((float) cutoff.getRealValue(), expected);
    }

    // A pop-up double click belongs to MIDI learning.
    knobs.click (At::cutoffBelowText, ctrl, 2);
    knobs.rest();
    EXPECT_FLOAT_EQ ((float) cutoff.getRealValue(), 0.5f);
    EXPECT_FALSE (knobs.cutoffKnob.isValueEditorShowing());

    struct Typed { const char* keys; int finalKey; double hz; };
    const Typed typed[] = { { "1k", juce::KeyPress::returnKey, 1000.0 }, { "2k", juce::KeyPress::escapeKey, 1000.0 },
                            { "250", juce::KeyPress::returnKey, 250.0 } };
    for (const auto& t : typed)
    {
        knobs.click (At::cutoffValueText, 0, 2);
        knobs.rest();
        ASSERT_TRUE (knobs.cutoffKnob.isValueEditorShowing()) << t.keys;
        ASSERT_TRUE (pumpUntil ([&] { return knobs.cutoffKnob.getValueEditor().hasKeyboardFocus (false); })) << t.keys;
        knobs.type (t.keys, t.finalKey);
        EXPECT_TRUE (pumpUntil ([&] { return ! knobs.cutoffKnob.isValueEditorShowing(); })) << t.keys;
        EXPECT_NEAR (knobs.cutoffHz(), t.hz, t.hz * 1.0e-3) << t.keys;
    }
}

namespace
{
    struct LegendCase { const char* name; float scale; juce::Point<float> at; int mods; bool resonanceLegend; float expected; };
    using LegendClickTest = ::testing::TestWithParam<LegendCase>;
}

TEST_P (LegendClickTest, aClickOnALegendEntrySetsItsValueAsOneGesture)
{
    const auto& c = GetParam();
    KnobsOnDesktop knobs (c.scale);
    auto& p = c.resonanceLegend ? knobs.resonance : knobs.cutoff;
    p.setRealValueNotifyingHost (0.3f);
    HostGestures host (*knobs.processor);

    knobs.click (c.at, c.mods);
    knobs.rest();

    EXPECT_NEAR (p.getRealValue(), c.expected, 1.0e-6);
    const int gestures = (float) p.getRealValue() != 0.3f ? 1 : 0;
    EXPECT_EQ (host.begins, gestures);
    EXPECT_EQ (host.ends, gestures);

    // The entry shows as selected from the next poll on.
    auto& legend = c.resonanceLegend ? knobs.resonanceLegend : knobs.cutoffLegend;
    if (gestures > 0)
    {
        EXPECT_TRUE (pumpUntil ([&] { return legend.getSelectedIndex() >= 0; }));
    }
}

INSTANTIATE_TEST_SUITE_P (Entries, LegendClickTest, ::testing::Values (
    LegendCase { "cutoff20k", 1.0f, At::cutoffLegend20k, 0, false, 1.0f },
    LegendCase { "cutoff06k", 1.0f, At::cutoffLegend06k, 0, false, 0.5f },
    LegendCase { "cutoff20At200", 2.0f, At::cutoffLegend20, 0, false, 0.0f },
    LegendCase { "cutoffPopupClick", 1.0f, At::cutoffLegend20k, rightButton, false, 0.3f },
    LegendCase { "resonance10", 1.0f, At::resonanceLegend10, 0, true, 1.0f },
    LegendCase { "resonance11", 1.0f, At::resonanceLegend11, 0, true, 1.1f },
    LegendCase { "resonanceRingEndIsStill11", 1.0f, At::resonanceRingEnd, 0, true, 1.1f }),
    [] (const ::testing::TestParamInfo<LegendCase>& caseInfo) { return std::string (caseInfo.param.name); });
