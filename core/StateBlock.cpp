#include "core/StateBlock.h"
#include "core/SafeXml.h"

#include <juce_audio_processors/juce_audio_processors.h>
#include <cstring>

namespace
{
    constexpr int headerSize = 8;
    constexpr juce::uint32 magic = 0x21324356;  // "VC2!"
}

void StateBlock::write (const juce::XmlElement& element, juce::MemoryBlock& destination)
{
    destination.reset();
    juce::AudioProcessor::copyXmlToBinary (element, destination);
}

std::unique_ptr<juce::XmlElement> StateBlock::read (const void* data, int sizeInBytes)
{
    if (data == nullptr || sizeInBytes <= headerSize)
        return {};

    const auto* bytes = static_cast<const char*> (data);
    if (juce::ByteOrder::littleEndianInt (bytes) != magic)
        return {};

    const auto storedLength = (juce::int64) (juce::int32) juce::ByteOrder::littleEndianInt (bytes + 4);
    if (storedLength <= 0)
        return {};

    // As the framework reads it: a stored length beyond the block counts only up to
    // the block's end. The framework counts the text without the terminating zero,
    // but older or foreign writers may count it; the text ends at the first zero
    // either way.
    const auto available = (std::size_t) juce::jmin (storedLength, (juce::int64) sizeInBytes - headerSize);
    const auto* text = bytes + headerSize;
    const auto* zero = static_cast<const char*> (std::memchr (text, 0, available));
    const auto textLength = zero != nullptr ? (std::size_t) (zero - text) : available;

    return SafeXml::parse (text, textLength);
}
