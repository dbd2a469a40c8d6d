// The bank list as a plug-in instance builds it: real processors, the embedded factory
// bank and real user bank files in the temporary HOME.
#include "params/QuilParam.h"
#include "presets/BankFile.h"
#include "support/BankXml.h"
#include "support/ProcessorFixture.h"
#include "support/UserBankFiles.h"

#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <thread>

using namespace BankXml;

namespace
{
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

    /** The banks from index from on, each checked to pass its name to its presets. */
    juce::StringArray userBanks (const juce::XmlElement& list, int from)
    {
        for (int i = from; i < list.getNumChildElements(); ++i)
            for (auto* preset : list.getChildElement (i)->getChildIterator())
                EXPECT_EQ (preset->getStringAttribute ("bank"), list.getChildElement (i)->getStringAttribute ("bank"));
        return bankNames (list, from);
    }

    std::unique_ptr<juce::XmlElement> parseFile (const juce::File& f)
    {
        juce::MemoryBlock bytes;
        f.loadFileAsData (bytes);
        return BankFile::parse (bytes);
    }

    juce::MemoryBlock manyBanks (int numBanks, int presetsPerBank)
    {
        juce::StringArray banks;
        for (int i = 0; i < numBanks; ++i)
            banks.add (bankText ("U" + juce::String (i), presetsPerBank));
        return bytesOf (collection (banks));
    }
}

//==============================================================================
struct UserFileCase
{
    const char* label;
    std::function<std::optional<juce::MemoryBlock>()> file;   // nullopt: no file and no folder
    juce::StringArray expectedUserBanks;
    bool fileKept;      // true: left byte for byte; false: rewritten with the user banks
};

class UserBankFileLoading : public UserBankFileTest,
                            public ::testing::WithParamInterface<UserFileCase> {};

TEST_P (UserBankFileLoading, listHoldsTheAcceptedBanksAndTheFileSurvives)
{
    const auto& c = GetParam();
    const auto original = c.file();
    if (original)
        writeBankFile (*original);
    else
        folder().deleteRecursively();

    {
        TestProcessor processor;
        EXPECT_TRUE (processor->isLoadingBankList());
        ASSERT_TRUE (MessageLoop::waitForIdle (*processor));

        const auto list = processor->copyBankList();
        expectFactoryPart (*list);
        EXPECT_EQ (userBanks (*list, 1), c.expectedUserBanks);

        if (c.fileKept)
        {
            EXPECT_TRUE (readBankFile() == *original) << "the user's file was changed";
        }
        else
        {
            const auto file = parseFile (bankFile());
            ASSERT_NE (file, nullptr);
            EXPECT_TRUE (file->hasTagName ("Banks"));
            EXPECT_EQ (userBanks (*file, 0), c.expectedUserBanks);
            EXPECT_TRUE (file->getFirstChildElement()->isEquivalentTo (list->getChildElement (1), false));
        }

        // The start-up preset is the sample preset of another product: nothing changed.
        EXPECT_EQ (processor->getCurrentName(), "Goldilocks");
        for (auto* p : processor->getParameters())
            EXPECT_FLOAT_EQ (p->getValue(), p->getDefaultValue()) << p->getName (64);
    }

    EXPECT_TRUE (bankFileSiblings().isEmpty());
}

