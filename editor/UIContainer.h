#pragma once

#include "ui/toolkit/BgImage.h"

struct ProcessorData;

/** The control panel: the product's controls over the panel's background picture,
    laid out at fixed positions at the window's base size. */
class UIContainer : public juce::Component
{
public:
    explicit UIContainer (ProcessorData& data);
    ~UIContainer() override;

    void paintOverChildren (juce::Graphics&) override {}
    void resized() override;

    const BgImage& getBackground() const noexcept { return background; }

private:
    ProcessorData& data;
    BgImage background;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (UIContainer)
};
