#pragma once

#include <juce_core/juce_core.h>
#include <cstddef>
#include <memory>

/** Parses XML that comes from outside the program (host state, preset and
    preferences files) without trusting it.

    The framework's parser recurses once per nesting level, expands entities from
    a document type declaration and accepts any byte sequence as text. Input is
    therefore checked first: valid UTF-8, no zero byte, bounded size, nesting and
    element count, well-formed structure, only the five predefined and numeric
    character references, and no document type declaration. Only text that passes
    reaches the framework's parser. */
namespace SafeXml
{
    struct Limits
    {
        std::size_t maxBytes = 4u << 20;
        int maxDepth = 64;
        int maxElements = 100000;
    };

    /** Strict UTF-8: no overlong forms, surrogates, code points above U+10FFFF or zero bytes. */
    bool isValidUtf8 (const void* data, std::size_t numBytes) noexcept;

    /** True when the UTF-8 text is one well-formed element (optionally after an
        XML declaration, comments and processing instructions) within the limits. */
    bool isAcceptable (const char* utf8, std::size_t numBytes, const Limits& limits);

    /** The document element, or null when the text is unacceptable or does not parse. */
    std::unique_ptr<juce::XmlElement> parse (const void* utf8, std::size_t numBytes, const Limits& limits = {});
    std::unique_ptr<juce::XmlElement> parse (const juce::String& text, const Limits& limits = {});

    /** Reads and parses a file; null when it is missing, too large or unacceptable.
        A leading UTF-8 byte-order mark is skipped. */
    std::unique_ptr<juce::XmlElement> parseFile (const juce::File& file, const Limits& limits = {});
}
