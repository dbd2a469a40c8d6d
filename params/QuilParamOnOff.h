#pragma once

#include "params/QuilParam.h"

/** "Power": a switch shown with an on-text and an off-text. */
class QuilParamOnOff : public QuilParam
{
public:
    using QuilParam::QuilParam;

    juce::String getText (float normalised, int maximumLength) const override;

    juce::String onText { "On" }, offText { "Off" };

protected:
    /** Its own texts read back to themselves; a number is on when above 0. */
    double valueForText (const juce::String& text) const override;
};
