#include "core/StateNumbers.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace
{
    using Pointer = juce::String::CharPointerType;

    Pointer skipBlanks (Pointer p) noexcept
    {
        while (! p.isEmpty() && juce::CharacterFunctions::isWhitespace (*p))
            ++p;
        return p;
    }

    bool isDigit (juce::juce_wchar c) noexcept { return c >= '0' && c <= '9'; }

    /** Optional sign and digits at p, saturated; sets p past them. */
    juce::int64 readSaturated (Pointer& p, bool& foundDigits) noexcept
    {
        constexpr juce::int64 limit = (juce::int64) std::numeric_limits<int>::max() + 1;

        bool negative = false;
        if (*p == '-' || *p == '+')
        {
            negative = *p == '-';
            ++p;
        }

        juce::int64 magnitude = 0;
        foundDigits = false;
        for (; isDigit (*p); ++p)
        {
            foundDigits = true;
            magnitude = juce::jmin (limit, magnitude * 10 + (*p - '0'));
        }

        return negative ? -magnitude : magnitude;
    }

    int toInt (juce::int64 v) noexcept
    {
        return (int) juce::jlimit ((juce::int64) std::numeric_limits<int>::min(),
                                   (juce::int64) std::numeric_limits<int>::max(), v);
    }
}

float StateNumbers::readNormalised (const juce::String& text, float fallback)
{
    // Only the leading number is read, as the framework's string-to-double does,
    // but through from_chars: locale-free, and without the integer overflow that
    // very long exponents cause there.
    auto p = skipBlanks (text.getCharPointer());
    if (*p == '+')
        ++p;

    std::string ascii;
    for (; ! p.isEmpty() && *p < 128; ++p)
        ascii += (char) *p;

    double value = 0.0;
    const auto* first = ascii.data();
    const auto result = std::from_chars (first, first + ascii.size(), value);

    if (result.ec == std::errc::invalid_argument)
        return 0.0f;

    if (result.ec == std::errc::result_out_of_range)
    {
        // Underflow reads as zero; overflow is not a number we can use.
        for (const char* c = first; c + 1 < result.ptr; ++c)
            if ((*c == 'e' || *c == 'E') && c[1] == '-')
                return 0.0f;
        return fallback;
    }

    if (! std::isfinite (value))
        return fallback;

    return (float) juce::jlimit (0.0, 1.0, value);
}

int StateNumbers::readLeadingInt (const juce::String& text) noexcept
{
    auto p = skipBlanks (text.getCharPointer());
    bool digits = false;
    const auto v = readSaturated (p, digits);
    return digits ? toInt (v) : 0;
}

bool StateNumbers::readLockFlag (const juce::String& text) noexcept
{
    return readLeadingInt (text) > 0;
}

bool StateNumbers::readWholeInt (const juce::String& text, int& result) noexcept
{
    auto p = skipBlanks (text.getCharPointer());
    bool digits = false;
    const auto v = readSaturated (p, digits);

    if (! digits || ! skipBlanks (p).isEmpty())
        return false;

    result = toInt (v);
    return true;
}
