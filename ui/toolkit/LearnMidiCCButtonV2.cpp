#include "ui/toolkit/LearnMidiCCButtonV2.h"
#include "ui/lnf/QuilMetrics.h"

LearnMidiCCButtonV2::LearnMidiCCButtonV2 (MidiCCListener& controllerMap, int index)
    : LearnMidiCCButton (controllerMap, index)
{
}

LearnMidiCCButtonV2::~LearnMidiCCButtonV2() = default;

void LearnMidiCCButtonV2::updateStateColours()
{
    colourTable.refreshColours();
    const auto colour = [this] (int group, int slot)
    { return colourTable.getColour (group, slot); };

    glyphColours[idle] = colour (10, 3);
    hoverGlyphColours[idle] = colour (1, 1);
    frameColours[idle] = colour (18, 1);

    glyphColours[learning] = colour (11, 1);
    hoverGlyphColours[learning] = colour (11, 1);
    frameColours[learning] = colour (11, 1).withMultipliedBrightness (0.2f).withMultipliedSaturation (0.4f);

    glyphColours[learned] = colour (1, 1);
    hoverGlyphColours[learned] = colour (10, 3);
    frameColours[learned] = colour (6, 2).brighter (0.05f);
}

void LearnMidiCCButtonV2::resized()
{
    layOut (QuilMetrics::getCornerSize (*this));
}

void LearnMidiCCButtonV2::paint (juce::Graphics& g)
{
    paintButton (g, false);
}
