#pragma once

#include "editor/VortaneSliderHandle.h"
#include "ui/toolkit/BasicControl.h"
#include "ui/toolkit/ModulationReadout.h"

#include <atomic>

/** The vertical level slider of "In" and "Out": a bar filled from the bottom up to
    the value, two thin lines from the value to the left and right channels'
    modulated values, a round handle at the value and the value text below.
    Geometry is rebuilt when the value or a modulated value changes; paint only fills. */
class VortaneSlider : public BasicControl
{
public:
    /** param: the level parameter; modLeft, modRight: the engine's modulated values of
        the slider's destination (ProcessorData::displayValues), read at every poll. */
    VortaneSlider (QuilParam& param, const std::atomic<double>* modLeft, const std::atomic<double>* modRight);
    ~VortaneSlider() override;

    void paint (juce::Graphics&) override;
    void resized() override;
    void updateFromParameters() override;
    void updateGraphics() override;

    const juce::Path& getBarPath() const noexcept { return bar; }
    juce::Rectangle<float> getHandleBounds() const noexcept { return handle.getHandleBounds(); }
    const ModulationReadout& getModulation() const noexcept { return modulation; }

private:
    ModulationReadout modulation;
    juce::Path bar;
    juce::uint32 accentColour = 0, c0 = 0, c1 = 0, c2 = 0, c3 = 0;
    VortaneSliderHandle handle;
    juce::PathStrokeType barStroke { 5.0f, juce::PathStrokeType::curved, juce::PathStrokeType::rounded };
    bool alternativeColours = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VortaneSlider)
};
