#include "editor/VortaneColorPalette.h"
#include "editor/VortaneColours.h"
#include "ui/lnf/QuilColourIds.h"

using juce::Colour;

VortaneColorPalette::~VortaneColorPalette() = default;

void VortaneColorPalette::definePalette()
{
    const int whiteId = ColourTable::colourId (8, 1);
    const auto white = lookAndFeel != nullptr && lookAndFeel->isColourSpecified (whiteId)
        ? lookAndFeel->findColour (whiteId)
        : juce::Colours::black;

    setSlot (1, 1, Colour (VortaneColours::green));
    setSlot (1, 3, Colour (0xFF61DF88));
    setSlot (1, 2, Colour (0x4C23D359));
    setSlot (1, 4, Colour (0x9923D359));
    setSlot (6, 1, Colour (0xFF101A27));
    setSlot (6, 2, Colour (0x80101A27));
    setSlot (2, 1, Colour (0xFF89FE84));
    setSlot (2, 3, white);
    setSlot (4, 1, Colour (0xFFD0CBC9));
    setSlot (10, 3, Colour (0xFFD0CBC9));
    setSlot (5, 2, Colour (0xFF101A27).withMultipliedBrightness (1.5f));
    setSlot (16, 1, Colour (0xFF424748));
    setSlot (17, 1, Colour (0xFF1A1B24));
    setSlot (18, 1, Colour (0xFF373A3E));
    setSlot (19, 1, Colour (0xFF111118));
    setSlot (20, 1, Colour (0xFF121218));
    setSlot (21, 1, Colour (0xFF121218));
    setSlot (10, 2, Colour (0xFF474E54));
}

void VortaneColorPalette::applyToLookAndFeel()
{
    if (lookAndFeel == nullptr)
        return;

    // The meter's background keeps what the look-and-feel's own palette set.
    lookAndFeel->setColour (QuilColourIds::meterLow, Colour (0xFF53D666));
    lookAndFeel->setColour (QuilColourIds::meterHigh, Colour (0xFFDE6D48));

    applyPaletteColours (*lookAndFeel, *this);
}

void VortaneColorPalette::finishPalette() {}
