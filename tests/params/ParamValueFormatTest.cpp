// The shared value-text form of the continuous parameters.
#include "params/ParamValueFormat.h"
#include "support/ValueTextReference.h"

#include <gtest/gtest.h>

TEST (FormatParamValue, keepsThreeSignificantPlaces)
{
    const struct { double x; int decimals; const char* expected; } cases[] = {
        { 12.3456, 3, "12.3" }, { 1.23456, 3, "1.23" }, { 123.456, 3, "123" }, { -5.5, 3, "-5.50" },
        { 0.0004, 3, "0.00" }, { -0.0004, 3, "0.00" },      // "-0.000" reads as zero
        { 0.0, 2, "0.00" }, { 99.96, 2, "99.9" },           // cut, not rounded again
        { 99.996, 2, "100" }, { -123.4, 2, "-123" }, { 1234.5, 1, "123" },   // the form is for values below 1000
        { 0.004, 2, "0.00" }, { 0.006, 2, "0.01" } };

    for (const auto& c : cases)
    {
        EXPECT_EQ (formatParamValue (c.x, c.decimals), c.expected) << c.x;
        EXPECT_EQ (formatParamValue (c.x, c.decimals).toStdString(), reference::paramValue (c.x, c.decimals)) << c.x;
    }
}

TEST (FormatParamValue, floatFormUsesThreeDecimalsAndNonFiniteValuesGiveAShortText)
{
    EXPECT_EQ (formatParamValue (1.6f), "1.60");
    EXPECT_EQ (formatParamValue (0.0016f), "0.00");
    EXPECT_EQ (formatParamValue (0.016f), "0.01");
    EXPECT_EQ (formatParamValue (50.0f), "50.0");
    EXPECT_EQ (formatParamValue (-100.0f), "-100");

    EXPECT_EQ (formatParamValue (std::numeric_limits<double>::quiet_NaN(), 2), "nan");
    EXPECT_EQ (formatParamValue (std::numeric_limits<double>::infinity(), 2), "inf");
}
