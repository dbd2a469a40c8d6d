#pragma once

#include "ui/toolkit/BaseColoredComponent.h"

/** A coloured component whose timer runs only while the component is visible. */
class TimerComponent : public BaseColoredComponent,
                       public juce::Timer
{
public:
    explicit TimerComponent (int rateHz);
    ~TimerComponent() override;

    void visibilityChanged() override;

    int getRate() const noexcept { return rate; }

protected:
    /** Timer frequency in hertz. */
    int rate;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TimerComponent)
};
