#include "support/EditorFixture.h"
#include "support/FileWriteCounter.h"
#include "support/MouseEvents.h"
#include "ui/lnf/QuilLnF.h"
#include "ui/toolkit/KnobRotationPreferenceButton.h"
#include "ui/toolkit/PluginScaler.h"
#include "ui/toolkit/PluginScalerPreferenceButton.h"

#include <gtest/gtest.h>

namespace
{
    juce::Point<float> centreOf (const PreferenceButtonSpan& span, int option)
    {
        return span.getOptionRects()[(size_t) option].getCentre();
    }

    struct KnobModeRig
    {
        KnobModeRig()
        {
            PrefsOnDisk::remove();
            button.setLookAndFeel (&lookAndFeel);
            button.setBounds (321, 129, 60, 60);
        }

        ~KnobModeRig()
        {
            button.setLookAndFeel (nullptr);
            PrefsOnDisk::remove();
        }

        void click (int option, juce::ModifierKeys mods = Clicks::left())
        {
            button.mouseDown (mouseEventAt (button, centreOf (button, option), mods));
        }

        QuilLnF lookAndFeel;
        TestProcessor processor;
        bool rotary = true;
        KnobRotationPreferenceButton button { *processor, rotary };
    };
}

TEST (PreferenceButtonSpan, optionsAreEqualCellsDownTheColumnInsetByOneAndFive)
{
    TestProcessor processor;
    juce::Component outer;
    PluginScaler scaler (*processor, outer);
    PluginScalerPreferenceButton scale (scaler);
    scale.setBounds (116, 84, 50, 150);

    ASSERT_EQ (scale.getNumOptions(), 5u);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ (scale.getOptionRects()[(size_t) i], (juce::Rectangle<float> (1.0f, 30.0f * (float) i + 5.0f, 48.0f, 20.0f)));

    // Left and top edges belong to an option, right and bottom edges do not.
    EXPECT_EQ (scale.optionAt ({ 1.0f, 5.0f }), 0);
    EXPECT_EQ (scale.optionAt ({ 48.9f, 24.9f }), 0);
    EXPECT_EQ (scale.optionAt ({ 49.0f, 10.0f }), -1);
    EXPECT_EQ (scale.optionAt ({ 10.0f, 25.0f }), -1);
    EXPECT_EQ (scale.optionAt ({ 10.0f, 35.0f }), 1);
    EXPECT_EQ (scale.optionAt ({ 10.0f, 144.9f }), 4);
    EXPECT_EQ (scale.getTooltip(), "UI scaling percentage");
}

TEST (KnobRotationPreferenceButton, rightClicksAndControlClicksSelectNothing)
{
    KnobModeRig rig;

    for (const auto mods : { Clicks::right(), Clicks::control() })
    {
        rig.click (1, mods);
        EXPECT_TRUE (rig.rotary);
        EXPECT_FALSE (PrefsOnDisk::file().existsAsFile() && PrefsOnDisk::read() != nullptr
                      && PrefsOnDisk::read()->hasAttribute ("knobRotation"));
    }

    // A click between the options selects nothing either.
    rig.button.mouseDown (mouseEventAt (rig.button, { 30.0f, 30.0f }));
    EXPECT_TRUE (rig.rotary);
}

TEST (PluginScalerPreferenceButton, selectingAScaleShowsItOnceTheScalerHasStoredIt)
{
    PrefsOnDisk::remove();
    TestProcessor processor;
    juce::Component outer, inner;
    outer.addAndMakeVisible (inner);
    PluginScaler scaler (*processor, outer);
    scaler.setTransformTarget (inner);
    scaler.initialiseScale();
    pumpMessages (20);

    PluginScalerPreferenceButton scale (scaler);
    scale.setBounds (116, 84, 50, 150);
    EXPECT_TRUE (scale.isOptionSelected (2));

    FileWriteCounter writes (PrefsOnDisk::file());
    scale.mouseDown (mouseEventAt (scale, centreOf (scale, 1)));

    EXPECT_EQ (scaler.getScale(), 75);
    EXPECT_TRUE (scale.isOptionSelected (2));    // still the stored one
    ASSERT_TRUE (pumpUntil ([&] { return scale.isOptionSelected (1); }));
    EXPECT_FALSE (scale.isOptionSelected (2));
    EXPECT_EQ (outer.getWidth(), 527);
    pumpMessages (30);
    EXPECT_EQ (writes.count(), 1);
    PrefsOnDisk::remove();
}