INSTANTIATE_TEST_SUITE_P (Files, UserBankFileLoading, ::testing::Values (
    UserFileCase { "first start", [] { return std::optional<juce::MemoryBlock>(); }, { "myPresets" }, false },
    UserFileCase { "empty file", [] { return std::optional (juce::MemoryBlock()); }, { "myPresets" }, false },
    UserFileCase { "one bank as root, named like the factory bank",
                   [] { return std::optional (bytesOf (bankText ("Init", 2))); }, { "Init 1" }, false },
    UserFileCase { "duplicate and unnamed banks",
                   [] { return std::optional (bytesOf (collection ({ bankText ("myPresets", 2), bankText ("myPresets"), bankText ("Init"),
                                                                     bankText ({}), bankText ("myPresets", 3) }))); },
                   { "myPresets", "myPresets 1", "Init 1", "Quillmere_Bank", "myPresets 2" }, false },
    UserFileCase { "bank of another device",
                   [] { return std::optional (bytesOf (collection ({ bankText ("A"), bankText ("B", 1, "Other"), bankText ("C") }))); },
                   { "A", "C" }, true },
    UserFileCase { "bank of another tag",
                   [] { return std::optional (bytesOf (collection ({ bankText ("A"), bankText ("B", 1, "Vortane", "Bank") }))); },
                   { "A" }, true },
    UserFileCase { "text among the banks",
                   [] { return std::optional (bytesOf ("<Banks IsBankCollection=\"true\">notes" + bankText ("A") + "</Banks>")); },
                   { "A" }, true },
    UserFileCase { "foreign document", [] { return std::optional (bytesOf ("<html><body>hello</body></html>")); }, { "myPresets" }, true },
    UserFileCase { "binary garbage", []
                   {
                       juce::MemoryBlock block (3000);
                       juce::Random (7).fillBitsRandomly (block.getData(), block.getSize());
                       return std::optional (block);
                   }, { "myPresets" }, true },
    UserFileCase { "truncated", []
                   {
                       const auto text = collection ({ bankText ("A", 4), bankText ("B", 4) });
                       return std::optional (bytesOf (text.substring (0, text.length() / 2)));
                   }, { "myPresets" }, true },
    UserFileCase { "oversized", []
                   {
                       juce::MemoryOutputStream out;
                       out << "<Banks IsBankCollection=\"true\">" << bankText ("Big");
                       while (out.getDataSize() <= (size_t) BankFile::maxBytes)
                           out << juce::String::repeatedString (" ", 65536);
                       out << "</Banks>";
                       return std::optional (out.getMemoryBlock());
                   }, { "myPresets" }, true },
    UserFileCase { "nested too deep", []
                   {
                       juce::MemoryOutputStream out;
                       for (int i = 0; i < 200000; ++i) out << "<a>";
                       return std::optional (out.getMemoryBlock());
                   }, { "myPresets" }, true }),
    [] (const auto& testCase) { return juce::String (testCase.param.label).replaceCharacter (' ', '_').replaceCharacter (',', '_').toStdString(); });

//==============================================================================
using BankLoading = UserBankFileTest;

TEST_F (BankLoading, laterInstancesShareTheListWithoutLoadingAgain)
{
    writeBankFile (collection ({ bankText ("Live", 2) }));
    TestProcessor first;
    TestProcessor duringLoading;
    EXPECT_TRUE (first->isLoadingBankList());
    ASSERT_TRUE (MessageLoop::waitForIdle (*first));
    TestProcessor afterLoading;

    // With no timer running, no later instance can start a job of its own.
    for (auto* later : { &duringLoading, &afterLoading })
    {
        EXPECT_FALSE ((*later)->isLoadingBankList());
        EXPECT_FALSE ((*later)->isTimerRunning());
        EXPECT_EQ ((*later)->getNumJobs(), 0);
        EXPECT_EQ ((*later)->getCurrentName(), "Goldilocks");
        EXPECT_TRUE ((*later)->copyBankList()->isEquivalentTo (first->copyBankList().get(), false));
    }
    EXPECT_EQ (bankNames (*first->copyBankList()), juce::StringArray ("Init", "Live"));
}

