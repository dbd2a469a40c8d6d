#include "presets/BankFile.h"
#include "presets/PresetIds.h"

#include <VortaneBinaryData.h>

#include <cstdio>
#include <cstring>

bool BankFile::isAcceptedBank (const juce::XmlElement& bank)
{
    return bank.hasTagName (PresetIds::bankTag)
        && bank.getStringAttribute (PresetIds::device) == PresetIds::productName;
}

bool BankFile::nestingWithin (const juce::String& text, int maxDepth)
{
    const char* s = text.toRawUTF8();
    const auto skipPast = [&s] (const char* terminator)
    {
        const char* end = std::strstr (s, terminator);
        s = end != nullptr ? end + std::strlen (terminator) : s + std::strlen (s);
    };

    int depth = 0;

    while (*s != 0)
    {
        if (*s != '<')
        {
            ++s;
            continue;
        }

        if (std::strncmp (s, "<!--", 4) == 0)
        {
            skipPast ("-->");
            continue;
        }
        if (std::strncmp (s, "<![CDATA[", 9) == 0)
        {
            skipPast ("]]>");
            continue;
        }
        if (s[1] == '?')
        {
            skipPast ("?>");
            continue;
        }
        if (s[1] == '!')
        {
            skipPast (">");
            continue;
        }
        if (s[1] == '/')
        {
            --depth;
            skipPast (">");
            continue;
        }

        // A start tag: find its end outside quoted attribute values.
        char quote = 0;
        const char* p = s + 1;
        for (; *p != 0; ++p)
        {
            if (quote != 0)
            {
                if (*p == quote) quote = 0;
            }
            else if (*p == '"' || *p == '\'')
                quote = *p;
            else if (*p == '>')
                break;
        }

        const bool selfClosing = *p == '>' && p[-1] == '/';
        if (! selfClosing && ++depth > maxDepth)
            return false;

        s = *p != 0 ? p + 1 : p;
    }

    return true;
}

std::unique_ptr<juce::XmlElement> BankFile::parse (const juce::MemoryBlock& bytes)
{
    if ((juce::int64) bytes.getSize() > maxBytes || bytes.getSize() == 0)
        return {};

    const auto text = juce::String::createStringFromData (bytes.getData(), (int) bytes.getSize());
    if (! nestingWithin (text, maxNesting))
        return {};

    return juce::XmlDocument::parse (text);
}

juce::OwnedArray<juce::XmlElement> BankFile::readFactoryBanks (const void* gzipData, size_t size)
{
    juce::OwnedArray<juce::XmlElement> banks;
    if (gzipData == nullptr || size == 0)
        return banks;

    juce::MemoryBlock text;
    {
        juce::MemoryInputStream compressed (gzipData, size, false);
        juce::GZIPDecompressorInputStream inflated (&compressed, false,
                                                    juce::GZIPDecompressorInputStream::gzipFormat);
        inflated.readIntoMemoryBlock (text, (ssize_t) maxBytes + 1);
    }

    if (auto document = parse (text))
    {
        while (auto* child = document->getFirstChildElement())
        {
            document->removeChildElement (child, false);
            std::unique_ptr<juce::XmlElement> owned (child);

            if (isAcceptedBank (*owned))
                banks.add (owned.release());
        }
    }

    return banks;
}

juce::OwnedArray<juce::XmlElement> BankFile::readEmbeddedFactoryBanks()
{
    return readFactoryBanks (VortaneBinaryData::factoryPresets_kqb,
                             (size_t) VortaneBinaryData::factoryPresets_kqbSize);
}

BankFile::UserBanks BankFile::readUserFile (const juce::File& file)
{
    UserBanks result;

    if (file.isDirectory())
    {
        result.keepFileAsItIs = true;
        return result;
    }

    if (! file.existsAsFile())
    {
        file.create();
        return result;
    }

    if (file.getSize() > maxBytes)
    {
        result.keepFileAsItIs = true;
        return result;
    }

    juce::MemoryBlock bytes;
    {
        juce::FileInputStream in (file);
        if (! in.openedOk())
        {
            result.keepFileAsItIs = true;
            return result;
        }

        in.readIntoMemoryBlock (bytes, (ssize_t) maxBytes + 1);
    }

    if (bytes.getSize() == 0)
        return result;

    auto root = parse (bytes);
    if (root == nullptr)
    {
        result.keepFileAsItIs = true;
        return result;
    }

    if (root->getStringAttribute (PresetIds::isBankCollection) == "true")
    {
        while (auto* child = root->getFirstChildElement())
        {
            root->removeChildElement (child, false);
            result.banks.add (child);
        }
    }
    else
    {
        result.banks.add (root.release());
    }

    for (auto* bank : result.banks)
        if (! isAcceptedBank (*bank))
            result.keepFileAsItIs = true;

    return result;
}

std::unique_ptr<juce::XmlElement> BankFile::makeCollection (const juce::XmlElement& bankList, int firstBank)
{
    auto document = std::make_unique<juce::XmlElement> ("Banks");
    document->setAttribute (PresetIds::isBankCollection, "true");
    document->setAttribute (PresetIds::version, PresetIds::versionCode);

    int index = 0;
    for (auto* bank : bankList.getChildIterator())
        if (index++ >= firstBank)
            document->addChildElement (new juce::XmlElement (*bank));

    return document;
}

bool BankFile::write (const juce::File& file, const juce::XmlElement& document)
{
    file.getParentDirectory().createDirectory();

    juce::TemporaryFile temp (file, juce::TemporaryFile::useHiddenFile);
    {
        juce::FileOutputStream out (temp.getFile());
        if (! out.openedOk())
            return false;

        document.writeTo (out, {});
        out.flush();

        if (out.getStatus().failed())
            return false;
    }

    // rename() replaces the old file atomically; the framework's own replacement
    // deletes the target first, which would leave no file if the move then failed.
    return std::rename (temp.getFile().getFullPathName().toRawUTF8(),
                        file.getFullPathName().toRawUTF8())
        == 0;
}

std::unique_ptr<juce::XmlElement> BankFile::makeDefaultUserBank()
{
    auto bank = std::make_unique<juce::XmlElement> (PresetIds::bankTag);
    bank->setAttribute (PresetIds::bank, "myPresets");
    bank->setAttribute (PresetIds::author, juce::String());
    bank->setAttribute (PresetIds::description, juce::String());
    bank->setAttribute (PresetIds::device, PresetIds::productName);
    bank->setAttribute (PresetIds::version, PresetIds::versionCode);
    bank->setAttribute (PresetIds::uuid, juce::Uuid().toDashedString());
    return bank;
}
