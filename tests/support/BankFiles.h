#pragma once

#include <gtest/gtest.h>
#include <juce_events/juce_events.h>

#include <functional>

#include "presets/PresetManager.h"

/** Bank elements as the preset tests build them: presets named "<bank>/<n>" with the
    uuid "<bank>-uuid-<n>"; an empty name leaves out the "bank" attribute. */
namespace BankXml
{
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

    inline juce::String bankText (const juce::String& name, int numPresets = 1, const juce::String& device = "Vortane",
                                  const juce::String& tag = "Quillmere_Bank")
    {
        return makeBank (name, numPresets, device, tag)->toString (juce::XmlElement::TextFormat().withoutHeader().singleLine());
    }

    /** A user bank file's text holding the given bank texts. */
    inline juce::String collection (const juce::StringArray& banks)
    {
        return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Banks IsBankCollection=\"true\" version=\"65793\">\n"
             + banks.joinIntoString ("\n") + "\n</Banks>\n";
    }

    inline juce::MemoryBlock bytesOf (const juce::String& text) { return { text.toRawUTF8(), text.getNumBytesAsUTF8() }; }

    /** The "bank" attributes of a list's banks from index from on, joined by commas. */
    inline juce::String bankNames (const juce::XmlElement& list, int from = 0)
    {
        juce::StringArray names;
        for (auto* bank : list.getChildIterator())
            names.add (bank->getStringAttribute ("bank"));
        names.removeRange (0, from);
        return names.joinIntoString (",");
    }
}

/** The tests run on the message thread: jobs that wait for its lock need the loop pumped. */
namespace MessageLoop
{
    inline bool waitUntil (const std::function<bool()>& condition, int timeoutMs = 10000)
    {
        const auto end = juce::Time::getMillisecondCounterHiRes() + timeoutMs;
        while (! condition())
            if (juce::Time::getMillisecondCounterHiRes() > end || ! juce::MessageManager::getInstance()->runDispatchLoopUntil (5))
                return condition();
        return true;
    }

    /** No bank list loading pending and no job queued or running. */
    inline bool waitForIdle (const PresetManager& manager)
    {
        return waitUntil ([&] { return ! manager.isLoadingBankList() && manager.getNumJobs() == 0; });
    }
}

/** Records the names of the presets a manager applies; must outlive the manager. */
struct AppliedPresets : PresetManager::Listener
{
    void currentPresetChanged (const juce::String& name, const juce::String&, const juce::String&) override
    {
        EXPECT_TRUE (juce::MessageManager::getInstance()->currentThreadHasLockedMessageManager());
        const juce::ScopedLock sl (lock);
        names.add (name);
    }

    juce::StringArray take() { const juce::ScopedLock sl (lock); auto taken = names; names.clear(); return taken; }

    juce::CriticalSection lock;
    juce::StringArray names;
};

/** The user's bank file in the temporary HOME, to the test alone: it and any temporary
    siblings are removed before and after. */
class UserBankFileTest : public ::testing::Test
{
protected:
    void SetUp() override     { removeBankFiles(); }
    void TearDown() override  { removeBankFiles(); }

    static juce::File folder()    { return juce::File::getSpecialLocation (juce::File::userApplicationDataDirectory).getChildFile ("Quillmere/Vortane"); }
    static juce::File bankFile()  { return folder().getChildFile ("VortanePresets.kqb"); }

    static void writeBankFile (const juce::MemoryBlock& bytes)
    {
        folder().createDirectory();
        ASSERT_TRUE (bankFile().replaceWithData (bytes.getData(), bytes.getSize()));
    }

    static juce::MemoryBlock readBankFile() { juce::MemoryBlock bytes; bankFile().loadFileAsData (bytes); return bytes; }

    /** Files besides the bank file whose names start like it (leftover temporaries). */
    static juce::Array<juce::File> bankFileSiblings()
    {
        juce::Array<juce::File> found;
        for (const auto& entry : juce::RangedDirectoryIterator (folder(), false, "*VortanePresets*", juce::File::findFilesAndDirectories))
            if (entry.getFile() != bankFile())
                found.add (entry.getFile());
        return found;
    }

    static void removeBankFiles()
    {
        for (auto f : bankFileSiblings())
            f.deleteRecursively();
        bankFile().deleteRecursively();
    }
};
