#include "support/EditorFixture.h"
#include "support/MouseEvents.h"
#include "ui/lnf/QuilLnF.h"
#include "ui/toolkit/KnobRotationPreferenceButton.h"

// Plain clicks on the option rows are driven in a real window.
using PreferenceButtonTest = WithoutPrefs<>;

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
