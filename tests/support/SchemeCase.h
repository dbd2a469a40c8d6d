#pragma once

#include <juce_gui_basics/juce_gui_basics.h>
#include <gtest/gtest.h>

/** One colour a look-and-feel's scheme must hold, named for the test's output. */
struct SchemeCase
{
    const char* what;
    int id;
    juce::Colour expected;

    friend std::ostream& operator<< (std::ostream& os, const SchemeCase& c) { return os << c.what; }
};

/** Checks each case against a freshly built look-and-feel of the given type. */
template <typename LookAndFeelType>
struct SchemeTest : ::testing::TestWithParam<SchemeCase>
{
    void check()
    {
        const auto c = GetParam();
        LookAndFeelType lookAndFeel;
        ASSERT_TRUE (lookAndFeel.isColourSpecified (c.id)) << std::hex << c.id;
        EXPECT_EQ (lookAndFeel.findColour (c.id).getARGB(), c.expected.getARGB());
    }
};
