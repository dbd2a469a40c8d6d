#pragma once

#include "editor/RadialKnobLegend.h"
#include "editor/VortaneDriveModeButton.h"
#include "editor/VortaneDriveSlider.h"
#include "editor/VortaneDriveSliderLegend.h"
#include "editor/VortaneFilterGraphControl.h"
#include "editor/VortaneKnob.h"
#include "editor/VortaneSlider.h"
#include "editor/VortaneSliderLegend.h"
#include "ui/toolkit/BgImage.h"
#include "ui/toolkit/DefaultSizeLabel.h"
#include "ui/toolkit/ModulationButton.h"
#include "ui/toolkit/SegmentedStereoMeter.h"

struct ProcessorData;

/** The control panel: the product's controls over the panel's background picture,
    laid out at fixed positions at the window's base size (the editor scales the whole
    window). It draws nothing itself; every child polls what it shows. */
class UIContainer : public juce::Component
{
public:
    /** rotaryKnobs: the processor's knob drag-mode flag (true = circular drag), read
        by the knobs at every mouse-down. */
    UIContainer (ProcessorData& data, bool& rotaryKnobs);
    ~UIContainer() override;

    void paintOverChildren (juce::Graphics&) override {}
    void resized() override;

    /** The knobs' centres in the panel, in points. */
    static constexpr juce::Point<int> cutoffCentre { 351, 104 }, resonanceCentre { 499, 157 },
        typeCentre { 203, 157 };

    const BgImage& getBackground() const noexcept { return background; }
    ModulationButton& getModulationButton (int destination) noexcept;
    /** The knob and legend of a destination: destCutoff, destResonance or destType. */
    VortaneKnob& getKnob (int destination) noexcept;
    RadialKnobLegend& getKnobLegend (int destination) noexcept;
    VortaneSlider& getLevelSlider (bool output) noexcept { return output ? outSlider : inSlider; }
    VortaneSliderLegend& getLevelLegend (bool output) noexcept { return output ? outLegend : inLegend; }
    VortaneDriveSlider& getDriveSlider() noexcept { return driveSlider; }
    VortaneDriveSliderLegend& getDriveLegend() noexcept { return driveLegend; }
    VortaneDriveModeButton& getDriveModeButton (bool hot) noexcept { return hot ? hotButton : coldButton; }

private:
    // Construction order; the constructor adds them in the stacking order.
    BgImage background;
    SegmentedStereoMeter inputMeter, outputMeter;

    VortaneSlider inSlider;
    VortaneSliderLegend inLegend;
    DefaultSizeLabel inLabel { "IN" };
    ModulationButton inModulation;

    VortaneSlider outSlider;
    VortaneSliderLegend outLegend;
    DefaultSizeLabel outLabel { "OUT" };
    ModulationButton outModulation;

    VortaneKnob cutoffKnob;
    DefaultSizeLabel cutoffLabel { "CUTOFF" };
    RadialKnobLegend cutoffLegend;
    VortaneFilterGraphControl cutoffGraph;
    ModulationButton cutoffModulation;

    VortaneDriveSlider driveSlider;
    VortaneDriveSliderLegend driveLegend;
    DefaultSizeLabel driveLabel { "DRIVE" };
    ModulationButton driveModulation;
    VortaneDriveModeButton hotButton, coldButton;

    VortaneKnob resonanceKnob;
    DefaultSizeLabel resonanceLabel { "RES" };
    ModulationButton resonanceModulation;
    RadialKnobLegend resonanceLegend;

    VortaneKnob typeKnob;
    DefaultSizeLabel typeLabel { "TYPE" };
    VortaneFilterGraphControl typeGraph;
    ModulationButton typeModulation;
    RadialKnobLegend typeLegend;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (UIContainer)
};
