// QuilLnF::setupColourScheme: the whole colour table, derived from the base colours.
#include "ui/lnf/QuilLnF.h"
#include "ui/lnf/QuilColourIds.h"

using namespace juce;

namespace
{
    /** The two hues and their shades of one modulation-pop-up row. */
    struct RowColours
    {
        uint32 p, q, qDark, pTrans, qTrans, shade1, shade2;
    };

    constexpr RowColours rowColours[QuilColourIds::numModulationRows] = {
        { 0xFFF3F573, 0xFFFFA961, 0xFF9F693C, 0x66F3F573, 0x66FFA961, 0xFF3E465C, 0xFF2A2C39 },
        { 0xFFE6A0FF, 0xFF8E65F6, 0xFF583F99, 0x66E6A0FF, 0x668E65F6, 0xFF333659, 0xFF1F2037 },
        { 0xFF5FFEDC, 0xFF5EEC93, 0xFF3A935B, 0x665FFEDC, 0x665EEC93, 0xFF313F5B, 0xFF232C3A },
        { 0xFFFD656A, 0xFFE25D87, 0xFF8D3A54, 0x66FD656A, 0x66E25D87, 0xFF2F304D, 0xFF211F31 },
        { 0xFFFD656A, 0xFFE25D87, 0xFF8D3A54, 0x66FD656A, 0x66E25D87, 0xFF2F304D, 0xFF211F31 },
        { 0xFFFD656A, 0xFFE25D87, 0xFF8D3A54, 0x66FD656A, 0x66E25D87, 0xFF2F304D, 0xFF211F31 },
        { 0xFFFD656A, 0xFFE25D87, 0xFF8D3A54, 0x66FD656A, 0x66E25D87, 0xFF2F304D, 0xFF211F31 },
        { 0xFFFD656A, 0xFFE25D87, 0xFF8D3A54, 0x66FD656A, 0x66E25D87, 0xFF2F304D, 0xFF211F31 }
    };
}

void QuilLnF::setupColourScheme()
{
    const auto background = getBackgroundColour();
    const auto highlight = getHighlightColour();
    const auto secondary = getSecondaryColour();
    const auto accent = getAccentColour();
    const auto alert = getAlertColour();
    const auto none = Colour (0x00000000);

    // The framework's widgets.
    setColour (Label::textColourId, highlight);
    setColour (Label::textWhenEditingColourId, highlight);

    setColour (TextEditor::backgroundColourId, none);
    setColour (TextEditor::textColourId, accent);
    setColour (TextEditor::highlightColourId, accent);
    setColour (TextEditor::highlightedTextColourId, background);
    setColour (TextEditor::outlineColourId, none);
    setColour (TextEditor::focusedOutlineColourId, none);
    setColour (TextEditor::shadowColourId, none);
    setColour (CaretComponent::caretColourId, accent);

    setColour (TooltipWindow::backgroundColourId, background);
    setColour (TooltipWindow::outlineColourId, highlight);
    setColour (TooltipWindow::textColourId, highlight);

    setColour (PopupMenu::backgroundColourId, none);
    setColour (PopupMenu::textColourId, highlight);
    setColour (PopupMenu::headerTextColourId, highlight);
    setColour (PopupMenu::highlightedBackgroundColourId, highlight);
    setColour (PopupMenu::highlightedTextColourId, background);

    setColour (TextButton::buttonColourId, background);
    setColour (TextButton::textColourOnId, background);
    setColour (TextButton::buttonOnColourId, highlight);
    setColour (TextButton::textColourOffId, highlight);

    setColour (HyperlinkButton::textColourId, highlight);
    setColour (AlertWindow::backgroundColourId, highlight);

    // The maker's IDs, one family per widget kind.
    setColour (0x2000900, Colour (0xFF96B3C7));  // value-legend buttons
    setColour (0x2000901, secondary.withBrightness (0.9f));
    setColour (0x2000902, accent);
    setColour (0x2001400, accent);  // knob, drive slider, radial legend
    setColour (0x2002000, accent);  // MIDI-learn button states
    setColour (0x2002001, highlight);
    setColour (0x2002002, alert);
    setColour (0x2002003, Colour (0xFF203038));
    setColour (0x2002004, Colour (0xFF333B40));
    setColour (0x2002005, Colour (0xFF2D2324));
    setColour (0x2002100, accent);  // preference buttons, main window
    setColour (0x2002101, highlight);
    setColour (0x2002102, accent.withAlpha ((uint8) 0x14));
    setColour (0x2002103, Colour (0x40000009));
    setColour (0x2230200, accent);
    setColour (0x2230201, Colour (0x730A0C0E));

    using namespace QuilColourIds;
    setColour (boxFillActive, accent.withAlpha ((uint8) 0x26));  // this look-and-feel's drawing
    setColour (boxFillIdle, Colour (0x55222933));
    setColour (boxOutlineActive, accent);
    setColour (tabText, highlight);
    setColour (iconNormal, highlight);
    setColour (iconActive, accent.darker (0.4f));
    setColour (iconHighlighted, accent);
    setColour (iconDisabled, secondary);
    setColour (tabFillActive, accent.withAlpha ((uint8) 0x26));
    setColour (tabFillIdle, Colour (0x55464C55).withSaturation (0.4f));
    setColour (0x2224000, Colour (0xFF7A7D7E));  // radial knob legend
    setColour (0x2229001, Colour (0xFF44545E));  // status bar, main window

    // The modulation pop-up's rows.
    for (int row = 0; row < numModulationRows; ++row)
    {
        const auto& ids = modulationRowIds[row];
        const auto& c = rowColours[row];

        setColour (ids.p, Colour (c.p));
        setColour (ids.q, Colour (c.q));
        setColour (ids.pAgain, Colour (c.p));
        setColour (ids.qAgain, Colour (c.q));
        setColour (ids.qThird, Colour (c.q));
        setColour (ids.qDark, Colour (c.qDark));
        setColour (ids.pTrans, Colour (c.pTrans));
        setColour (ids.qTrans, Colour (c.qTrans));
        setColour (ids.shade1, Colour (c.shade1));
        setColour (ids.shade2, Colour (c.shade2));
    }

    palette.applyColours();
    palette.definePalette();
    palette.applyToLookAndFeel();
    palette.finishPalette();
    applyPaletteColours (*this, palette);
}
