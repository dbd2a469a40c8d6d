// The bank list as a plug-in instance builds it: real processors, the embedded factory
// bank and real user bank files in the temporary HOME.
#include "params/QuilParam.h"
#include "presets/BankFile.h"
#include "support/ProcessorFixture.h"
#include "support/UserBankFiles.h"

#include <gtest/gtest.h>
#include <thread>

namespace
{
    juce::String presetXml (const juce::String& name, const juce::String& bank, const juce::String& parameters = {})
    {
        return "<Quillmere_Preset name=\"" + name + "\" bank=\"" + bank + "\" uuid=\"" + bank + "-" + name
             + "\" Parameters=\"" + parameters + "\"/>";
    }

    /** A bank element's text; name empty leaves out the "bank" attribute. */
    juce::String bankXml (const juce::String& name, int numPresets = 1,
                          const juce::String& device = "Vortane", const juce::String& tag = "Quillmere_Bank")
    {
        juce::String text = "<" + tag;
        if (name.isNotEmpty())
            text << " bank=\"" << name << "\"";
        text << " device=\"" << device << "\">";

        for (int i = 0; i < numPresets; ++i)
            text << presetXml ("p" + juce::String (i), name);

        return text + "</" + tag + ">";
    }

    juce::String collectionXml (const juce::StringArray& banks)
    {
        return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Banks IsBankCollection=\"true\" version=\"65793\">\n"
             + banks.joinIntoString ("\n") + "\n</Banks>\n";
    }

    juce::MemoryBlock bytesOf (const juce::String& text)
    {
        return { text.toRawUTF8(), text.getNumBytesAsUTF8() };
    }

    juce::StringArray bankNames (const juce::XmlElement& list, int from = 0)
    {
        juce::StringArray names;
        int index = 0;
        for (auto* bank : list.getChildIterator())
            if (index++ >= from)
                names.add (bank->getStringAttribute ("bank"));
        return names;
    }

    /** Every preset in the banks from index from on carries its bank's name. */
    void expectPresetsCarryTheirBankName (const juce::XmlElement& list, int from)
    {
        int index = 0;
        for (auto* bank : list.getChildIterator())
        {
            if (index++ < from)
                continue;

            for (auto* preset : bank->getChildIterator())
            {
                EXPECT_EQ (preset->getStringAttribute ("bank"), bank->getStringAttribute ("bank"));
            }
        }
    }

    /** The part every loaded list shares: the factory "Init" bank first, led by the
        sample preset, and the user banks from index 1. */
    void expectFactoryPart (const juce::XmlElement& list)
    {
        EXPECT_EQ (list.getIntAttribute ("userBankIndex", -1), 1);
        auto* init = list.getFirstChildElement();
        ASSERT_NE (init, nullptr);
        EXPECT_EQ (init->getStringAttribute ("bank"), "Init");
        ASSERT_GE (init->getNumChildElements(), 2);
        EXPECT_TRUE (init->getChildElement (0)->hasTagName ("Varno"));
        EXPECT_EQ (init->getChildElement (0)->getStringAttribute ("name"), "Goldilocks");
        EXPECT_EQ (init->getChildElement (1)->getStringAttribute ("name"), "Init");
    }

    std::unique_ptr<juce::XmlElement> parseFile (const juce::File& f)
    {
        juce::MemoryBlock bytes;
        f.loadFileAsData (bytes);
        return BankFile::parse (bytes);
    }
}

using BankLoading = UserBankFileTest;

TEST_F (BankLoading, firstStartCreatesTheUserFileWithTheDefaultBank)
{
    folder().deleteRecursively();
    TestProcessor processor;

    EXPECT_TRUE (processor->isLoadingBankList());
    ASSERT_TRUE (MessageLoop::waitForIdle (*processor));

    const auto list = processor->copyBankList();
    expectFactoryPart (*list);
    EXPECT_EQ (bankNames (*list), juce::StringArray ("Init", "myPresets"));

    const auto file = parseFile (bankFile());
    ASSERT_NE (file, nullptr);
    EXPECT_TRUE (file->hasTagName ("Banks"));
    ASSERT_EQ (file->getNumChildElements(), 1);
    EXPECT_TRUE (file->getFirstChildElement()->isEquivalentTo (list->getChildElement (1), false));

    // The start-up preset is the sample preset of another product: nothing changed.
    EXPECT_EQ (processor->getCurrentName(), "Goldilocks");
    for (auto* p : processor->getParameters())
        EXPECT_FLOAT_EQ (p->getValue(), p->getDefaultValue()) << p->getName (64);
}

