#include "support/EditorFixture.h"
#include "support/MouseEvents.h"
#include "ui/lnf/QuilLnF.h"
#include "ui/toolkit/KnobRotationPreferenceButton.h"
#include "ui/toolkit/PluginScaler.h"
#include "ui/toolkit/PluginScalerPreferenceButton.h"

// Plain clicks on the option rows are driven in a real window.
using PreferenceButtonTest = WithoutPrefs<>;

TEST_F (PreferenceButtonTest, optionsAreEqualCellsDownTheColumnInsetByOneAndFive)
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

TEST_F (PreferenceButtonTest, rightClicksControlClicksAndClicksBetweenOptionsSelectNothing)
{
    QuilLnF lookAndFeel;
    TestProcessor processor;
    bool rotary = true;
    KnobRotationPreferenceButton button (*processor, rotary);
    button.setLookAndFeel (&lookAndFeel);
    button.setBounds (321, 129, 60, 60);
    const auto option1 = button.getOptionRects()[1].getCentre();

    for (const auto& [at, mods] : { std::pair { option1, Clicks::right() }, { option1, Clicks::control() },
                                    { juce::Point<float> (30.0f, 30.0f), Clicks::left() } })
    {
        button.mouseDown (mouseEventAt (button, at, mods));
        EXPECT_TRUE (rotary);
        const auto prefs = PrefsOnDisk::read();
        EXPECT_FALSE (prefs != nullptr && prefs->hasAttribute ("knobRotation"));
    }

    button.setLookAndFeel (nullptr);
}
