#pragma once

#include "core/VortaneAudioProcessor.h"
#include "params/QuilParamTypes.h"

/** Sets a parameter's real value the way the host does: through its normalised value. */
inline void setReal (QuilParam* p, double realValue)
{
    p->setValue (p->toNormalised (realValue));
}

/** Puts every depth and stereo mode to 0, so that the side chain has no effect. */
inline void clearModulation (ProcessorData& data)
{
    for (int d = 0; d < numDestinations; ++d)
        for (int input = 0; input < 2; ++input)
        {
            setReal (data.stereoMode[d][input], 0.0);
            for (int side = 0; side < 2; ++side)
                setReal (data.depth[d][input][side], 0.0);
        }
}