//==============================================================================
struct UserFileCase
{
    const char* label;
    std::function<juce::MemoryBlock()> file;
    juce::StringArray expectedUserBanks;
    bool fileKept;      // true: left byte for byte; false: rewritten with the user banks
};

class UserBankFileLoading : public UserBankFileTest,
                            public ::testing::WithParamInterface<UserFileCase> {};

TEST_P (UserBankFileLoading, listHoldsTheAcceptedBanksAndTheFileSurvives)
{
    const auto& c = GetParam();
    const auto original = c.file();
    writeBankFile (original);

    {
        TestProcessor processor;
        ASSERT_TRUE (MessageLoop::waitForIdle (*processor));

        const auto list = processor->copyBankList();
        expectFactoryPart (*list);
        EXPECT_EQ (bankNames (*list, 1), c.expectedUserBanks);
        expectPresetsCarryTheirBankName (*list, 1);

        if (c.fileKept)
        {
            EXPECT_TRUE (readBankFile() == original) << "the user's file was changed";
        }
        else
        {
            const auto file = parseFile (bankFile());
            ASSERT_NE (file, nullptr);
            EXPECT_EQ (bankNames (*file), c.expectedUserBanks);
            expectPresetsCarryTheirBankName (*file, 0);
        }
    }

    EXPECT_TRUE (bankFileSiblings().isEmpty());
}

INSTANTIATE_TEST_SUITE_P (Files, UserBankFileLoading, ::testing::Values (
    UserFileCase { "empty file", [] { return juce::MemoryBlock(); }, { "myPresets" }, false },
    UserFileCase { "one bank as root, named like the factory bank",
                   [] { return bytesOf (bankXml ("Init", 2)); }, { "Init 1" }, false },
    UserFileCase { "duplicate and unnamed banks",
                   [] { return bytesOf (collectionXml ({ bankXml ("myPresets", 2), bankXml ("myPresets"), bankXml ("Init"),
                                                          bankXml ({}), bankXml ("myPresets", 3) })); },
                   { "myPresets", "myPresets 1", "Init 1", "Quillmere_Bank", "myPresets 2" }, false },
    UserFileCase { "bank of another device",
                   [] { return bytesOf (collectionXml ({ bankXml ("A"), bankXml ("B", 1, "Other"), bankXml ("C") })); },
                   { "A", "C" }, true },
    UserFileCase { "bank of another tag",
                   [] { return bytesOf (collectionXml ({ bankXml ("A"), bankXml ("B", 1, "Vortane", "Bank") })); },
                   { "A" }, true },
    UserFileCase { "text among the banks",
                   [] { return bytesOf ("<Banks IsBankCollection=\"true\">notes<Quillmere_Bank bank=\"A\" device=\"Vortane\"/></Banks>"); },
                   { "A" }, true },
    UserFileCase { "foreign document", [] { return bytesOf ("<html><body>hello</body></html>"); }, { "myPresets" }, true },
    UserFileCase { "binary garbage", []
                   {
                       juce::Random random (7);
                       juce::MemoryBlock block (3000);
                       random.fillBitsRandomly (block.getData(), block.getSize());
                       return block;
                   }, { "myPresets" }, true },
    UserFileCase { "truncated", []
                   {
                       auto text = collectionXml ({ bankXml ("A", 4), bankXml ("B", 4) });
                       return bytesOf (text.substring (0, text.length() / 2));
                   }, { "myPresets" }, true },
    UserFileCase { "oversized", []
                   {
                       juce::MemoryOutputStream out;
                       out << "<Banks IsBankCollection=\"true\">" << bankXml ("Big");
                       while (out.getDataSize() <= (size_t) BankFile::maxBytes)
                           out << juce::String::repeatedString (" ", 65536);
                       out << "</Banks>";
                       return out.getMemoryBlock();
                   }, { "myPresets" }, true },
    UserFileCase { "nested too deep", []
                   {
                       juce::MemoryOutputStream out;
                       for (int i = 0; i < 200000; ++i) out << "<a>";
                       return out.getMemoryBlock();
                   }, { "myPresets" }, true }),
    [] (const auto& testCase) { return juce::String (testCase.param.label).replaceCharacter (' ', '_').replaceCharacter (',', '_').toStdString(); });

