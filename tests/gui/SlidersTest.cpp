#include "editor/SharedMyLnF.h"
#include "editor/VortaneDriveSlider.h"
#include "editor/VortaneDriveSliderLegend.h"
#include "editor/VortaneSlider.h"
#include "editor/VortaneSliderLegend.h"
#include "params/QuilParamTypes.h"
#include "support/EditorFixture.h"
#include "support/ProcessorFixture.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace
{
    enum Part { inSlider, outSlider, driveSlider, inLegend, outLegend, driveLegend, numParts };

    /** Where the control panel puts each part, at 100 %. */
    const juce::Rectangle<int> panelBounds[numParts] = {
        { 57, 78, 36, 158 }, { 611, 78, 36, 158 }, { 276, 215, 150, 70 },
        { 40, 83, 21, 112 }, { 643, 83, 21, 112 }, { 234, 244, 234, 10 } };

    /** The sliders and their legends as the panel builds and stacks them, on a bare
        component in a real window. */
    struct SliderPanel : juce::Component
    {
        explicit SliderPanel (ProcessorData& d)
            : in (*d.in, &d.displayValues[0], &d.displayValues[1]),
              out (*d.out, &d.displayValues[10], &d.displayValues[11]),
              drive (*d.drive, &d.displayValues[8], &d.displayValues[9]),
              inLegendPart (*d.in, true, false),
              outLegendPart (*d.out, false, false),
              driveLegendPart (*d.drive, false, true)
        {
            setLookAndFeel (&lookAndFeel.get());
            inLegendPart.setSpan (92.0f);
            outLegendPart.setSpan (92.0f);
            driveLegendPart.rebuildButtons();

            for (auto* c : parts())
                addAndMakeVisible (c);

            setSize (703, 319);
        }

        ~SliderPanel() override { setLookAndFeel (nullptr); }

        std::array<juce::Component*, numParts> parts()
        {
            return { &in, &out, &drive, &inLegendPart, &outLegendPart, &driveLegendPart };
        }

        void resized() override
        {
            for (int i = 0; i < numParts; ++i)
                parts()[(size_t) i]->setBounds (panelBounds[i]);
        }

        BasicControl& slider (Part p)         { return p == inSlider ? (BasicControl&) in : p == outSlider ? (BasicControl&) out : drive; }
        VortaneSliderLegend& legend (Part p)  { return p == inLegend ? inLegendPart : p == outLegend ? outLegendPart : driveLegendPart; }
        QuilParam& param (Part p)             { return p < inLegend ? slider (p).getParameter() : slider (Part (p - inLegend)).getParameter(); }

        SharedMyLnF lookAndFeel;
        VortaneSlider in, out;
        VortaneDriveSlider drive;
        VortaneSliderLegend inLegendPart, outLegendPart;
        VortaneDriveSliderLegend driveLegendPart;
    };

    /** Counts the change gestures a host is told about. */
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

    /** The panel parts in a window on the display, driven through the window's peer. */
    struct SlidersOnDesktop
    {
        SlidersOnDesktop()
        {
            panel.addToDesktop (0);
            panel.setTopLeftPosition (40, 40);
            panel.setVisible (true);
            pumpUntil ([this] { return panel.isShowing() && panel.getPeer() != nullptr; });
            pumpMessages (50);
        }

        ~SlidersOnDesktop() { panel.removeFromDesktop(); }

        void mouse (juce::Point<float> at, int mods)
        {
            juce::ModifierKeys::currentModifiers = juce::ModifierKeys (mods);
            panel.getPeer()->handleMouseEvent (juce::MouseInputSource::InputSourceType::mouse, at, juce::ModifierKeys (mods),
                                               juce::MouseInputSource::defaultPressure,
                                               juce::MouseInputSource::defaultOrientation, juce::Time::currentTimeMillis());
        }

        /** Presses at a point of a part, moves by delta in a few steps and releases. */
        void drag (Part part, juce::Point<float> from, juce::Point<float> delta, int buttonMods, int releaseMods = 0)
        {
            const auto start = panel.getLocalPoint (panel.parts()[(size_t) part], from);
            mouse (start, 0);
            mouse (start, buttonMods);
            constexpr int steps = 4;
            for (int i = 1; i <= steps; ++i)
                mouse (start + delta * ((float) i / steps), buttonMods);
            mouse (start + delta, releaseMods);
            pumpMessages (10);
            mouse ({ -50.0f, -50.0f }, 0);
            juce::ModifierKeys::currentModifiers = {};
        }

        TestProcessor processor;
        SliderPanel panel { processor->data };
    };

    constexpr int left = juce::ModifierKeys::leftButtonModifier;
    constexpr int right = juce::ModifierKeys::rightButtonModifier;
    constexpr int ctrlLeft = juce::ModifierKeys::ctrlModifier | left;

    using SlidersTest = WithoutPrefs<>;
}