TEST_F (BankLoading, destroyingTheLoadingInstanceMidWayLosesNoBankAndNeverHangs)
{
    // Many banks make the job long enough to be caught while it runs.
    constexpr int numBanks = 1500;
    const auto original = manyBanks (numBanks, 10);

    enum class Stage { beforeTheTimer, jobQueued, listPublished };
    for (auto stage : { Stage::beforeTheTimer, Stage::jobQueued, Stage::listPublished })
    {
        SCOPED_TRACE ((int) stage);
        writeBankFile (original);

        auto loader = std::make_unique<TestProcessor>();
        TestProcessor bystander;   // keeps the shared list alive
        if (stage != Stage::beforeTheTimer)
        {
            ASSERT_TRUE (MessageLoop::waitUntil ([&] { return (*loader)->getNumJobs() > 0; }));
        }

        // Not pumping: once the list is in place the job waits for this thread to tell
        // the listeners, while its save is queued.
        juce::SharedResourcePointer<SharedBankList> shared;
        while (stage == Stage::listPublished && ! shared->isLoaded())
            std::this_thread::yield();

        loader.reset();   // must end the job's wait, or the test hangs

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
    writeBankFile (manyBanks (numBanks, 4));

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
                if ((count != 1 && count != numBanks + 1) || processor->findCurrentPreset() == nullptr)
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
    juce::StringArray expected ("myPresets");

    for (int t = 0; t < numThreads; ++t)
    {
        for (int i = 0; i < banksPerThread; ++i)
            expected.add ("T" + juce::String (t) + "-" + juce::String (i));

        threads.emplace_back ([&, t]
        {
            auto& manager = t % 2 == 0 ? *a : *b;
            for (int i = 0; i < banksPerThread; ++i)
                manager.addBank (*makeBank ("T" + juce::String (t) + "-" + juce::String (i), 2));
            ++finished;
        });
    }

    // addBank tells the listeners under the message-manager lock: keep the loop going.
    ASSERT_TRUE (MessageLoop::waitUntil ([&] { return finished == numThreads; }));
    for (auto& t : threads)
        t.join();
    ASSERT_TRUE (MessageLoop::waitForIdle (*a));
    ASSERT_TRUE (MessageLoop::waitForIdle (*b));

    expected.sort (false);
    const auto file = parseFile (bankFile());
    ASSERT_NE (file, nullptr);
    for (auto names : { bankNames (*a->copyBankList(), 1), bankNames (*file) })
    {
        names.sort (false);
        EXPECT_EQ (names, expected);
    }
    EXPECT_TRUE (bankFileSiblings().isEmpty());
}

//==============================================================================
TEST_F (BankLoading, controller119BurstsLeaveTheLastPresetInPlaceAndLockedParametersAlone)
{
    juce::String presets;
    for (auto cutoff : { "0.1", "0.3", "0.5", "0.7" })
        presets << "<Quillmere_Preset name=\"Live " << cutoff << "\" bank=\"Live\" uuid=\"" << cutoff << "\" Parameters=\""
                << ".Power Btn    :0,In:0.5,Cutoff:" << cutoff << ",Resonance:0.9,Drive Mode:1,\"/>";
    writeBankFile (collection ({ "<Quillmere_Bank bank=\"Live\" device=\"Vortane\">" + presets + "</Quillmere_Bank>" }));

    struct AppliedCounter : PresetManager::Listener
    {
        void currentPresetChanged (const juce::String&, const juce::String&, const juce::String&) override { ++count; }
        std::atomic<int> count { 0 };
    } applied;   // outlives the processor

    TestProcessor processor;
    ASSERT_TRUE (MessageLoop::waitForIdle (*processor));

    std::map<juce::String, juce::AudioProcessorParameter*> byId;
    for (auto* p : processor->getParameters())
        if (auto* withId = dynamic_cast<juce::AudioProcessorParameterWithID*> (p))
            byId[withId->paramID] = p;
    for (auto id : { ".Power Btn    ", "In", "Cutoff", "Resonance", "Drive", "Drive Mode" })
        ASSERT_NE (byId[id], nullptr) << id;

    dynamic_cast<QuilParam&> (*byId["Resonance"]).setLocked (true);
    byId["Drive"]->setValueNotifyingHost (0.7f);

    processor->addPresetListener (&applied);

    // Each burst in one block; the bank (controller 118) is not used, and numbers past
    // the bank's four presets do nothing. Rounds, because the jobs race for the lock.
    struct Burst { std::vector<std::pair<int, int>> controllers; const char* inPlace; int applications; };
    const Burst bursts[] = { { { { 118, 3 }, { 119, 0 }, { 119, 3 }, { 119, 1 } }, "0.3", 1 },
                             { { { 119, 2 }, { 119, 4 } }, "0.5", 1 },
                             { { { 119, 127 }, { 119, 4 } }, "0.5", 0 },
                             { { { 119, 1 }, { 119, 3 }, { 119, 0 } }, "0.1", 1 } };

    for (int round = 0; round < 10; ++round)
        for (const auto& burst : bursts)
        {
            auto buffer = processor.makeBuffer (64);
            juce::MidiBuffer midi;
            int position = 0;
            for (auto [number, value] : burst.controllers)
                midi.addEvent (juce::MidiMessage::controllerEvent (1, number, value), position++);

            applied.count = 0;
            processor->processBlock (buffer, midi);
            processor->presetRequests.deliverPending();   // what its timer does next
            ASSERT_TRUE (MessageLoop::waitForIdle (*processor));

            ASSERT_EQ (applied.count.load(), burst.applications) << round << " " << burst.inPlace;
            ASSERT_EQ (processor->getCurrentName(), juce::String ("Live ") + burst.inPlace) << round;
            ASSERT_FLOAT_EQ (byId["Cutoff"]->getValue(), juce::String (burst.inPlace).getFloatValue()) << round;
        }

    EXPECT_FLOAT_EQ (byId[".Power Btn    "]->getValue(), 1.0f) << "Power is locked from the start";
    EXPECT_FLOAT_EQ (byId["Resonance"]->getValue(), 0.0f) << "locked by the user";
    EXPECT_FLOAT_EQ (byId["In"]->getValue(), 0.5f);
    EXPECT_FLOAT_EQ (byId["Drive Mode"]->getValue(), 1.0f);
    EXPECT_FLOAT_EQ (byId["Drive"]->getValue(), 0.0f) << "a parameter the preset leaves out takes its default";
}
