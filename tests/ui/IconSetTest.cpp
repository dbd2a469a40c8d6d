#include "ui/lnf/IconSet.h"
#include "ui/lnf/QuilLnF.h"

#include <gtest/gtest.h>

namespace
{
    struct IconCase { int index; float width, height; };

    class IconTest : public ::testing::TestWithParam<IconCase> {};
}

TEST_P (IconTest, loadsWithItsExtentFromNonZeroMarkToEndMark)
{
    const auto c = GetParam();
    const auto* data = static_cast<const char*> (IconSet::getData (c.index));
    const auto size = IconSet::getSize (c.index);

    ASSERT_NE (data, nullptr);
    ASSERT_GT (size, 2u);
    EXPECT_EQ (data[0], 'n');
    EXPECT_EQ (data[size - 1], 'e');

    const auto icon = IconSet::loadIcon (c.index);
    EXPECT_TRUE (icon.isUsingNonZeroWinding());
    const auto bounds = icon.getBounds();
    EXPECT_TRUE (bounds.getTopLeft().getDistanceFromOrigin() < 0.01f) << bounds.toString();
    EXPECT_NEAR (bounds.getWidth(), c.width, 0.01f);
    EXPECT_NEAR (bounds.getHeight(), c.height, 0.01f);

    // Loading by the look-and-feel gives the same outline at the same place.
    EXPECT_EQ (QuilLnF().getIcons()[c.index].getBounds(), bounds);
}

INSTANTIATE_TEST_SUITE_P (Icons, IconTest, ::testing::Values (
    IconCase { 0, 12.0f, 12.0f }, IconCase { 1, 12.0f, 12.0f }, IconCase { 2, 12.0f, 11.5f },
    IconCase { 3, 10.0f, 10.0f }, IconCase { 4, 10.0f, 10.0f }, IconCase { 5, 17.4f, 9.6f },
    IconCase { 6, 17.4f, 9.5f }, IconCase { 7, 9.6f, 9.8f }));

TEST (IconSet, indicesOutsideTheSetGiveNothingAndHolesStayOpenUnderTheNonZeroRule)
{
    EXPECT_EQ (IconSet::getData (-1), nullptr);
    EXPECT_EQ (IconSet::getSize (8), 0u);

    // The save icon's hub is cut out of the disk's body.
    const auto save = IconSet::loadIcon (2);
    EXPECT_FALSE (save.contains (6.0f, 7.7f));
    EXPECT_TRUE (save.contains (1.0f, 10.5f));
}
