#pragma once

#include <juce_graphics/juce_graphics.h>

/** Builds the sketch of a filter response that VortaneFilterGraphControl draws. */
class FilterGraph
{
public:
    /** The builder's inputs: normalised cutoff and resonance, the type's real value
        (0 low-pass, 0.5 band-pass, 1 high-pass) and the slope (0 when not bound). */
    struct Inputs
    {
        float cutoff = 0.5f, resonance = 0.0f, type = 0.0f, slope = 0.0f;
    };

    virtual ~FilterGraph() = default;

    /** Replaces both paths: the open response curve and the same curve closed over
        the graph's floor, within the graph rectangle. */
    virtual void buildPath (juce::Path& open, juce::Path& closed, Inputs, juce::Rectangle<float> graph) const = 0;
};
