#pragma once

#include "ui/toolkit/BaseColoredComponent.h"

/** A coloured component that polls the parameters it shows, at 60 Hz and only
    while visible. Subclasses keep their parameter pointers and cached values, and
    repaint only when a polled value differs from its cache. */
class ParamComponent : public BaseColoredComponent,
                       public juce::Timer
{
public:
    ParamComponent();
    ~ParamComponent() override;

    /** Reads the parameters, compares them with the cache, and on change updates
        the cache and repaints. */
    virtual void updateFromParameters() = 0;

    void timerCallback() override;
    void visibilityChanged() override;

    int getRate() const noexcept { return rate; }

protected:
    /** False until the first poll; while false a subclass updates even when the
        value equals its (not yet filled) cache. */
    bool polled = false;
    int rate = 60;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ParamComponent)
};
