#include "ui/toolkit/KnobRotationPreferenceButton.h"
#include "midi/PrefsFile.h"

KnobRotationPreferenceButton::KnobRotationPreferenceButton (PrefsFile& prefsToUse, bool& knobModeFlag)
    : PreferenceButtonSpan (&prefsToUse, "knobRotation", { "Round", "Linear" },
                            "Knob rotation mouse movement type"),
      rotary (knobModeFlag)
{
}

KnobRotationPreferenceButton::~KnobRotationPreferenceButton() = default;

void KnobRotationPreferenceButton::selectOption (int index)
{
    prefs->writePrefsAttribute (key, index == 0 ? 1 : 0);
    rotary = prefs->getPrefsBool (key, true);
}

bool KnobRotationPreferenceButton::isOptionSelected (int index)
{
    return index == 0 ? rotary : ! rotary;
}
