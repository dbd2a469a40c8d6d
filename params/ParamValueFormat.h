#pragma once

#include <juce_core/juce_core.h>
#include <optional>

/** Value-text form shared by the continuous parameters: x with the given decimals,
    then cut to three significant places (one more below 100, one more for a sign);
    a text that reads as zero becomes "0.00". */
juce::String formatParamValue (double x, int decimals);

/** The same for float values, always with 3 decimals before cutting. */
juce::String formatParamValue (float x);

/** The modulation depths' display curve: cubic (16 r^3) inside +-0.25 so that small
    depths get fine resolution, linear outside; both pieces meet at +-0.25. */
double depthDisplayCurve (double realDepth) noexcept;

/** x rounded to the nearest integer (halves to even), or nothing when it does not
    fit an int (non-finite or huge). */
std::optional<int> roundToIndex (double x) noexcept;

/** x truncated toward zero, or nothing when it does not fit an int. */
std::optional<int> truncateToIndex (double x) noexcept;
