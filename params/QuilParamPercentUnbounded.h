#pragma once

#include "params/QuilParamFloat.h"

/** "Resonance": the real value shown times ten (or times a hundred, as percent). */
class QuilParamPercentUnbounded : public QuilParamFloat
{
public:
    using QuilParamFloat::QuilParamFloat;

    juce::String getText (float normalised, int maximumLength) const override;

    bool displayTimesTen = true;

protected:
    double valueForText (const juce::String& text) const override;

private:
    double displayFactor() const noexcept { return displayTimesTen ? 10.0 : 100.0; }
};
