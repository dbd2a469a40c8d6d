#include "ui/toolkit/PluginScalerPreferenceButton.h"
#include "ui/toolkit/PluginScaler.h"

PluginScalerPreferenceButton::PluginScalerPreferenceButton (PluginScaler& scalerToUse)
    : PreferenceButtonSpan (nullptr, scalerToUse.getKey(), { "50%", "75%", "100%", "150%", "200%" },
                            "UI scaling percentage"),
      scaler (scalerToUse)
{
}

PluginScalerPreferenceButton::~PluginScalerPreferenceButton() = default;

void PluginScalerPreferenceButton::selectOption (int index)
{
    if ((size_t) index >= values.size())
        return;

    storedScale = values[(size_t) index];
    scaler.setScale (storedScale);
}

bool PluginScalerPreferenceButton::isOptionSelected (int index)
{
    storedScale = scaler.readStoredScale();
    return (size_t) index < values.size() && values[(size_t) index] == storedScale;
}
