#include "presets/BankFile.h"
#include "presets/SharedBankList.h"
#include "support/BankFiles.h"

using namespace BankXml;

namespace
{
    juce::OwnedArray<juce::XmlElement> banksOf (const juce::String& name)
    {
        juce::OwnedArray<juce::XmlElement> banks;
        banks.add (makeBank (name));
        return banks;
    }

    juce::OwnedArray<juce::XmlElement> banksOf (std::initializer_list<juce::XmlElement*> banks)
    {
        juce::OwnedArray<juce::XmlElement> array;
        for (auto* b : banks)
            array.add (b);
        return array;
    }

    /** A shared list holding the placeholder with the sample preset, then the given banks. */
    void startWithPlaceholder (SharedBankList& shared, const juce::StringArray& banks = {})
    {
        shared.modify ([&] (juce::XmlElement& list)
        {
            auto* placeholder = list.createNewChildElement (SharedBankList::placeholderTag);
            placeholder->createNewChildElement ("Varno")->setAttribute ("name", "Goldilocks");
            for (auto& name : banks)
                list.addChildElement (makeBank (name).release());
        });
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

void PrintTo (const RenameCase& c, std::ostream* os) { *os << c.label; }

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
    RenameCase { "first_duplicate", { "Init", "myPresets" }, "myPresets", "myPresets 1" },
    RenameCase { "second_duplicate", { "Init", "myPresets", "myPresets 1" }, "myPresets", "myPresets 2" },
    RenameCase { "skips_a_taken_suffix", { "A", "A 2", "A 1" }, "A", "A 3" },
    RenameCase { "fills_a_gap", { "A", "A 2" }, "A", "A 1" },
    RenameCase { "unnamed", { "Init" }, "", "Quillmere_Bank" },
    RenameCase { "second_unnamed", { "Init", "Quillmere_Bank" }, "", "Quillmere_Bank 1" }),
    [] (const auto& testCase) { return std::string (testCase.param.label); });

//==============================================================================
TEST (SharedBankList, publishPutsFactoryBanksInPlaceOfThePlaceholderThenUserBanksThenAddedOnes)
{
    SharedBankList shared;
    startWithPlaceholder (shared, { "Live" });   // added by an instance before loading finished

    const auto last = shared.publish (banksOf ({ makeBank ("Init", 2).release(), makeBank ("Extra").release() }),
                                      banksOf ({ makeBank ("Live").release(), makeBank ("X", 1, "Other").release(),
                                                 makeBank ("Init").release(), makeBank ("Live").release() }));

    const auto list = listOf (shared);
    EXPECT_EQ (bankNames (*list), "Init,Extra,Live,Init 1,Live 1,Live 2");
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
    startWithPlaceholder (shared);

    shared.publish ({}, banksOf ({ makeBank ("Live").release() }));

    const auto list = listOf (shared);
    ASSERT_EQ (list->getNumChildElements(), 2);
    EXPECT_TRUE (list->getFirstChildElement()->hasTagName ("Small"));
    EXPECT_TRUE (list->getFirstChildElement()->getFirstChildElement()->hasTagName ("Varno"));
    EXPECT_EQ (list->getChildElement (1)->getStringAttribute ("bank"), "Live");
    EXPECT_EQ (list->getIntAttribute ("userBankIndex", -1), 1);
}

using SharedBankListSaving = UserBankFileTest;

TEST_F (SharedBankListSaving, anUnloadedListIsNeverWrittenNorAnEarlierRequestOverALaterSnapshot)
{
    SharedBankList shared;
    writeBankFile (bytesOf ("precious"));
    shared.save (bankFile(), shared.requestSave());
    EXPECT_EQ (bankFile().loadFileAsString(), "precious");

    shared.publish (banksOf ("Init"), banksOf ("A"));
    const auto early = shared.requestSave();
    shared.save (bankFile(), shared.requestSave());
    const auto written = readBankFile();

    // A bank added after both requests: the early job, running last, writes nothing.
    shared.modify ([] (juce::XmlElement& list) { SharedBankList::appendBank (list, *makeBank ("B")); });
    shared.save (bankFile(), early);
    EXPECT_EQ (readBankFile(), written);

    shared.save (bankFile(), shared.requestSave());
    const auto read = BankFile::readUserFile (bankFile());
    ASSERT_EQ (read.banks.size(), 2);
    EXPECT_EQ (read.banks[1]->getStringAttribute ("bank"), "B");
}

TEST_F (SharedBankListSaving, aLoadedListNeverWritesOverAFileKeptAsItIs)
{
    writeBankFile (bytesOf ("precious"));
    SharedBankList shared;
    shared.publish (banksOf ("Init"), {});
    shared.keepUserFileAsItIs();

    shared.save (bankFile(), shared.requestSave());
    EXPECT_EQ (bankFile().loadFileAsString(), "precious");
}
