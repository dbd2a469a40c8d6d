#pragma once

#include "ui/lnf/ColorPalette.h"

/** The product's colours for the toolkit's widget slots and its meter colours. */
class VortaneColorPalette : public ColorPalette
{
public:
    using ColorPalette::ColorPalette;
    ~VortaneColorPalette() override;

    void definePalette() override;
    void applyToLookAndFeel() override;
    void finishPalette() override;

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (VortaneColorPalette)
};
