#include "presets/BankFile.h"
#include "presets/SharedBankList.h"
#include "support/UserBankFiles.h"

#include <gtest/gtest.h>

namespace
{
    /** A bank of this product; presets named "<bank>/<n>" carry the bank's name. */
    std::unique_ptr<juce::XmlElement> makeBank (const juce::String& name, int numPresets = 1,
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
        }
        return bank;
    }

    juce::StringArray bankNames (const juce::XmlElement& list)
    {
        juce::StringArray names;
        for (auto* b : list.getChildIterator())
            names.add (b->getStringAttribute ("bank"));
        return names;
    }

    juce::OwnedArray<juce::XmlElement> banksOf (std::initializer_list<juce::XmlElement*> banks)
    {
        juce::OwnedArray<juce::XmlElement> array;
        for (auto* b : banks)
            array.add (b);
        return array;
    }

    std::unique_ptr<juce::XmlElement> placeholderWithSample()
    {
        auto placeholder = std::make_unique<juce::XmlElement> (SharedBankList::placeholderTag);
        placeholder->createNewChildElement ("Varno")->setAttribute ("name", "Goldilocks");
        return placeholder;
    }

    std::unique_ptr<juce::XmlElement> listOf (SharedBankList& shared)
    {
        return shared.read ([] (const juce::XmlElement& list) { return std::make_unique<juce::XmlElement> (list); });
    }
}

//==============================================================================
struct RenameCase
{
    const char* label;
    std::vector<juce::String> existing;
    juce::String added;             // empty: a bank without a "bank" attribute
    juce::String expectedName;
};

class BankRenaming : public ::testing::TestWithParam<RenameCase> {};

TEST_P (BankRenaming, takesTheFirstFreeNameAndGivesItToItsPresets)
{
    const auto& c = GetParam();
    juce::XmlElement list ("Vortane");
    for (auto& name : c.existing)
        list.addChildElement (makeBank (name).release());

    const auto added = SharedBankList::appendBank (list, *makeBank (c.added, 3));

    EXPECT_EQ (added.name, c.expectedName);
    EXPECT_EQ (added.index, (int) c.existing.size());
    ASSERT_EQ (list.getNumChildElements(), (int) c.existing.size() + 1);

    auto* bank = list.getChildElement (added.index);
    EXPECT_EQ (bank->getStringAttribute ("bank"), c.expectedName);
    ASSERT_EQ (bank->getNumChildElements(), 3);
    for (auto* preset : bank->getChildIterator())
        EXPECT_EQ (preset->getStringAttribute ("bank"), c.expectedName);
}

INSTANTIATE_TEST_SUITE_P (Cases, BankRenaming, ::testing::Values (
    RenameCase { "unique", { "Init" }, "Live", "Live" },
    RenameCase { "first duplicate", { "Init", "myPresets" }, "myPresets", "myPresets 1" },
    RenameCase { "second duplicate", { "Init", "myPresets", "myPresets 1" }, "myPresets", "myPresets 2" },
    RenameCase { "skips a taken suffix", { "A", "A 2", "A 1" }, "A", "A 3" },
    RenameCase { "fills a gap", { "A", "A 2" }, "A", "A 1" },
    RenameCase { "unnamed", { "Init" }, "", "Quillmere_Bank" },
    RenameCase { "second unnamed", { "Init", "Quillmere_Bank" }, "", "Quillmere_Bank 1" }),
    [] (const auto& testCase) { return juce::String (testCase.param.label).replaceCharacter (' ', '_').toStdString(); });

TEST (SharedBankList, refusesBanksOfAnotherTagOrDeviceAndLeavesTheListAlone)
{
    juce::XmlElement list ("Vortane");
    list.addChildElement (makeBank ("Init").release());

    EXPECT_EQ (SharedBankList::appendBank (list, *makeBank ("X", 1, "Other")).index, -1);
    EXPECT_EQ (SharedBankList::appendBank (list, *makeBank ("Y", 1, "")).index, -1);
    EXPECT_EQ (SharedBankList::appendBank (list, *makeBank ("Z", 1, "Vortane", "Bank")).index, -1);

    EXPECT_EQ (bankNames (list), juce::StringArray ("Init"));
}

