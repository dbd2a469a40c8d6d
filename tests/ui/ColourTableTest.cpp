#include "ui/toolkit/BaseColoredComponent.h"

#include <gtest/gtest.h>
#include <set>

namespace
{
    struct IdCase { int group, slot; int id; };

    class ColourIdTest : public ::testing::TestWithParam<IdCase> {};

    /** A component drawing with a look-and-feel the test owns. */
    struct ColouredWidget
    {
        ColouredWidget()   { component.setLookAndFeel (&lookAndFeel); }
        ~ColouredWidget()  { component.setLookAndFeel (nullptr); }

        ColourTable& table() { return component.getColourTable(); }

        juce::LookAndFeel_V4 lookAndFeel;
        BaseColoredComponent component;
    };
}

TEST_P (ColourIdTest, idIsPrefixGroupAndSlotPacked)
{
    const auto c = GetParam();
    const BaseColoredComponent component;
    const auto& slot = component.getColourTable().getSlot (c.group, c.slot);

    EXPECT_EQ (c.id, (0x99 << 20) | (c.group << 12) | c.slot);
    EXPECT_EQ (ColourTable::colourId (c.group, c.slot), c.id);
    EXPECT_EQ ((int) slot.colourId, c.id);
    EXPECT_EQ (slot.owner, &component);
    EXPECT_EQ (slot.colour, 0u);
}

INSTANTIATE_TEST_SUITE_P (Slots, ColourIdTest, ::testing::Values (
    IdCase { 1, 1, 0x09901001 }, IdCase { 8, 2, 0x09908002 }, IdCase { 10, 3, 0x0990A003 },
    IdCase { 11, 2, 0x0990B002 }, IdCase { 21, 6, 0x09915006 }));

TEST (ColourTable, everyOneOfTheHundredAndTwentySixIdsIsDistinct)
{
    std::set<int> ids;

    for (int g = 1; g <= ColourTable::numGroups; ++g)
        for (int s = 1; s <= ColourTable::slotsPerGroup; ++s)
            ids.insert (ColourTable::colourId (g, s));

    EXPECT_EQ (ids.size(), 126u);
}

TEST (ColourTable, aRefreshCopiesTheLookAndFeelColourOnceAndTheComponentsOwnColourWins)
{
    ColouredWidget w;
    w.lookAndFeel.setColour (ColourTable::colourId (8, 1), juce::Colour (0xFF123456));
    w.lookAndFeel.setColour (ColourTable::colourId (5, 2), juce::Colour (0xFF00FF00));
    w.component.setColour (ColourTable::colourId (5, 2), juce::Colour (0xFF0000FF));

    w.table().refreshColours();
    EXPECT_EQ (w.table().getColour (8, 1), juce::Colour (0xFF123456));
    EXPECT_TRUE (w.component.isColourSpecified (ColourTable::colourId (8, 1)));
    EXPECT_EQ (w.table().getColour (5, 2), juce::Colour (0xFF0000FF));

    // Later look-and-feel changes do not reach an already refreshed component.
    w.lookAndFeel.setColour (ColourTable::colourId (8, 1), juce::Colour (0xFFFF0000));
    w.table().refreshColourGroup (8);
    EXPECT_EQ (w.table().getColour (8, 1), juce::Colour (0xFF123456));
}

TEST (ColourTable, refreshingOneGroupLeavesTheOthersUntouched)
{
    ColouredWidget w;
    w.lookAndFeel.setColour (ColourTable::colourId (2, 1), juce::Colour (0xFF111111));
    w.lookAndFeel.setColour (ColourTable::colourId (3, 1), juce::Colour (0xFF222222));

    w.table().refreshColourGroup (2);

    EXPECT_EQ (w.table().getColour (2, 1), juce::Colour (0xFF111111));
    EXPECT_EQ (w.table().getSlot (3, 1).colour, 0u);
}

TEST (ColourTable, aTableWithoutOwnerIsSkippedAndSlotsOutsideItReadAsBlack)
{
    ColourTable table (nullptr);

    table.refreshColours();
    table.refreshColourGroup (7);
    for (int g = 1; g <= ColourTable::numGroups; ++g)
        for (int s = 1; s <= ColourTable::slotsPerGroup; ++s)
            EXPECT_EQ (table.getSlot (g, s).colour, 0u);

    table.setCachedColour (22, 1, juce::Colours::red);
    table.setCachedColour (1, 0, juce::Colours::red);
    table.refreshColourGroup (0);
    EXPECT_EQ (table.getColour (0, 1), juce::Colours::black);
    EXPECT_EQ (table.getColour (1, 7), juce::Colours::black);
    EXPECT_EQ (table.getSlot (22, 1).colourId, 0u);
}
