#include "params/QuilParamNamedSelector.h"
#include "params/ParamValueFormat.h"

juce::String QuilParamNamedSelector::getText (float n, int) const
{
    const auto i = truncateToIndex ((double) (n * rangeEndF));
    return i.has_value() && juce::isPositiveAndBelow (*i, names.size()) ? names[*i] : juce::String();
}

double QuilParamNamedSelector::valueForText (const juce::String& text) const
{
    for (int i = 0; i < names.size(); ++i)
        if (isOwnText (text, names[i]))
            return (double) toNormalised ((double) i);

    return juce::jlimit (0.0, 1.0, text.getDoubleValue() / (double) rangeEndF);
}
