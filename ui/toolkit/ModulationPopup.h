#pragma once

#include "core/ModulationStyle.h"
#include <juce_gui_basics/juce_gui_basics.h>
#include <memory>
#include <vector>

/** The small window a modulation button opens: a rounded, gradient-filled frame with
    the destination's name as its title and one slider column per control input.
    It keeps its own copy of the styling it was opened with. */
class ModulationPopup : public juce::Component
{
public:
    static constexpr int columnWidth = 35;
    static constexpr int maxColumns = 2;

    ModulationPopup (const juce::String& title, const ModulationStyle& style,
                     float columnHeight = 196.0f, int margin = 10);
    ~ModulationPopup() override;

    /** Column i at x = margin + i × (margin + 35), y 0, 35 wide, the given height;
        empty for a count below 1. */
    static std::vector<juce::Rectangle<float>> layoutRows (int count, int margin, int height);

    /** Lays out count columns (at most two) and sizes the pop-up around them: 110 × 225
        for two columns of 196. */
    void layOutColumns (int count);

    /** Takes a column (a ModulationSliderStereo) and shows it at its rectangle; ignored
        outside the laid-out columns. */
    void setColumn (int index, std::unique_ptr<juce::Component> column);

    juce::Component* getColumn (int index) const noexcept;
    const std::vector<juce::Rectangle<float>>& getColumnRects() const noexcept { return columnRects; }
    const juce::String& getTitle() const noexcept { return title; }
    juce::Rectangle<float> getTitleArea() const noexcept { return titleArea; }

    void paint (juce::Graphics&) override;
    void resized() override;

private:
    juce::String title;
    std::unique_ptr<juce::Component> columns[maxColumns];
    juce::Rectangle<float> titleArea, innerFrame, outerFrame;
    std::vector<juce::Rectangle<float>> columnRects;
    int numColumns = 0;
    std::vector<juce::Path> tickMarks;
    float columnHeight;
    juce::Colour outerFrameColour, innerFrameColour;
    juce::ColourGradient outerGradient, innerGradient;
    int margin;
    const ModulationStyle style;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ModulationPopup)
};
