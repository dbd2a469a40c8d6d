#pragma once

#include <juce_gui_basics/juce_gui_basics.h>
#include <array>
#include <cstdint>

/** The toolkit's 126 widget colour slots: 21 groups of 6, each slot carrying its
    colour ID (0x09900000 + (group << 12) + slot) and the colour last pulled from
    its owner's look-and-feel. Groups and slots are numbered from 1. */
class ColourTable
{
public:
    static constexpr int numGroups = 21;
    static constexpr int slotsPerGroup = 6;
    static constexpr uint32_t idPrefix = 0x99;

    static constexpr int colourId (int group, int slot) noexcept
    {
        return (int) ((idPrefix << 20) | ((uint32_t) group << 12) | (uint32_t) slot);
    }

    static constexpr bool isValidSlot (int group, int slot) noexcept
    {
        return group >= 1 && group <= numGroups && slot >= 1 && slot <= slotsPerGroup;
    }

    struct Slot
    {
        juce::Component* owner = nullptr;
        uint32_t colour = 0;
        uint32_t colourId = 0;
    };

    struct Group
    {
        std::array<Slot, slotsPerGroup> slots;
        uint32_t groupNumber = 0;
        uint32_t prefix = idPrefix;
    };

    /** The owner is the component whose colours these are; null for a palette's table. */
    explicit ColourTable (juce::Component* owner);

    /** Pulls the six colours of one group from the owner, storing each on the owner
        so that later refreshes keep the first value. A table without owner is left
        as it is. */
    void refreshColourGroup (int group);
    void refreshColours();

    /** The cached colour of a slot (opaque black for a slot that does not exist). */
    juce::Colour getColour (int group, int slot) const noexcept;
    void setCachedColour (int group, int slot, juce::Colour colour) noexcept;
    const Slot& getSlot (int group, int slot) const noexcept;
    juce::Component* getOwner() const noexcept { return owner; }

private:
    juce::Component* owner;
    std::array<Group, numGroups> groups;

    JUCE_DECLARE_NON_COPYABLE (ColourTable)
};
