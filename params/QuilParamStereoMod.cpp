#include "params/QuilParamStereoMod.h"
#include "params/ParamValueFormat.h"

#include <iterator>

QuilParamStereoMod::QuilParamStereoMod (const juce::String& paramName, QuilParam* l, QuilParam* r)
    : QuilParam (paramName, paramName, paramName, 0.0), left (l), right (r)
{
    setRange (0.0, 2.0);
    setDefaultRealValue (0.0, true);
    setNumSteps (3);
    setMeta (true);
}

juce::String QuilParamStereoMod::getText (float n, int) const
{
    const auto mode = truncateToIndex ((double) toReal (n));
    return mode == 1 ? modeNames[1]
        : mode == 2  ? modeNames[2]
                     : modeNames[0];
}

double QuilParamStereoMod::valueForText (const juce::String& text) const
{
    for (int mode = 0; mode < (int) std::size (modeNames); ++mode)
        if (isOwnText (text, modeNames[mode]))
            return (double) toNormalised ((double) mode);

    return QuilParam::valueForText (text);
}