TEST_F (SlidersTest, dragsCoverTheRangeOverTheSlidersLengthAndMakeOneGesture)
{
    struct Drag { Part part; double start; juce::Point<float> from, delta; int releaseMods; double expected; const char* text; };
    const Drag drags[] = {
        // From the drive handle at its minimum, half the 122-unit scale band.
        { driveSlider, 0.0, { 20.0f, 48.0f }, { 61.0f, 0.0f }, 0, 0.5, "50.0" },
        { driveSlider, 0.5, { 50.0f, 48.0f }, { -61.0f, 0.0f }, 0, 0.0, "0.00" },
        // The level sliders: their whole height is the whole range.
        { inSlider, 0.0, { 18.0f, 157.0f }, { 0.0f, -158.0f }, 0, 1.0, nullptr },
        { inSlider, 1.0, { 18.0f, 0.0f }, { 0.0f, 158.0f }, 0, 0.0, "-inf" },
        { outSlider, 0.0, { 18.0f, 120.0f }, { 0.0f, -79.0f }, 0, 0.5, nullptr },
        // Released with control held: the gesture begun at mouse-down still ends.
        { outSlider, 0.0, { 18.0f, 120.0f }, { 0.0f, -79.0f }, juce::ModifierKeys::ctrlModifier, 0.5, nullptr } };

    for (const auto& d : drags)
    {
        SlidersOnDesktop window;
        auto& param = window.panel.param (d.part);
        param.setValueNotifyingHost (param.toNormalised (d.start));
        HostGestures host (*window.processor);

        window.drag (d.part, d.from, d.delta, left, d.releaseMods);

        SCOPED_TRACE (testing::Message() << "part " << d.part << " from " << d.start);
        EXPECT_NEAR (param.getRealValue(), d.expected, 1.0e-5);
        EXPECT_EQ (host.begins, 1);
        EXPECT_EQ (host.ends, 1);
        if (d.text != nullptr)
        {
            EXPECT_TRUE (pumpUntil ([&] { return window.panel.slider (d.part).getValueText() == d.text; }))
                << window.panel.slider (d.part).getValueText().toStdString();
        }
    }
}

