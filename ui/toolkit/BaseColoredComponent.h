#pragma once

#include "ui/lnf/ColourTable.h"

/** A component with its own colour table, pulled from its look-and-feel. */
class BaseColoredComponent : public juce::Component
{
public:
    BaseColoredComponent();
    ~BaseColoredComponent() override;

    ColourTable& getColourTable() noexcept { return colourTable; }
    const ColourTable& getColourTable() const noexcept { return colourTable; }

protected:
    ColourTable colourTable { this };

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (BaseColoredComponent)
};
