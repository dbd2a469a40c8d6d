#pragma once

#include "ui/toolkit/ParamComponent.h"

class QuilParam;

/** Short texts placed evenly around a knob over the knob's 270° sweep; a click on one
    sets the knob's parameter to that entry's value (entry i of N stands for
    minimum + i × range / (N − 1)) as one gesture. Only the ring where the texts stand
    takes the mouse, so clicks inside it reach the knob. */
class RadialKnobLegend : public ParamComponent
{
public:
    /** parameter: the knob's parameter, which outlives the legend. entries: the texts
        from the minimum to the maximum; empty texts are clickable places too. */
    RadialKnobLegend (QuilParam& parameter, const juce::StringArray& entries);
    ~RadialKnobLegend() override;

    void mouseMove (const juce::MouseEvent&) override;
    void mouseEnter (const juce::MouseEvent&) override;
    void mouseExit (const juce::MouseEvent&) override;
    void mouseDown (const juce::MouseEvent&) override;
    void mouseDrag (const juce::MouseEvent&) override {}
    void mouseUp (const juce::MouseEvent&) override {}

    bool hitTest (int x, int y) override;
    void paint (juce::Graphics&) override;
    void resized() override;
    void updateFromParameters() override;

    int getNumEntries() const noexcept { return entries.size(); }
    int getHoveredIndex() const noexcept { return hovered; }
    int getSelectedIndex() const noexcept { return selected; }
    /** The 20 × 10 box an entry's text is centred in, in the legend's coordinates. */
    juce::Rectangle<float> getEntryBox (int index) const;
    /** The value entry i stands for. */
    double valueOfEntry (int index) const;

private:
    /** The entry nearest a point's angle, limited to the entries. */
    int entryAt (juce::Point<int> position) const;
    void updateSelected();
    void setHovered (int index);

    QuilParam& parameter;
    float cx = 0.0f, cy = 0.0f;
    int hovered = -1, selected = -1;
    juce::Colour accentColour, labelColour;
    juce::ColourGradient selectedGradient;
    juce::Path hitPath;
    double lastValue = 0.0;
    juce::StringArray entries;
    juce::Array<juce::Rectangle<float>> boxes;
    float radius = 0.0f, labelRadius = 0.0f, angleStep = 0.0f;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (RadialKnobLegend)
};