//==============================================================================
TEST (FactoryBank, presetsNameOnlyParametersOfThisProductWithNormalisedValues)
{
    VortaneAudioProcessor processor;
    juce::StringArray parameterIds;
    for (auto* p : processor.getParameters())
        if (auto* withId = dynamic_cast<juce::AudioProcessorParameterWithID*> (p))
            parameterIds.add (withId->paramID);

    const auto banks = BankFile::readEmbeddedFactoryBanks();
    ASSERT_FALSE (banks.isEmpty());

    for (auto* bank : banks)
        for (auto* preset : bank->getChildIterator())
        {
            juce::StringArray ids, values;
            const int count = PresetManager::splitPairs (ids, values, preset->getStringAttribute ("Parameters"));
            EXPECT_GT (count, 0) << preset->getStringAttribute ("name");

            for (int i = 0; i < count; ++i)
            {
                EXPECT_TRUE (parameterIds.contains (ids[i])) << ids[i] << " in " << preset->getStringAttribute ("name");
                EXPECT_TRUE (values[i].containsOnly ("0123456789.")) << values[i];
                EXPECT_GE (values[i].getDoubleValue(), 0.0);
                EXPECT_LE (values[i].getDoubleValue(), 1.0);
            }
        }
}

//==============================================================================
TEST_F (BankLoading, laterInstancesShareTheListWithoutLoadingAgain)
{
    writeBankFile (collectionXml ({ bankXml ("Live", 2) }));
    TestProcessor first;
    TestProcessor duringLoading;
    EXPECT_TRUE (first->isLoadingBankList());
    ASSERT_TRUE (MessageLoop::waitForIdle (*first));
    TestProcessor afterLoading;

    for (auto* later : { &duringLoading, &afterLoading })
    {
        EXPECT_FALSE ((*later)->isLoadingBankList());
        EXPECT_FALSE ((*later)->isTimerRunning());
        EXPECT_EQ ((*later)->getCurrentName(), "Goldilocks");
    }

    MessageLoop::pump (700);
    for (auto* later : { &duringLoading, &afterLoading })
    {
        EXPECT_EQ ((*later)->getNumJobs(), 0);
        EXPECT_TRUE ((*later)->copyBankList()->isEquivalentTo (first->copyBankList().get(), false));
    }
    EXPECT_EQ (bankNames (*first->copyBankList()), juce::StringArray ("Init", "Live"));
}

TEST_F (BankLoading, theNextInstanceLoadsWhenTheLoadingOneWentBeforeItsTimer)
{
    writeBankFile (collectionXml ({ bankXml ("Live", 2) }));
    auto loader = std::make_unique<TestProcessor>();
    TestProcessor bystander;
    loader.reset();   // before its 500 ms timer: the list holds only the placeholder

    EXPECT_EQ (bankNames (*bystander->copyBankList()), juce::StringArray (""));

    TestProcessor next;
    EXPECT_TRUE (next->isLoadingBankList());
    ASSERT_TRUE (MessageLoop::waitForIdle (*next));

    const auto list = bystander->copyBankList();
    expectFactoryPart (*list);
    EXPECT_EQ (bankNames (*list), juce::StringArray ("Init", "Live"));
}

