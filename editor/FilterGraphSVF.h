#pragma once

#include "editor/FilterGraph.h"

/** The state-variable filter's sketch: a flat pass band, a resonance peak at the
    cutoff and slopes that move continuously from low-pass through band-pass to
    high-pass with the type. Inputs out of their ranges are limited to them, and
    values that are not finite read as 0, so the curve always stays in the graph. */
class FilterGraphSVF : public FilterGraph
{
public:
    void buildPath (juce::Path& open, juce::Path& closed, Inputs, juce::Rectangle<float> graph) const override;
};
