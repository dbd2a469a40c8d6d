#pragma once

#include "ui/toolkit/BgImage.h"
#include "ui/toolkit/DefaultSizeLabel.h"
#include "ui/toolkit/ModulationButton.h"

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

private:
    // Construction order; the constructor adds them in the stacking order.
    BgImage background;

    DefaultSizeLabel inLabel { "IN" };
    ModulationButton inModulation;

    DefaultSizeLabel outLabel { "OUT" };
    ModulationButton outModulation;

    DefaultSizeLabel cutoffLabel { "CUTOFF" };
    ModulationButton cutoffModulation;

    DefaultSizeLabel driveLabel { "DRIVE" };
    ModulationButton driveModulation;

    DefaultSizeLabel resonanceLabel { "RES" };
    ModulationButton resonanceModulation;

    DefaultSizeLabel typeLabel { "TYPE" };
    ModulationButton typeModulation;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (UIContainer)
};