//==============================================================================
TEST (SharedBankList, publishPutsFactoryBanksInPlaceOfThePlaceholderThenUserBanks)
{
    SharedBankList shared;
    shared.modify ([] (juce::XmlElement& list) { list.addChildElement (placeholderWithSample().release()); });

    const auto last = shared.publish (banksOf ({ makeBank ("Init", 2).release(), makeBank ("Extra").release() }),
                                      banksOf ({ makeBank ("Live").release(), makeBank ("X", 1, "Other").release(),
                                                 makeBank ("Init").release(), makeBank ("Live").release() }));

    const auto list = listOf (shared);
    EXPECT_EQ (bankNames (*list), juce::StringArray ("Init", "Extra", "Live", "Init 1", "Live 1"));
    EXPECT_EQ (list->getIntAttribute ("userBankIndex", -1), 2);
    EXPECT_EQ (last.index, 4);
    EXPECT_EQ (last.name, "Live 1");
    EXPECT_TRUE (shared.isLoaded());

    // The sample preset moved to the front of the first factory bank.
    auto* init = list->getFirstChildElement();
    ASSERT_EQ (init->getNumChildElements(), 3);
    EXPECT_TRUE (init->getChildElement (0)->hasTagName ("Varno"));
    EXPECT_EQ (init->getChildElement (1)->getStringAttribute ("name"), "Init/0");
    EXPECT_EQ (init->getChildElement (2)->getStringAttribute ("name"), "Init/1");
}

TEST (SharedBankList, publishWithoutFactoryBankKeepsThePlaceholderFirst)
{
    SharedBankList shared;
    shared.modify ([] (juce::XmlElement& list) { list.addChildElement (placeholderWithSample().release()); });

    shared.publish ({}, banksOf ({ makeBank ("Live").release() }));

    const auto list = listOf (shared);
    ASSERT_EQ (list->getNumChildElements(), 2);
    EXPECT_TRUE (list->getFirstChildElement()->hasTagName ("Small"));
    EXPECT_TRUE (list->getFirstChildElement()->getFirstChildElement()->hasTagName ("Varno"));
    EXPECT_EQ (list->getChildElement (1)->getStringAttribute ("bank"), "Live");
    EXPECT_EQ (list->getIntAttribute ("userBankIndex", -1), 1);
}

TEST (SharedBankList, banksAddedBeforePublishingFollowTheUserBanks)
{
    SharedBankList shared;
    shared.modify ([] (juce::XmlElement& list)
    {
        list.addChildElement (placeholderWithSample().release());
        list.addChildElement (makeBank ("Live").release());
    });

    shared.publish (banksOf ({ makeBank ("Init").release() }), banksOf ({ makeBank ("Live").release() }));

    EXPECT_EQ (bankNames (*listOf (shared)), juce::StringArray ("Init", "Live", "Live 1"));
}

//==============================================================================
using SharedBankListSaving = UserBankFileTest;

TEST_F (SharedBankListSaving, nothingIsWrittenBeforeTheListIsLoaded)
{
    writeBankFile ("precious");
    SharedBankList shared;

    shared.save (bankFile(), shared.requestSave());

    EXPECT_EQ (bankFile().loadFileAsString(), "precious");
}

TEST_F (SharedBankListSaving, anEarlierRequestNeverWritesOverALaterSnapshot)
{
    SharedBankList shared;
    shared.publish (banksOf ({ makeBank ("Init").release() }), banksOf ({ makeBank ("A").release() }));

    const auto early = shared.requestSave();
    const auto later = shared.requestSave();
    shared.save (bankFile(), later);
    const auto written = readBankFile();

    // A bank added after both requests: the early job, running last, must not write
    // its (older) request's snapshot over the later one, nor anything else.
    shared.modify ([] (juce::XmlElement& list) { SharedBankList::appendBank (list, *makeBank ("B")); });
    shared.save (bankFile(), early);
    EXPECT_EQ (readBankFile(), written);

    shared.save (bankFile(), shared.requestSave());
    const auto read = BankFile::readUserFile (bankFile());
    ASSERT_EQ (read.banks.size(), 2);
    EXPECT_EQ (read.banks[1]->getStringAttribute ("bank"), "B");
}

TEST_F (SharedBankListSaving, aKeptFileIsNeverWritten)
{
    writeBankFile ("precious");
    SharedBankList shared;
    shared.publish (banksOf ({ makeBank ("Init").release() }), {});
    shared.keepUserFileAsItIs();

    shared.save (bankFile(), shared.requestSave());

    EXPECT_EQ (bankFile().loadFileAsString(), "precious");
}
