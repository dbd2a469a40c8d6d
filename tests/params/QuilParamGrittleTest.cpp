// The display-record base: its own value range and unit, and the ends of a stepped record.
#include "params/QuilParamTypes.h"
#include "support/ValueTextReference.h"

#include <gtest/gtest.h>

TEST (QuilParamGrittle, continuousRecordShowsItsOwnRange)
{
    QuilParamGrittle p ("Width", "Width");
    p.setDisplayRange (-50.0, 150.0);
    p.gUnit = "%";

    EXPECT_EQ (p.getLabel(), "%");
    EXPECT_EQ (p.getText (0.0f, 0), "-50.0");
    EXPECT_EQ (p.getText (1.0f, 0), "150");
    EXPECT_EQ (p.getText (0.5f, 2), "50");

    EXPECT_FLOAT_EQ (p.getValueForText ("100"), (float) reference::normalised (100.0, -50.0, 150.0));
    EXPECT_FLOAT_EQ (p.getValueForText ("400"), 1.0f);
}

// The rest of the stepped rules are in QuilParamTest.
TEST (QuilParamGrittle, steppedRecordShowsTheTopNameAndWholeNumbersAtItsEnds)
{
    QuilParamGrittle p ("Shape", "Shape");
    p.setDisplayRange (0.0, 4.0);
    p.gSteps = 5;
    p.gNames = { "A", "B", "C", "D", "E" };
    EXPECT_EQ (p.getText (1.0f, 0), "E");
    EXPECT_FLOAT_EQ (p.getValueForText ("1"), 0.25f);

    QuilParamGrittle voices ("Voices", "Voices");
    voices.setDisplayRange (1.0, 8.0);
    voices.gSteps = 8;
    EXPECT_EQ (voices.getText (0.0f, 0), "1");
    EXPECT_EQ (voices.getText (1.0f, 0), "8");
}
