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
