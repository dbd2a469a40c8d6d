#pragma once

#include <juce_core/juce_core.h>
#include <memory>

/** Reads and writes bank files: the embedded, gzip-compressed factory bank and the
    user's bank file. Reading never changes a file it could not fully take in, and
    writing replaces the file in one step, so the user's banks survive bad input and
    interrupted saves. */
class BankFile
{
public:
    /** Larger files are refused before parsing: bank files are a few kilobytes. */
    static constexpr juce::int64 maxBytes = 4 * 1024 * 1024;

    /** Deeper documents are refused before parsing: the parser and the element tree
        recurse once per level, and a bank file is four levels deep. */
    static constexpr int maxNesting = 64;

    /** True for a bank the list accepts: tag Quillmere_Bank and device "Vortane". */
    static bool isAcceptedBank (const juce::XmlElement& bank);

    /** Parses raw file bytes (any encoding the framework recognises by its byte-order
        mark); null when too large, too deeply nested or not well-formed. */
    static std::unique_ptr<juce::XmlElement> parse (const juce::MemoryBlock& bytes);

    /** The accepted banks of a gzip-compressed factory document; empty when the data
        does not inflate or parse. */
    static juce::OwnedArray<juce::XmlElement> readFactoryBanks (const void* gzipData, size_t size);

    /** The factory banks embedded in the plug-in. */
    static juce::OwnedArray<juce::XmlElement> readEmbeddedFactoryBanks();

    struct UserBanks
    {
        /** Every bank found in the file, in file order, accepted or not. */
        juce::OwnedArray<juce::XmlElement> banks;

        /** Set when a save would lose something the file holds (it does not parse,
            is too large, holds a bank the list refuses) or cannot be replaced. */
        bool keepFileAsItIs = false;
    };

    /** Reads the user's bank file; a missing file is created empty, with its folders.
        An empty file counts as a file without banks. */
    static UserBanks readUserFile (const juce::File& file);

    /** The "Banks" document of the banks at index firstBank and after. */
    static std::unique_ptr<juce::XmlElement> makeCollection (const juce::XmlElement& bankList, int firstBank);

    /** Writes the document next to the file under a temporary name, then renames it
        over the file; the old file stays intact when anything fails. */
    static bool write (const juce::File& file, const juce::XmlElement& document);

    /** The empty user bank "myPresets" with a new identifier. */
    static std::unique_ptr<juce::XmlElement> makeDefaultUserBank();

private:
    static bool nestingWithin (const juce::String& text, int maxDepth);
};