TEST_F (BankLoading, destroyingTheLoadingInstanceMidWayLosesNoBankAndNeverHangs)
{
    // Many banks make the job long enough to be caught while it runs.
    constexpr int numBanks = 1500;
    juce::StringArray banks;
    for (int i = 0; i < numBanks; ++i)
        banks.add (bankXml ("U" + juce::String (i), 10));
    const auto original = bytesOf (collectionXml (banks));

    // -1: before the timer fires; otherwise the time the job has run, from
    // reading the files to saving them.
    for (int delayMs : { -1, 0, 2, 4, 6, 8, 10, 13, 20, 40 })
    {
        SCOPED_TRACE (delayMs);
        writeBankFile (original);

        auto loader = std::make_unique<TestProcessor>();
        TestProcessor bystander;   // keeps the shared list alive
        if (delayMs >= 0)
        {
            ASSERT_TRUE (MessageLoop::waitUntil ([&] { return (*loader)->getNumJobs() > 0; }));
            juce::Thread::sleep (delayMs);
        }

        const auto before = juce::Time::getMillisecondCounterHiRes();
        loader.reset();
        EXPECT_LT (juce::Time::getMillisecondCounterHiRes() - before, 2000.0);

        // Either the list was published whole, or it still holds only the placeholder
        // and the next instance loads it.
        TestProcessor next;
        ASSERT_TRUE (MessageLoop::waitForIdle (*next));
        ASSERT_TRUE (MessageLoop::waitForIdle (*bystander));

        const auto list = bystander->copyBankList();
        expectFactoryPart (*list);
        ASSERT_EQ (list->getNumChildElements(), numBanks + 1);
        EXPECT_EQ (list->getChildElement (numBanks)->getStringAttribute ("bank"), "U" + juce::String (numBanks - 1));

        const auto file = parseFile (bankFile());
        ASSERT_NE (file, nullptr);
        EXPECT_EQ (file->getNumChildElements(), numBanks);
    }
}

TEST_F (BankLoading, readersOnOtherThreadsSeeThePlaceholderOrTheWholeListNeverAPart)
{
    constexpr int numBanks = 300;
    juce::StringArray banks;
    for (int i = 0; i < numBanks; ++i)
        banks.add (bankXml ("U" + juce::String (i), 4));
    writeBankFile (collectionXml (banks));

    TestProcessor processor;
    std::atomic<bool> done { false };
    std::atomic<int> reads { 0 }, partial { 0 };
    std::vector<std::thread> readers;

    for (int t = 0; t < 3; ++t)
        readers.emplace_back ([&]
        {
            while (! done)
            {
                const int count = processor->copyBankList()->getNumChildElements();
                if (count != 1 && count != numBanks + 1)
                    ++partial;
                if (processor->findCurrentPreset() == nullptr)
                    ++partial;
                ++reads;
            }
        });

    const bool idle = MessageLoop::waitForIdle (*processor);
    done = true;
    for (auto& r : readers)
        r.join();

    ASSERT_TRUE (idle);
    EXPECT_EQ (partial.load(), 0);
    EXPECT_GT (reads.load(), 0);
    EXPECT_EQ (processor->copyBankList()->getNumChildElements(), numBanks + 1);
}

TEST_F (BankLoading, concurrentSavesFromSeveralInstancesNeverLoseABank)
{
    TestProcessor a, b;
    ASSERT_TRUE (MessageLoop::waitForIdle (*a));

    constexpr int numThreads = 4, banksPerThread = 12;
    std::atomic<int> finished { 0 };
    std::vector<std::thread> threads;

    for (int t = 0; t < numThreads; ++t)
        threads.emplace_back ([&, t]
        {
            auto& manager = t % 2 == 0 ? *a : *b;
            for (int i = 0; i < banksPerThread; ++i)
            {
                auto bank = juce::parseXML (bankXml ("T" + juce::String (t) + "-" + juce::String (i), 2));
                manager.addBank (*bank);
            }
            ++finished;
        });

    // addBank tells the listeners under the message-manager lock: keep the loop going.
    ASSERT_TRUE (MessageLoop::waitUntil ([&] { return finished == numThreads; }));
    for (auto& t : threads)
        t.join();

    ASSERT_TRUE (MessageLoop::waitForIdle (*a));
    ASSERT_TRUE (MessageLoop::waitForIdle (*b));

    juce::StringArray expected ("myPresets");
    for (int t = 0; t < numThreads; ++t)
        for (int i = 0; i < banksPerThread; ++i)
            expected.add ("T" + juce::String (t) + "-" + juce::String (i));
    expected.sort (false);

    auto inMemory = bankNames (*a->copyBankList(), 1);
    inMemory.sort (false);
    EXPECT_EQ (inMemory, expected);

    const auto file = parseFile (bankFile());
    ASSERT_NE (file, nullptr);
    auto onDisk = bankNames (*file);
    onDisk.sort (false);
    EXPECT_EQ (onDisk, expected);
    EXPECT_TRUE (bankFileSiblings().isEmpty());
}

