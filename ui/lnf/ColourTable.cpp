#include "ui/lnf/ColourTable.h"

ColourTable::ColourTable (juce::Component* ownerToUse) : owner (ownerToUse)
{
    for (int g = 1; g <= numGroups; ++g)
    {
        auto& group = groups[(size_t) (g - 1)];
        group.groupNumber = (uint32_t) g;
        group.prefix = idPrefix;

        for (int s = 1; s <= slotsPerGroup; ++s)
        {
            auto& slot = group.slots[(size_t) (s - 1)];
            slot.owner = owner;
            slot.colour = 0;
            slot.colourId = (uint32_t) colourId (g, s);
        }
    }
}

void ColourTable::refreshColourGroup (int group)
{
    if (group < 1 || group > numGroups)
        return;

    for (auto& slot : groups[(size_t) (group - 1)].slots)
    {
        // A palette's table has no component behind it: nothing to pull from.
        if (slot.owner == nullptr)
            continue;

        const auto id = (int) slot.colourId;
        const auto colour = slot.owner->findColour (id, false);
        slot.owner->setColour (id, colour);
        slot.colour = colour.getARGB();
    }
}

void ColourTable::refreshColours()
{
    for (int g = 1; g <= numGroups; ++g)
        refreshColourGroup (g);
}

const ColourTable::Slot& ColourTable::getSlot (int group, int slot) const noexcept
{
    static const Slot none;

    if (! isValidSlot (group, slot))
        return none;

    return groups[(size_t) (group - 1)].slots[(size_t) (slot - 1)];
}

juce::Colour ColourTable::getColour (int group, int slot) const noexcept
{
    if (! isValidSlot (group, slot))
        return juce::Colours::black;

    return juce::Colour (getSlot (group, slot).colour);
}

void ColourTable::setCachedColour (int group, int slot, juce::Colour colour) noexcept
{
    if (isValidSlot (group, slot))
        groups[(size_t) (group - 1)].slots[(size_t) (slot - 1)].colour = colour.getARGB();
}
