#include "ui/lnf/IconSet.h"

#include <gtest/gtest.h>

// The website button shows the link icon; indices outside the set give nothing.
TEST (IconSet, iconsLoadFilledNonZeroAndIndicesOutsideTheSetGiveNothing)
{
    for (int i = 0; i < IconSet::numIcons; ++i)
    {
        EXPECT_FALSE (IconSet::loadIcon (i).isEmpty()) << i;
        EXPECT_TRUE (IconSet::loadIcon (i).isUsingNonZeroWinding()) << i;
    }
    EXPECT_EQ (IconSet::getData (-1), nullptr);
    EXPECT_TRUE (IconSet::loadIcon (IconSet::numIcons).isEmpty());
}
