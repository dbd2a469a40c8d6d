#pragma once

#include "ui/toolkit/BasicSlider.h"
#include "ui/toolkit/ModulationReadout.h"

#include <array>
#include <atomic>

/** The drive control: a gently curved row of short segments that light up below the
    value and swell around it, a small handle below the scale that moves with the
    value, two modulation lines and the value text above. Dragged horizontally. */
class VortaneDriveSlider : public BasicSlider
{
public:
    static constexpr int numSegments = 33;

    /** param: the drive parameter; modLeft, modRight: the engine's modulated drive
        values (ProcessorData::displayValues), read at every poll. */
    VortaneDriveSlider (QuilParam& param, const std::atomic<double>* modLeft, const std::atomic<double>* modRight);
    ~VortaneDriveSlider() override;

    void paint (juce::Graphics&) override;
    void resized() override;
    void updateFromParameters() override;
    void updateGraphics() override;

    /** Where the handle is drawn, before paint moves everything down by paintOffset. */
    juce::Rectangle<float> getHandleBounds() const noexcept { return handle; }
    const ModulationReadout& getModulation() const noexcept { return modulation; }

    /** paint draws the scale, handle and modulation lines this far below their geometry. */
    static constexpr float paintOffset = 20.0f;

private:
    ModulationReadout modulation;
    std::array<juce::Path, numSegments> segments;
    float outerRadius = 520.0f, innerRadius = 516.0f;
    float skew = 0.0005f;  // half-turns a segment leans towards the value
    bool flipped = false;
    juce::Path leftLine, rightLine;
    juce::Rectangle<float> handle;
    juce::uint32 accentColour = 0;
    juce::ColourGradient scale;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VortaneDriveSlider)
};