TEST_F (SlidersTest, legendClicksSetTheirStepsAndHighlightThem)
{
    struct Click { Part legend; juce::Point<float> at; double value; };
    const Click clicks[] = {
        // Centres from 102 (minimum) up to 10 (maximum), 23 apart.
        { inLegend, { 10.0f, 102.0f }, 0.0 }, { inLegend, { 10.0f, 79.0f }, 0.25 }, { inLegend, { 10.0f, 56.0f }, 0.5 },
        { inLegend, { 10.0f, 33.0f }, 0.75 }, { inLegend, { 10.0f, 10.0f }, 1.0 },
        { outLegend, { 10.0f, 10.0f }, 1.0 }, { outLegend, { 10.0f, 56.0f }, 0.5 },
        { driveLegend, { 219.0f, 5.0f }, 1.0 }, { driveLegend, { 15.0f, 5.0f }, 0.0 } };

    SlidersOnDesktop window;
    const auto selected = [&] (Part p)
    {
        std::vector<float> values;
        for (auto* b : window.panel.legend (p).getButtons())
            if (b->isSelected())
                values.push_back (b->getStepValue());
        return values;
    };

    // Every step name shows whole, "-23" and "-inf" beside the narrow level sliders too.
    for (const auto legend : { inLegend, outLegend, driveLegend })
        for (auto* b : window.panel.legend (legend).getButtons())
            EXPECT_EQ (b->getGlyphs().getNumGlyphs(), b->getText().length()) << b->getText();

    for (const auto& c : clicks)
    {
        auto& param = window.panel.param (c.legend);
        param.setValueNotifyingHost (param.toNormalised (0.6));
        ASSERT_TRUE (pumpUntil ([&] { return selected (c.legend).empty(); })) << "between steps";
        HostGestures host (*window.processor);

        window.drag (c.legend, c.at, {}, left);

        SCOPED_TRACE (testing::Message() << "legend " << c.legend << " value " << c.value);
        EXPECT_NEAR (param.getRealValue(), c.value, 1.0e-6);
        EXPECT_EQ (host.begins, 1);
        EXPECT_EQ (host.ends, 1);
        EXPECT_TRUE (pumpUntil ([&] { return selected (c.legend) == std::vector<float> { (float) c.value }; }));

        // A value a rounding step away from the step still shows it.
        param.setValueNotifyingHost (std::nextafter ((float) c.value, c.value < 0.5 ? 1.0f : 0.0f));
        pumpMessages (40);
        EXPECT_EQ (selected (c.legend), std::vector<float> { (float) c.value });
    }
}

TEST_F (SlidersTest, popupClicksChangeNothingAndBeginNoGesture)
{
    struct Click { Part part; juce::Point<float> at, delta; int mods; };
    const Click clicks[] = {
        { inSlider, { 18.0f, 100.0f }, { 0.0f, -60.0f }, right }, { inSlider, { 18.0f, 100.0f }, { 0.0f, -60.0f }, ctrlLeft },
        { driveSlider, { 60.0f, 48.0f }, { 50.0f, 0.0f }, right }, { driveSlider, { 60.0f, 48.0f }, { 50.0f, 0.0f }, ctrlLeft },
        { inLegend, { 10.0f, 10.0f }, {}, right }, { outLegend, { 10.0f, 10.0f }, {}, ctrlLeft },
        { driveLegend, { 219.0f, 5.0f }, {}, right }, { driveLegend, { 219.0f, 5.0f }, {}, ctrlLeft } };

    SlidersOnDesktop window;
    HostGestures host (*window.processor);

    for (const auto& c : clicks)
    {
        auto& param = window.panel.param (c.part);
        const auto before = param.getRealValue();
        window.drag (c.part, c.at, c.delta, c.mods, c.mods & ~(left | right));

        EXPECT_EQ (param.getRealValue(), before) << "part " << c.part << " mods " << c.mods;
    }

    EXPECT_EQ (host.begins, 0);
    EXPECT_EQ (host.ends, 0);
}

TEST_F (SlidersTest, modulatedValuesThatAreNotFiniteReadAsZero)
{
    const double readings[] = { std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                                -std::numeric_limits<double>::infinity(), 1.0e300 };

    SlidersOnDesktop window;
    auto& data = window.processor->data;
    auto& panel = window.panel;

    for (const auto reading : readings)
    {
        for (const int i : { 0, 8 })
        {
            data.displayValues[i].store (0.3);
            data.displayValues[i + 1].store (reading);
        }
        ASSERT_TRUE (pumpUntil ([&] { return panel.in.getModulation().getLeft() == 0.3f
                                             && panel.drive.getModulation().getLeft() == 0.3f; }));

        SCOPED_TRACE (reading);
        EXPECT_EQ (panel.in.getModulation().getRight(), 0.0f);
        EXPECT_EQ (panel.drive.getModulation().getRight(), 0.0f);
        EXPECT_TRUE (panel.in.getBarPath().getBounds().getY() > 0.0f);

        data.displayValues[0].store (0.0);
        data.displayValues[8].store (0.0);
        ASSERT_TRUE (pumpUntil ([&] { return panel.in.getModulation().getLeft() == 0.0f
                                             && panel.drive.getModulation().getLeft() == 0.0f; }));
    }
}
