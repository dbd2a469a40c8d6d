#pragma once

#include "ui/toolkit/ParamComponent.h"

class QuilParam;

/** A parameter button: a click sets the parameter to its next step (wrapping to
    0), or in toggle mode between its minimum and maximum, as one change gesture.
    It repaints when its poll sees the value change. */
class BasicButton : public ParamComponent,
                    public juce::TooltipClient
{
public:
    explicit BasicButton (QuilParam& param, bool toggleMode = false);
    ~BasicButton() override;

    void mouseDown (const juce::MouseEvent&) override;
    void paint (juce::Graphics&) override;
    void updateFromParameters() override;
    juce::String getTooltip() override;

    int getCachedValue() const noexcept { return cachedValue; }

protected:
    juce::int32 cachedValue = 0;
    float cachedNormalised = 0.0f;
    QuilParam* param;
    bool toggleMode;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (BasicButton)
};
