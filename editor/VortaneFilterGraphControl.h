#pragma once

#include "editor/FilterGraph.h"
#include "ui/toolkit/ParamComponent.h"

#include <memory>

class QuilParam;

/** A small sketch of the filter's response over a knob: pass band, resonance peak
    at the cutoff and the type's slopes, clipped to a rounded square and filled with
    a soft glow. It polls its parameters at 60 Hz and rebuilds the curve only when
    one changed. Clicks pass through to the knob beneath. */
class VortaneFilterGraphControl : public ParamComponent
{
public:
    /** Any of the three may be null: a missing cutoff reads as 0.5 (normalised), a
        missing resonance and a missing type as 0, and a value that is not finite as 0.
        The panel binds "Cutoff", "Resonance" and "Type" over the cutoff knob, and
        only "Type" (nullptr, nullptr, type) over the type knob. Not owned. */
    VortaneFilterGraphControl (QuilParam* cutoff, QuilParam* resonance, QuilParam* type);
    ~VortaneFilterGraphControl() override;

    void updateFromParameters() override;
    void resized() override;
    void paint (juce::Graphics&) override;

    /** The curve as the last poll built it. */
    const juce::Path& getResponsePath() const noexcept { return openPath; }
    const juce::Path& getFilledPath() const noexcept { return closedPath; }
    juce::Rectangle<float> getGraphArea() const noexcept { return graphArea; }

    static constexpr juce::uint32 graphColour = 0xFF89FE84;

private:
    QuilParam* cutoffParam;
    QuilParam* resonanceParam;
    QuilParam* typeParam;
    QuilParam* slopeParam = nullptr;  // the builder takes a slope; this product binds none

    float cutoff = 0.0f, resonance = 0.0f, type = 0.0f, slope = 0.0f;

    juce::Path openPath, closedPath, clipPath;
    juce::Rectangle<float> graphArea;
    std::unique_ptr<FilterGraph> graph;
    float fillAlpha = 0.4f;
    juce::ColourGradient fill;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VortaneFilterGraphControl)
};
