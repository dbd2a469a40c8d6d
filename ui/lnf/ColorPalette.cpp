#include "ui/lnf/ColorPalette.h"
#include "ui/lnf/QuilColourIds.h"

ColorPalette::ColorPalette (juce::LookAndFeel* lookAndFeelToWriteInto)
    : lookAndFeel (lookAndFeelToWriteInto)
{
}

ColorPalette::~ColorPalette() = default;

void ColorPalette::definePalette() {}

void ColorPalette::applyToLookAndFeel()
{
    if (lookAndFeel == nullptr)
        return;

    lookAndFeel->setColour (QuilColourIds::meterBackground, juce::Colour (0x99000000));
    lookAndFeel->setColour (QuilColourIds::meterLow, juce::Colour (0xFF4D5069));
    lookAndFeel->setColour (QuilColourIds::meterHigh, juce::Colour (0xFF5DC2E8));
}

void ColorPalette::finishPalette() {}

static juce::Colour startingColour (int group, int slot)
{
    if (group == 8 && (slot == 1 || slot == 2)) return juce::Colours::white;
    if (group == 9) return juce::Colours::black;
    if (group == 11 && slot == 1) return juce::Colour (0xFFFF4C4C);
    if (group == 11 && slot == 2) return juce::Colour (0xFF2F1A19);
    return juce::Colour (ColorPalette::undefinedColour);
}

void ColorPalette::applyColours()
{
    for (int g = 1; g <= ColourTable::numGroups; ++g)
        for (int s = 1; s <= ColourTable::slotsPerGroup; ++s)
            setSlot (g, s, startingColour (g, s));
}

void ColorPalette::setSlot (int group, int slot, juce::Colour colour)
{
    if (! ColourTable::isValidSlot (group, slot))
        return;

    if (lookAndFeel != nullptr)
        lookAndFeel->setColour (ColourTable::colourId (group, slot), colour);

    table.setCachedColour (group, slot, colour);
}

void applyPaletteColours (juce::LookAndFeel& lookAndFeel, const ColorPalette& palette)
{
    using namespace QuilColourIds;

    lookAndFeel.setColour (modOuterFrame, palette.getCachedColour (20, 1));
    lookAndFeel.setColour (modInnerFrame, palette.getCachedColour (21, 1));
    lookAndFeel.setColour (modOuterGradient1, palette.getCachedColour (16, 1));
    lookAndFeel.setColour (modOuterGradient2, palette.getCachedColour (17, 1));
    lookAndFeel.setColour (modSliderBackground, palette.getCachedColour (20, 1));
    lookAndFeel.setColour (modInnerGradient1, palette.getCachedColour (18, 1));
    lookAndFeel.setColour (modInnerGradient2, palette.getCachedColour (19, 1));
    lookAndFeel.setColour (modTickMarks, palette.getCachedColour (10, 2));
}
