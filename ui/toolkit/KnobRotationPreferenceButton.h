#pragma once

#include "ui/toolkit/PreferenceButtonSpan.h"

/** The knob drag mode: "Round" (rotary drag) or "Linear" (vertical drag), stored
    as "knobRotation" 1 or 0 and mirrored in the flag every knob reads. */
class KnobRotationPreferenceButton : public PreferenceButtonSpan
{
public:
    KnobRotationPreferenceButton (PrefsFile& prefs, bool& knobModeFlag);
    ~KnobRotationPreferenceButton() override;

    void selectOption (int index) override;
    bool isOptionSelected (int index) override;

private:
    bool& rotary;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (KnobRotationPreferenceButton)
};
