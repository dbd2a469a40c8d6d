// The display-record base: its own value range, legend names when stepped, and its unit.
#include "params/QuilParamTypes.h"
#include "support/ValueTextReference.h"

#include <gtest/gtest.h>

TEST (QuilParamGrittle, continuousRecordShowsItsOwnRange)
{
    QuilParamGrittle p ("Width", "Width");
    p.setDisplayRange (-50.0, 150.0);
    p.gUnit = "%";

    EXPECT_EQ (p.getLabel(), "%");
    EXPECT_EQ (p.getParameterID(), "Width");
    EXPECT_EQ (p.getText (0.0f, 0), "-50.0");
    EXPECT_EQ (p.getText (0.5f, 0), "50.0");
    EXPECT_EQ (p.getText (1.0f, 0), "150");
    EXPECT_EQ (p.getText (0.5f, 2), "50");

    EXPECT_FLOAT_EQ (p.getValueForText ("50"), 0.5f);
    EXPECT_FLOAT_EQ (p.getValueForText ("100"), (float) reference::normalised (100.0, -50.0, 150.0));
    EXPECT_FLOAT_EQ (p.getValueForText ("400"), 1.0f);
}

TEST (QuilParamGrittle, steppedRecordShowsNamesAndSnapsTypedValues)
{
    QuilParamGrittle p ("Shape", "Shape");
    p.setDisplayRange (0.0, 4.0);
    p.gSteps = 5;
    p.gNames = { "A", "B", "C", "D", "E" };

    EXPECT_EQ (p.getText (0.0f, 0), "A");
    EXPECT_EQ (p.getText (0.5f, 0), "C");
    EXPECT_EQ (p.getText (0.6f, 0), "C");     // 0.6 * 4 = 2.4 -> name 2
    EXPECT_EQ (p.getText (0.625f, 0), "C");   // 2.5 rounds to even
    EXPECT_EQ (p.getText (0.875f, 0), "E");   // 3.5 rounds to even
    EXPECT_EQ (p.getText (1.0f, 0), "E");

    // Typed numbers are display values, snapped to the nearest of the five steps.
    EXPECT_FLOAT_EQ (p.getValueForText ("1"), 0.25f);
    EXPECT_FLOAT_EQ (p.getValueForText ("1.4"), 0.25f);
    EXPECT_FLOAT_EQ (p.getValueForText ("1.6"), 0.5f);
    EXPECT_FLOAT_EQ (p.getValueForText ("9"), 1.0f);
}

TEST (QuilParamGrittle, steppedRecordWithoutAMatchingNameShowsTheWholeNumber)
{
    QuilParamGrittle p ("Voices", "Voices");
    p.setDisplayRange (1.0, 8.0);
    p.gSteps = 8;

    EXPECT_EQ (p.getText (0.0f, 0), "1");
    EXPECT_EQ (p.getText (1.0f, 0), "8");
    EXPECT_EQ (p.getText (0.5f, 0), "4");     // 4.5 rounds to even
}
