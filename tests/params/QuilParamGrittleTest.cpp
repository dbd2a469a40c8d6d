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
    EXPECT_EQ (p.getText (0.0f, 0), "-50.0");
    EXPECT_EQ (p.getText (1.0f, 0), "150");
    EXPECT_EQ (p.getText (0.5f, 2), "50");

    EXPECT_FLOAT_EQ (p.getValueForText ("100"), (float) reference::normalised (100.0, -50.0, 150.0));
    EXPECT_FLOAT_EQ (p.getValueForText ("400"), 1.0f);
}

TEST (QuilParamGrittle, steppedRecordShowsNamesOrWholeNumbersAndSnapsTypedValues)
{
    QuilParamGrittle p ("Shape", "Shape");
    p.setDisplayRange (0.0, 4.0);
    p.gSteps = 5;
    p.gNames = { "A", "B", "C", "D", "E" };

    // n * 4 rounded half to even picks the name.
    const std::pair<float, const char*> shown[] = { { 0.0f, "A" }, { 0.6f, "C" }, { 0.625f, "C" }, { 0.875f, "E" }, { 1.0f, "E" } };
    for (auto [n, name] : shown)
        EXPECT_EQ (p.getText (n, 0), name) << n;

    // Typed numbers are display values, snapped to the nearest of the five steps.
    const std::pair<const char*, float> typed[] = { { "1", 0.25f }, { "1.4", 0.25f }, { "1.6", 0.5f }, { "9", 1.0f } };
    for (auto [text, n] : typed)
        EXPECT_FLOAT_EQ (p.getValueForText (text), n) << text;

    QuilParamGrittle voices ("Voices", "Voices");
    voices.setDisplayRange (1.0, 8.0);
    voices.gSteps = 8;
    EXPECT_EQ (voices.getText (0.0f, 0), "1");
    EXPECT_EQ (voices.getText (1.0f, 0), "8");
    EXPECT_EQ (voices.getText (0.5f, 0), "4");     // 4.5 rounds to even
}
