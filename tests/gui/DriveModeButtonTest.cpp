// The two drive-mode buttons in a real window, clicked through the window's peer as
// the windowing system would: either steps "Drive Mode" as one gesture the host sees,
// exactly one of them is lit, and pop-up clicks are left to MIDI learning.
#include "editor/VortaneDriveModeButton.h"
#include "params/QuilParam.h"
#include "support/EditorFixture.h"
#include "support/ParameterIndex.h"

#include <gtest/gtest.h>

namespace
{
    using M = juce::ModifierKeys;

    /** The pair as the panel places them, cold left of hot, in a window of their own. */
    struct DriveModeWindow : juce::Component
    {
        explicit DriveModeWindow (QuilParam& mode) : hot (mode, true), cold (mode, false)
        {
            addAndMakeVisible (cold);
            addAndMakeVisible (hot);
            setBounds (40, 40, 111, 40);
            cold.setBounds (10, 10, 20, 20);
            hot.setBounds (81, 10, 20, 20);

            addToDesktop (juce::ComponentPeer::windowAppearsOnTaskbar);
            setVisible (true);
            toFront (true);
            pumpUntil ([this] { return isShowing() && getPeer() != nullptr; });
            pumpMessages (50);
        }

        ~DriveModeWindow() override { removeFromDesktop(); }

        void mouse (juce::Point<float> at, M mods)
        {
            M::currentModifiers = mods;
            getPeer()->handleMouseEvent (juce::MouseInputSource::InputSourceType::mouse, at, mods,
                                         juce::MouseInputSource::defaultPressure, juce::MouseInputSource::defaultOrientation,
                                         juce::Time::currentTimeMillis());
        }

        /** Moves onto a button's centre, presses with the given buttons and keys, releases. */
        void click (juce::Component& button, int pressed)
        {
            const auto at = getLocalPoint (&button, button.getLocalBounds().toFloat().getCentre());
            const int keys = pressed & M::allKeyboardModifiers;
            mouse (at, M (keys));
            mouse (at, M (pressed));
            mouse (at, M (keys));
            pumpMessages (10);
            mouse ({ -20.0f, -20.0f }, {});
            M::currentModifiers = {};
        }

        bool litSettles (bool hotLit)
        {
            return pumpUntil ([&] { return hot.isLit() == hotLit && cold.isLit() != hotLit; });
        }

        VortaneDriveModeButton hot, cold;
    };

    /** Gestures on "Drive Mode" as the host hears of them. */
    struct HostGestures : juce::AudioProcessorListener
    {
        void audioProcessorParameterChanged (juce::AudioProcessor*, int, float) override {}
        void audioProcessorChanged (juce::AudioProcessor*, const ChangeDetails&) override {}
        void audioProcessorParameterChangeGestureBegin (juce::AudioProcessor*, int index) override { begins += index == driveMode; }
        void audioProcessorParameterChangeGestureEnd (juce::AudioProcessor*, int index) override   { ends += index == driveMode; }

        int begins = 0, ends = 0;
    };
}

TEST (DriveModeButtons, aClickStepsTheModeAsOneGestureAndExactlyOneButtonIsLit)
{
    TestProcessor processor;
    auto& mode = quilParam (*processor, driveMode);
    mode.setRealValueNotifyingHost (0.0f);

    DriveModeWindow window (mode);
    HostGestures host;
    processor->addListener (&host);
    ASSERT_TRUE (window.litSettles (false));

    const int left = M::leftButtonModifier;
    struct Step { const char* what; bool onHot; int pressed; const char* text; int gestures; };
    const Step steps[] = {
        { "hot from cold", true, left, "Hot", 1 },
        { "right-click on cold", false, M::rightButtonModifier, "Hot", 0 },
        { "control-click on cold", false, left | M::ctrlModifier, "Hot", 0 },
        { "right-click with control on hot", true, M::rightButtonModifier | M::ctrlModifier, "Hot", 0 },
        { "cold from hot", false, left, "Cold", 1 },
        { "cold again toggles", false, left, "Hot", 1 },
        { "hot again toggles", true, left, "Cold", 1 } };

    int gestures = 0;
    for (const auto& s : steps)
    {
        window.click (s.onHot ? static_cast<juce::Component&> (window.hot) : window.cold, s.pressed);
        gestures += s.gestures;

        EXPECT_EQ (mode.getCurrentValueAsText(), s.text) << s.what;
        EXPECT_EQ (host.begins, gestures) << s.what;
        EXPECT_EQ (host.ends, gestures) << s.what;
        EXPECT_TRUE (window.litSettles (juce::String (s.text) == "Hot")) << s.what;
    }

    processor->removeListener (&host);
}
