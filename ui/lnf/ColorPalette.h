#pragma once

#include "ui/lnf/ColourTable.h"

/** Writes a colour for every toolkit widget colour ID into a look-and-feel.
    A product derives its own palette to put its colours into chosen slots.
    Use: applyColours, definePalette, applyToLookAndFeel, finishPalette, in this order. */
class ColorPalette
{
public:
    /** Marks a slot that no palette has defined. */
    static constexpr juce::uint32 undefinedColour = 0xFF8800FF;

    explicit ColorPalette (juce::LookAndFeel* lookAndFeelToWriteInto);
    virtual ~ColorPalette();

    virtual void definePalette();
    virtual void applyToLookAndFeel();
    virtual void finishPalette();

    /** Gives every slot its starting colour: magenta, except the few fixed ones. */
    void applyColours();

    /** Sets one slot: writes the colour into the look-and-feel and caches it. */
    void setSlot (int group, int slot, juce::Colour colour);

    juce::Colour getCachedColour (int group, int slot) const noexcept { return table.getColour (group, slot); }
    const ColourTable& getTable() const noexcept { return table; }
    juce::LookAndFeel* getLookAndFeel() const noexcept { return lookAndFeel; }

protected:
    juce::LookAndFeel* lookAndFeel;
    ColourTable table { nullptr };

private:
    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ColorPalette)
};

/** Copies eight cached palette colours into the modulation pop-up's frame and
    gradient colour IDs of the look-and-feel. */
void applyPaletteColours (juce::LookAndFeel& lookAndFeel, const ColorPalette& palette);
