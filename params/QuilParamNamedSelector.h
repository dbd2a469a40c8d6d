#pragma once

#include "params/QuilParam.h"

/** "Drive Mode": one name per whole real value. */
class QuilParamNamedSelector : public QuilParam
{
public:
    using QuilParam::QuilParam;

    juce::String getText (float normalised, int maximumLength) const override;

    juce::StringArray names;

protected:
    /** A name reads back as its real value; a number as a fraction of the range end. */
    double valueForText (const juce::String& text) const override;
};
