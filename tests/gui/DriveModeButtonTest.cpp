// The drive-mode buttons in the real window, clicked through its peer: either steps "Drive Mode"
// as one gesture the host hears of, one of them is lit, and pop-up clicks are left to MIDI learning.
#include "editor/VortaneDriveModeButton.h"
#include "gui/EditorOnDesktop.h"
#include "support/ParameterIndex.h"

#include <gtest/gtest.h>

namespace
{
    struct HostGestures : juce::AudioProcessorListener
    {
        void audioProcessorParameterChanged (juce::AudioProcessor*, int, float) override {}
        void audioProcessorChanged (juce::AudioProcessor*, const ChangeDetails&) override {}
        void audioProcessorParameterChangeGestureBegin (juce::AudioProcessor*, int i) override { begins += i == driveMode; }
        void audioProcessorParameterChangeGestureEnd (juce::AudioProcessor*, int i) override   { ends += i == driveMode; }
        int begins = 0, ends = 0;
    };

    using DriveModeButtons = WithoutPrefs<>;
}

TEST_F (DriveModeButtons, aClickStepsTheModeAsOneGestureAndExactlyOneButtonIsLit)
{
    EditorOnDesktop window;
    auto& mode = quilParam (*window.processor, driveMode);
    mode.setRealValueNotifyingHost (0.0f);

    // Where the panel puts them, above everything else.
    VortaneDriveModeButton hot (mode, true), cold (mode, false);
    for (auto* button : { &hot, &cold })
    {
        window->addAndMakeVisible (button);
        button->setBounds (button == &hot ? 387 : 296, 282, 20, 20);
    }
    auto litSettles = [&] (bool hotLit) { return pumpUntil ([&] { return hot.isLit() == hotLit && cold.isLit() != hotLit; }); };
    ASSERT_TRUE (litSettles (false));

    HostGestures host;
    window.processor->addListener (&host);

    using M = juce::ModifierKeys;
    struct Step { const char* what; VortaneDriveModeButton& button; int modifiers; const char* text; int gestures; };
    const Step steps[] = { { "hot from cold", hot, 0, "Hot", 1 },
                           { "right-click", cold, M::rightButtonModifier, "Hot", 0 },
                           { "control-click", cold, M::ctrlModifier, "Hot", 0 },
                           { "cold from hot", cold, 0, "Cold", 1 },
                           { "cold toggles", cold, 0, "Hot", 1 },
                           { "hot toggles", hot, 0, "Cold", 1 } };
    int gestures = 0;
    for (const auto& s : steps)
    {
        window.clickCentre (s.button, s.modifiers);
        gestures += s.gestures;
        EXPECT_EQ (mode.getCurrentValueAsText(), s.text) << s.what;
        EXPECT_EQ (host.begins, gestures) << s.what;
        EXPECT_EQ (host.ends, gestures) << s.what;
        EXPECT_TRUE (litSettles (juce::String (s.text) == "Hot")) << s.what;
    }

    window.processor->removeListener (&host);
}
