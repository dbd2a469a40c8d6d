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

TEST (ModulationRowIds, eachIdOfARowHoldsItsOwnHue)
{
    QuilLnF lookAndFeel;
    auto c = [&] (int id) { return lookAndFeel.findColour (id).getARGB(); };

    // Row 3 and row 7 (the latter in the decimal-looking range), from the scheme's table.
    const auto& row3 = QuilColourIds::modulationRowIds[2];
    EXPECT_EQ (c (row3.p), 0xFF5FFEDCu);
    EXPECT_EQ (c (row3.qThird), 0xFF5EEC93u);
    EXPECT_EQ (c (row3.qDark), 0xFF3A935Bu);
    EXPECT_EQ (c (row3.pTrans), 0x665FFEDCu);
    EXPECT_EQ (c (row3.shade2), 0xFF232C3Au);

    const auto& row7 = QuilColourIds::modulationRowIds[6];
    EXPECT_EQ (c (row7.p), 0xFFFD656Au);
    EXPECT_EQ (c (row7.pAgain), 0xFFFD656Au);
    EXPECT_EQ (c (row7.q), 0xFFE25D87u);
    EXPECT_EQ (c (row7.qDark), 0xFF8D3A54u);
    EXPECT_EQ (c (row7.qTrans), 0x66E25D87u);
    EXPECT_EQ (c (row7.shade1), 0xFF2F304Du);
    EXPECT_EQ (c (row7.shade2), 0xFF211F31u);
}