//==============================================================================
namespace
{
    void sendController (TestProcessor& processor, int controller, int value)
    {
        auto buffer = processor.makeBuffer (64);
        juce::MidiBuffer midi;
        midi.addEvent (juce::MidiMessage::controllerEvent (1, controller, value), 10);
        processor->processBlock (buffer, midi);
    }

    juce::AudioProcessorParameter* parameter (TestProcessor& processor, const juce::String& id)
    {
        for (auto* p : processor->getParameters())
            if (auto* withId = dynamic_cast<juce::AudioProcessorParameterWithID*> (p))
                if (withId->paramID == id)
                    return p;
        return nullptr;
    }
}

TEST_F (BankLoading, controller119LoadsAUserPresetAndLeavesLockedParametersAlone)
{
    juce::StringArray presets;
    const char* cutoffs[] = { "0.1", "0.3", "0.5" };
    for (int i = 0; i < 3; ++i)
        presets.add (presetXml ("Live " + juce::String (i), "Live",
                                ".Power Btn    :0,In:0.5,Cutoff:" + juce::String (cutoffs[i]) + ",Resonance:0.9,Drive Mode:1,"));
    writeBankFile (collectionXml ({ "<Quillmere_Bank bank=\"Live\" device=\"Vortane\">" + presets.joinIntoString ("") + "</Quillmere_Bank>" }));

    TestProcessor processor;
    ASSERT_TRUE (MessageLoop::waitForIdle (*processor));

    auto* power = parameter (processor, ".Power Btn    ");
    auto* in = parameter (processor, "In");
    auto* cutoff = parameter (processor, "Cutoff");
    auto* resonance = parameter (processor, "Resonance");
    auto* drive = parameter (processor, "Drive");
    auto* driveMode = parameter (processor, "Drive Mode");
    ASSERT_TRUE (power && in && cutoff && resonance && drive && driveMode);

    dynamic_cast<QuilParam&> (*resonance).setLocked (true);
    drive->setValueNotifyingHost (0.7f);

    sendController (processor, 118, 3);
    sendController (processor, 119, 1);
    ASSERT_TRUE (MessageLoop::waitUntil ([&] { return cutoff->getValue() == 0.3f; }, 5000));
    ASSERT_TRUE (MessageLoop::waitForIdle (*processor));

    EXPECT_FLOAT_EQ (power->getValue(), 1.0f) << "Power is locked from the start";
    EXPECT_FLOAT_EQ (resonance->getValue(), 0.0f) << "locked by the user";
    EXPECT_FLOAT_EQ (in->getValue(), 0.5f);
    EXPECT_FLOAT_EQ (driveMode->getValue(), 1.0f);
    EXPECT_FLOAT_EQ (drive->getValue(), 0.0f) << "a parameter the preset leaves out takes its default";
    EXPECT_EQ (processor->getCurrentName(), "Live 1");

    // The user bank holds three presets: 3 and beyond do nothing.
    for (int value : { 3, 127 })
    {
        sendController (processor, 119, value);
        MessageLoop::pump (150);
        EXPECT_EQ (processor->getNumJobs(), 0);
        EXPECT_FLOAT_EQ (cutoff->getValue(), 0.3f);
        EXPECT_EQ (processor->getCurrentName(), "Live 1");
    }

    sendController (processor, 119, 0);
    ASSERT_TRUE (MessageLoop::waitUntil ([&] { return cutoff->getValue() == 0.1f; }, 5000));
    EXPECT_EQ (processor->getCurrentName(), "Live 0");
}
