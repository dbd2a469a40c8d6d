#pragma once

#include <juce_core/juce_core.h>

/** Reads the numbers of a preset element without trusting them: every result is
    finite and in range, whatever the text holds, and no read overflows. */
namespace StateNumbers
{
    /** A normalised parameter value: the leading decimal number (unreadable text
        gives 0), clamped to 0..1; "nan", "inf" and overflowing values such as
        "1e999" give fallback instead. */
    float readNormalised (const juce::String& text, float fallback);

    /** The leading integer (optional blanks and sign, then digits), saturated to
        the int range; 0 when the text starts with no number. */
    int readLeadingInt (const juce::String& text) noexcept;

    /** A lock flag: locked when the leading integer is above 0. */
    bool readLockFlag (const juce::String& text) noexcept;

    /** A whole decimal integer (optional surrounding blanks and sign), saturated
        to the int range. False, leaving result alone, for any other text. */
    bool readWholeInt (const juce::String& text, int& result) noexcept;
}
