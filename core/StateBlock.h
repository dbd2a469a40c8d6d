#pragma once

#include <juce_core/juce_core.h>
#include <memory>

/** The framework's binary XML block that hosts store as the plug-in's state:
    magic "VC2!", the text's byte count (32-bit little-endian), the element as
    single-line UTF-8 XML after the default declaration, and a zero byte. */
namespace StateBlock
{
    /** Writes the block for an element into destination (replacing its contents). */
    void write (const juce::XmlElement& element, juce::MemoryBlock& destination);

    /** The element of a block, or null when the block is not a valid one. The text
        runs from offset 8 for the stored length or up to the block's end, whichever
        is shorter, and ends at its first zero. Unlike the framework's reader this
        refuses text that is not UTF-8 and XML that SafeXml does not accept. */
    std::unique_ptr<juce::XmlElement> read (const void* data, int sizeInBytes);
}
