#include "editor/MyLnF.h"
#include "editor/VortaneColours.h"

using juce::Colour;

MyLnF::MyLnF()
{
    // The base constructor built the scheme from the maker's colours; now the
    // product's base colours are in place.
    setupColourScheme();
    setProductColours();

    productPalette.applyColours();
    productPalette.definePalette();
    productPalette.applyToLookAndFeel();
    productPalette.finishPalette();
}

MyLnF::~MyLnF() = default;

Colour MyLnF::getBackgroundColour() const { return Colour (0xFF101010); }
Colour MyLnF::getSecondaryColour() const { return Colour (0xFFBABABC); }
Colour MyLnF::getTextColour() const { return Colour (0xFFFF00FF); }
Colour MyLnF::getHighlightColour() const { return Colour (0xFFEAEAEA); }
Colour MyLnF::getAccentColour() const { return Colour (VortaneColours::green); }
Colour MyLnF::getAccentDarkColour() const { return Colour (0xFFB1B1B4); }
Colour MyLnF::getAlertColour() const { return Colour (0xFFFF4C4C); }
Colour MyLnF::getAlertDarkColour() const { return Colour (0x00000000); }

void MyLnF::drawButtonBackground (juce::Graphics& g, juce::Button& button, const Colour& background,
                                  bool isMouseOverButton, bool isButtonDown)
{
    // The body fills the outline's rectangle (inset 1.5, corner 3).
    g.setColour (background);
    g.fillRoundedRectangle (button.getLocalBounds().toFloat().reduced (1.5f), 3.0f);

    QuilLnF::drawButtonBackground (g, button, background, isMouseOverButton, isButtonDown);
}

void MyLnF::setProductColours()
{
    using namespace VortaneColours;

    struct Entry
    {
        int id;
        juce::uint32 colour;
    };

    static constexpr Entry fixed[] = {
        // Modulation rows 1 and 2.
        { 0x2222007, 0xFF96FF98 },
        { 0x2223001, 0xFFA8D56A },
        { 0x2222008, sage },
        { 0x2222009, 0xFFFAFAFA },
        { 0x2222010, lightGreen },
        { 0x2223009, 0xFF787E91 },
        { 0x2223010, 0x6696FF98 },
        { 0x2223011, 0x66A8D56A },
        { 0x2222012, 0xFF2F3336 },
        { 0x2223005, 0xFF15161B },
        { 0x2222013, 0xFF96FF98 },
        { 0x2223002, 0xFFA8D56A },
        { 0x2222014, sage },
        { 0x2222015, 0xFFFAFAFA },
        { 0x2222016, lightGreen },
        { 0x2223012, 0xFF787E91 },
        { 0x2223013, 0x6696FF98 },
        { 0x2223014, 0x66A8D56A },
        { 0x2222018, 0xFF2F3336 },
        { 0x2223006, 0xFF15161B },
        // Value legends, slider bars and drive scale.
        { 0x2000900, 0xFF8D9987 },
        { 0x2227010, 0xFF8D9987 },
        { 0x2227011, 0xCCF76861 },
        { 0x2227012, 0xFFF76861 },
        { 0x2001000, 0xFFD7FDB7 },
        { 0x2001001, green },
        { 0x2227000, 0xFFFC615F },
        { 0x2227001, 0xFF53D666 },
        { 0x2227002, 0xFFE5A65B },
        { 0x2227003, 0xFFB5C861 },
        { 0x2001003, green },
        // Settings screen connectors and preference buttons.
        { 0x2226000, 0xFF3A4245 },
        { 0x2002101, green },
        { 0x2002100, 0xFF77FF75 },
        { 0x2002103, 0x7324333F },
        { 0x2230201, 0x7311161A },
        { 0x2002102, 0xFF32724D },
        // Knob: modulation arcs, caps and sheens.
        { 0x2226001, lightGreen },
        { 0x2226002, 0xFF434546 },
        { 0x2226003, 0xFF2A2E31 },
        { 0x2226004, 0xFF15171C },
        { 0x2226005, 0xFF181B20 },
        { 0x2226010, 0xFF0F1118 },
        { 0x2226011, 0xFF0F1118 },
        { 0x2226006, 0xFFAEB0AA },
        { 0x2226007, 0xFF6C6F6C },
        { 0x2226008, 0xFF3A3E40 },
        { 0x2226009, 0xFF444749 },
        { 0x2226012, 0xFF111318 },
        { 0x2226013, 0xFF333537 }
    };

    for (const auto& e : fixed)
        setColour (e.id, Colour (e.colour));

    setColour (0x2002900, getAccentColour().darker (0.15f));
    setColour (0x2002901, getAccentDarkColour());
    setColour (0x2227300, getAccentColour());
    setColour (0x2227301, Colour (lightGreen).withSaturation (0.2f));
    setColour (0x2229001, Colour (0xFF444C5E));
}
