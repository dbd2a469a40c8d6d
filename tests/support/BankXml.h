#pragma once

#include <juce_core/juce_core.h>

#include <memory>

/** Bank elements and files as the preset tests build them. */
namespace BankXml
{
    /** A bank whose presets are named "<bank>/<n>", carry the bank's name and the uuid
        "<bank>-uuid-<n>"; an empty name leaves out the "bank" attribute. */
    inline std::unique_ptr<juce::XmlElement> makeBank (const juce::String& name, int numPresets = 1,
                                                       const juce::String& device = "Vortane",
                                                       const juce::String& tag = "Quillmere_Bank")
    {
        auto bank = std::make_unique<juce::XmlElement> (tag);
        if (name.isNotEmpty())
            bank->setAttribute ("bank", name);
        bank->setAttribute ("device", device);

        for (int i = 0; i < numPresets; ++i)
        {
            auto* preset = bank->createNewChildElement ("Quillmere_Preset");
            preset->setAttribute ("name", name + "/" + juce::String (i));
            preset->setAttribute ("bank", name);
            preset->setAttribute ("uuid", name + "-uuid-" + juce::String (i));
        }
        return bank;
    }

    inline juce::String bankText (const juce::String& name, int numPresets = 1,
                                  const juce::String& device = "Vortane", const juce::String& tag = "Quillmere_Bank")
    {
        return makeBank (name, numPresets, device, tag)->toString (juce::XmlElement::TextFormat().withoutHeader().singleLine());
    }

    /** A user bank file's text holding the given bank texts. */
    inline juce::String collection (const juce::StringArray& banks)
    {
        return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Banks IsBankCollection=\"true\" version=\"65793\">\n"
             + banks.joinIntoString ("\n") + "\n</Banks>\n";
    }

    inline juce::MemoryBlock bytesOf (const juce::String& text)
    {
        return { text.toRawUTF8(), text.getNumBytesAsUTF8() };
    }

    /** The "bank" attributes of the children from index from on. */
    inline juce::StringArray bankNames (const juce::XmlElement& list, int from = 0)
    {
        juce::StringArray names;
        int index = 0;
        for (auto* bank : list.getChildIterator())
            if (index++ >= from)
                names.add (bank->getStringAttribute ("bank"));
        return names;
    }

    inline juce::StringArray bankNames (const juce::OwnedArray<juce::XmlElement>& banks)
    {
        juce::StringArray names;
        for (auto* b : banks)
            names.add (b->getStringAttribute ("bank"));
        return names;
    }
}
