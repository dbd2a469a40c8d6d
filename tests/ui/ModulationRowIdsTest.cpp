#include "ui/lnf/QuilColourIds.h"
#include "ui/lnf/QuilLnF.h"

#include <gtest/gtest.h>
#include <set>

namespace
{
    /** n written so that its hexadecimal digits read as its decimal ones (12 -> 0x12). */
    int decimalLooking (int n)
    {
        return (n / 10) * 16 + n % 10;
    }

    std::vector<int> idsOf (const QuilColourIds::ModulationRowIds& r)
    {
        return { r.p, r.q, r.pAgain, r.qAgain, r.qThird, r.qDark, r.pTrans, r.qTrans, r.shade1, r.shade2 };
    }
}

TEST (ModulationRowIds, rowsFiveToEightCountInDecimalLookingSteps)
{
    for (int row = 5; row <= 8; ++row)
    {
        const auto& r = QuilColourIds::modulationRowIds[row - 1];
        const int first = 10 * (row - 5);
        // Order along the range: P, Q, P again, Q again, Q third, shade 1, shade 2, Q dark, P trans., Q trans.
        const int inRangeOrder[] = { r.p, r.q, r.pAgain, r.qAgain, r.qThird, r.shade1, r.shade2,
                                     r.qDark, r.pTrans, r.qTrans };

        for (int k = 1; k <= 10; ++k)
            EXPECT_EQ (inRangeOrder[k - 1], 0x2304000 + decimalLooking (first + k)) << "row " << row << " id " << k;
    }
}

TEST (ModulationRowIds, allEightyIdsAreDistinctApartFromTheFrameIdsAndWrittenByTheScheme)
{
    QuilLnF lookAndFeel;
    std::set<int> ids;

    for (const auto& row : QuilColourIds::modulationRowIds)
        for (int id : idsOf (row))
        {
            ids.insert (id);
            EXPECT_TRUE (lookAndFeel.isColourSpecified (id)) << std::hex << id;
        }

    EXPECT_EQ (ids.size(), 80u);

    using namespace QuilColourIds;
    for (int frame : { modOuterFrame, modSliderBackground, modOuterGradient1, modOuterGradient2,
                       modInnerGradient1, modInnerGradient2, modTickMarks, modInnerFrame })
        EXPECT_EQ (ids.count (frame), 0u);
}
