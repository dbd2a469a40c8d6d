#pragma once

#include "ui/toolkit/DefaultSizeLabel.h"
#include "ui/toolkit/LearnMidiCCButtonV2.h"
#include "ui/toolkit/MIDIccPopupBg.h"
#include "ui/toolkit/PopupLifecycleHooks.h"
#include "ui/toolkit/ShadowEffect.h"

class QuilParam;

/** The MIDI-learn pop-up of one parameter: its name in capitals over a learn
    button, in a shadowed box. At least 100 × 100 points, wider for long names.

    Its component ID names its parameter, so the pop-up display tells the pop-ups
    of two parameters apart. Closing it stops a learning that still waits for its
    parameter: no controller is bound to a parameter whose pop-up is gone. */
class MIDIccPopup : public juce::Component,
                    public PopupLifecycleHooks
{
public:
    MIDIccPopup (MidiCCListener& map, const QuilParam& parameter);
    ~MIDIccPopup() override;

    static juce::String componentIdFor (int parameterIndex);

    LearnMidiCCButtonV2& getButton() noexcept { return button; }
    const DefaultSizeLabel& getLabel() const noexcept { return label; }
    const MIDIccPopupBg& getBox() const noexcept { return box; }

    void resized() override;

    void popupShown() override {}
    void popupClosed() override;

private:
    ColourTable colourTable { this };
    LearnMidiCCButtonV2 button;
    DefaultSizeLabel label;
    juce::Rectangle<float> boxArea;
    int requestedWidth = 1;
    ShadowEffect shadow { 0.3f, 5.0f, 4, 4 };
    MIDIccPopupBg box;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MIDIccPopup)
};
