#pragma once

#include "ui/toolkit/PreferenceButtonSpan.h"
#include <array>

class PluginScaler;

/** The interface scale: "50%" to "200%". Selecting asks the scaler for the scale;
    the selection shown is the one stored in the preferences. */
class PluginScalerPreferenceButton : public PreferenceButtonSpan
{
public:
    explicit PluginScalerPreferenceButton (PluginScaler& scaler);
    ~PluginScalerPreferenceButton() override;

    void selectOption (int index) override;
    bool isOptionSelected (int index) override;

private:
    PluginScaler& scaler;
    const std::array<int, 5> values { 50, 75, 100, 150, 200 };
    int storedScale = 100;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (PluginScalerPreferenceButton)
};
