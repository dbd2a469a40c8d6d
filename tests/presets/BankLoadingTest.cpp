// The bank list as plug-in instances build it: real processors, the embedded factory
// bank and real user bank files in the temporary HOME.
#include "presets/BankFile.h"
#include "support/BankFiles.h"
#include "support/ParameterIndex.h"
#include "support/ProcessorFixture.h"

#include <optional>
#include <thread>

using namespace BankXml;

namespace
{
    /** The factory "Init" bank first, led by the sample preset; the names of the user
        banks after it, each checked to pass its name to its presets. */
    juce::String userBanksAfterTheFactoryBank (const juce::XmlElement& list)
    {
        const auto* factory = list.getFirstChildElement();
        EXPECT_EQ (list.getStringAttribute ("userBankIndex") + factory->getStringAttribute ("bank") + factory->getFirstChildElement()->getStringAttribute ("name")
                     + factory->getChildElement (1)->getStringAttribute ("name"), "1InitGoldilocksInit");

        for (int i = 1; i < list.getNumChildElements(); ++i)
            for (auto* preset : list.getChildElement (i)->getChildIterator())
                EXPECT_EQ (preset->getStringAttribute ("bank"), list.getChildElement (i)->getStringAttribute ("bank"));
        return bankNames (list, 1);
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
// No file: neither file nor folder. A kept file is left byte for byte, else rewritten with the user banks.
struct UserFileCase { const char* label; std::optional<juce::MemoryBlock> file; const char* expectedUserBanks; bool fileKept; };

void PrintTo (const UserFileCase& c, std::ostream* os) { *os << c.label; }   // not the file's bytes

class UserBankFileLoading : public UserBankFileTest, public ::testing::WithParamInterface<UserFileCase> {};

TEST_P (UserBankFileLoading, listHoldsTheAcceptedBanksAndTheFileSurvives)
{
    const auto& c = GetParam();
    if (c.file.has_value())
        writeBankFile (*c.file);
    else
        folder().deleteRecursively();

    {
        TestProcessor processor;
        ASSERT_TRUE (processor->isLoadingBankList());
        ASSERT_TRUE (MessageLoop::waitForIdle (*processor));

        const auto list = processor->copyBankList();
        EXPECT_EQ (userBanksAfterTheFactoryBank (*list), c.expectedUserBanks);

        if (c.fileKept)
        {
            EXPECT_TRUE (readBankFile() == *c.file) << "the user's file was changed";
        }
        else   // in the framework's text form, as other products write it
        {
            EXPECT_TRUE (bankFile().loadFileAsString().startsWith ("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n\r\n"
                                                                   "<Banks IsBankCollection=\"true\" version=\"65793\">\r\n"));
            const auto file = juce::parseXML (bankFile());
            ASSERT_NE (file, nullptr);
            EXPECT_EQ (bankNames (*file), c.expectedUserBanks);
            EXPECT_TRUE (file->getFirstChildElement()->isEquivalentTo (list->getChildElement (1), false)) << "the bank written is not the one listed";
        }

        // The start-up preset is the sample preset of another product: nothing changed.
        EXPECT_EQ (processor->getCurrentName(), "Goldilocks");
        for (auto* p : processor->getParameters())
            EXPECT_FLOAT_EQ (p->getValue(), p->getDefaultValue()) << p->getName (64);
    }

    EXPECT_TRUE (bankFileSiblings().isEmpty());
}

INSTANTIATE_TEST_SUITE_P (Files, UserBankFileLoading, ::testing::Values (
    UserFileCase { "first_start", std::nullopt, "myPresets", false },
    UserFileCase { "empty_file", juce::MemoryBlock(), "myPresets", false },
    UserFileCase { "one_bank_as_root_named_like_the_factory_bank", bytesOf (bankText ("Init", 2)), "Init 1", false },
    // Taken names get the first free suffix; an unnamed bank is named by its tag.
    UserFileCase { "duplicate_and_unnamed_banks",
                   bytesOf (collection ({ bankText ("myPresets", 2), bankText ("myPresets"), bankText ({}), bankText ("myPresets", 3),
                                          bankText ("A 1"), bankText ("A"), bankText ("A"), bankText ("B 2"), bankText ("B"), bankText ("B") })),
                   "myPresets,myPresets 1,Quillmere_Bank,myPresets 2,A 1,A,A 2,B 2,B,B 1", false },
    UserFileCase { "banks_of_another_device_or_tag",
                   bytesOf (collection ({ bankText ("A"), bankText ("B", 1, "Other"), bankText ("C", 1, "Vortane", "Bank"), bankText ("D") })),
                   "A,D", true },
    UserFileCase { "text_among_the_banks", bytesOf ("<Banks IsBankCollection=\"true\">notes" + bankText ("A") + "</Banks>"), "A", true },
    UserFileCase { "foreign_document", bytesOf ("<html><body>hello</body></html>"), "myPresets", true },
    UserFileCase { "binary_garbage", [] { juce::MemoryBlock b (3000); juce::Random (7).fillBitsRandomly (b.getData(), b.getSize()); return b; }(),
                   "myPresets", true },
    UserFileCase { "truncated", bytesOf (collection ({ bankText ("A", 4), bankText ("B", 4) }).dropLastCharacters (100)), "myPresets", true },
    UserFileCase { "oversized", bytesOf ("<Banks IsBankCollection=\"true\">" + bankText ("Big") + juce::String::repeatedString (" ", (int) BankFile::maxBytes) + "</Banks>"),
                   "myPresets", true },
    UserFileCase { "nested_too_deep", bytesOf (juce::String::repeatedString ("<a>", 200000)), "myPresets", true }),
    [] (const auto& testCase) { return std::string (testCase.param.label); });

//==============================================================================
using BankLoading = UserBankFileTest;

TEST_F (BankLoading, instancesShareOneListThatReadersNeverSeeHalfBuiltAndConcurrentAddsNeverLose)
{
    struct Announcements : PresetManager::BankListListener
    {
        void bankListChanged() override
        {
            EXPECT_TRUE (juce::MessageManager::getInstance()->currentThreadHasLockedMessageManager());
            ++calls;
        }
        std::atomic<int> calls { 0 };
    } announcements;

    constexpr int numBanks = 300;
    writeBankFile (manyBanks (numBanks, 4));
    TestProcessor first, duringLoading;
    duringLoading->addBankListListener (&announcements);   // the listeners are shared by every instance
    duringLoading->addBank (*makeBank ("Early"));            // kept, after the user banks, once the list is loaded

    std::atomic<bool> done { false };
    std::atomic<int> reads { 0 }, partial { 0 };
    std::vector<std::thread> threads;
    for (int t = 0; t < 3; ++t)
        threads.emplace_back ([&]
        {
            for (; ! done; ++reads)
            {
                const int count = duringLoading->copyBankList()->getNumChildElements();
                if ((count != 2 && count != numBanks + 2) || duringLoading->findCurrentPreset() == nullptr)
                    ++partial;
            }
        });

    const bool idle = MessageLoop::waitForIdle (*first);
    done = true;
    for (auto& t : threads)
        t.join();
    ASSERT_TRUE (idle);
    EXPECT_EQ (partial.load(), 0);
    EXPECT_GT (reads.load(), 0);

    // The instance built during loading watches until the list is in, then stops; with
    // no timer running, no later instance can start a job of its own.
    ASSERT_TRUE (MessageLoop::waitUntil ([&] { return ! duringLoading->isTimerRunning(); }));
    TestProcessor afterLoading;
    for (auto* later : { &duringLoading, &afterLoading })
    {
        EXPECT_FALSE ((*later)->isLoadingBankList() || (*later)->isTimerRunning() || (*later)->getNumJobs() > 0);
        EXPECT_EQ ((*later)->getCurrentName(), "Goldilocks");
        EXPECT_TRUE ((*later)->copyBankList()->isEquivalentTo (first->copyBankList().get(), false));
    }
    EXPECT_TRUE (userBanksAfterTheFactoryBank (*first->copyBankList()).endsWith (",U" + juce::String (numBanks - 1) + ",Early"));

    // Banks added from several threads through several instances.
    constexpr int numThreads = 4, banksPerThread = 12;
    std::atomic<int> finished { 0 };
    threads.clear();
    for (int t = 0; t < numThreads; ++t)
        threads.emplace_back ([&, t]
        {
            for (int i = 0; i < banksPerThread; ++i)
                (t % 2 == 0 ? *first : *afterLoading).addBank (*makeBank ("T" + juce::String (t) + "-" + juce::String (i), 2));
            ++finished;
        });

    // addBank tells the listeners under the message-manager lock: keep the loop going.
    ASSERT_TRUE (MessageLoop::waitUntil ([&] { return finished == numThreads; }));
    for (auto& t : threads)
        t.join();

    first->addBank (*makeBank ("T0-0"));   // a taken name: renamed, and selected
    EXPECT_EQ (first->getSelectedBankName(), "T0-0 1");
    EXPECT_EQ (first->getSelectedBankIndex(), numBanks + numThreads * banksPerThread + 2);
    ASSERT_TRUE (MessageLoop::waitForIdle (*first) && MessageLoop::waitForIdle (*afterLoading));
    EXPECT_EQ (announcements.calls.load(), 2 + numThreads * banksPerThread + 1);
    duringLoading->removeBankListListener (&announcements);

    // The last save holds every user bank.
    const auto file = juce::parseXML (bankFile());
    ASSERT_NE (file, nullptr);
    EXPECT_EQ (bankNames (*file), bankNames (*duringLoading->copyBankList(), 1));
    EXPECT_EQ (file->getNumChildElements(), numBanks + 1 + numThreads * banksPerThread + 1);
    const auto written = juce::StringArray::fromTokens (bankNames (*file), ",", {});
    for (int t = 0; t < numThreads; ++t)
        for (int i = 0; i < banksPerThread; ++i)
            EXPECT_TRUE (written.contains ("T" + juce::String (t) + "-" + juce::String (i))) << t << "-" << i;
    EXPECT_TRUE (bankFileSiblings().isEmpty());
}

TEST_F (BankLoading, destroyingTheLoadingInstanceMidWayLosesNoBankAndNeverHangs)
{
    // Many banks make the job long enough to be caught while it runs.
    constexpr int numBanks = 1500;
    const auto original = manyBanks (numBanks, 10);

    // The list is loaded in the end by a new instance, or, with none, by the one that
    // was there all along (as when a host builds the instance it keeps before it
    // destroys the one it built first).
    enum class Stage { beforeTheTimer, jobQueued, listPublished };
    for (bool aNewInstanceFollows : { true, false })
        for (auto stage : { Stage::beforeTheTimer, Stage::jobQueued, Stage::listPublished })
        {
            SCOPED_TRACE ((int) stage + (aNewInstanceFollows ? 0 : 10));
            writeBankFile (original);
            auto loader = std::make_unique<TestProcessor>();
            TestProcessor bystander;   // keeps the shared list alive
            ASSERT_TRUE (stage == Stage::beforeTheTimer || MessageLoop::waitUntil ([&] { return (*loader)->getNumJobs() > 0; }));

            // Not pumping: once the list is in place the job waits for this thread to tell
            // the listeners, while its save is queued.
            juce::SharedResourcePointer<SharedBankList> shared;
            while (stage == Stage::listPublished && ! shared->isLoaded())
                std::this_thread::yield();

            loader.reset();   // must end the job's wait, or the test hangs

            std::optional<TestProcessor> next;
            if (aNewInstanceFollows)
                next.emplace();
            ASSERT_TRUE (MessageLoop::waitUntil ([&] { return shared->isLoaded(); }));
            ASSERT_TRUE ((! next.has_value() || MessageLoop::waitForIdle (**next)) && MessageLoop::waitForIdle (*bystander));
            const auto list = bystander->copyBankList();
            EXPECT_EQ (list->getNumChildElements(), numBanks + 1);
            EXPECT_TRUE (userBanksAfterTheFactoryBank (*list).endsWith (",U" + juce::String (numBanks - 1)));
            const auto file = juce::parseXML (bankFile());
            ASSERT_NE (file, nullptr);
            EXPECT_EQ (file->getNumChildElements(), numBanks);
        }
}

//==============================================================================
TEST_F (BankLoading, controller119BurstsLeaveTheLastPresetInPlaceAndLockedParametersAlone)
{
    juce::String presets;
    for (auto cutoff : { "0.1", "0.3", "0.5", "0.7" })
        presets << "<Quillmere_Preset name=\"" << cutoff << "\" bank=\"Live\" uuid=\"" << cutoff << "\" Parameters=\""
                << ".Power Btn    :0,In:0.5,Cutoff:" << cutoff << ",Resonance:0.9,Drive Mode:1,\"/>";
    writeBankFile (bytesOf (collection ({ "<Quillmere_Bank bank=\"Live\" device=\"Vortane\">" + presets + "</Quillmere_Bank>" })));

    AppliedPresets applied;
    TestProcessor processor;
    ASSERT_TRUE (MessageLoop::waitForIdle (*processor));

    const auto& params = processor->getParameters();
    quilParam (*processor, resonance).setLocked (true);
    params[drive]->setValueNotifyingHost (0.7f);
    processor->addPresetListener (&applied);

    // Each burst in one block; the bank (controller 118) is not used, and numbers past
    // the bank's four presets do nothing. The 70 requests overflow the hand-over's ring,
    // whose last slot keeps only the newest of those that do not fit.
    std::vector<std::pair<int, int>> overflowing (70, { 119, 3 });
    overflowing.back() = { 119, 2 };
    juce::StringArray ringThenLast;
    for (int i = 0; i < 64; ++i)
        ringThenLast.add ("0.7");
    ringThenLast.add ("0.5");
    const std::pair<std::vector<std::pair<int, int>>, juce::String> bursts[] = {
        { { { 118, 3 }, { 119, 0 }, { 119, 3 }, { 119, 1 } }, "0.1 0.7 0.3" },
        { { { 119, 2 }, { 119, 4 } }, "0.5" },
        { { { 119, 127 }, { 119, 4 } }, "" },
        { { { 119, 1 }, { 119, 3 }, { 119, 0 } }, "0.3 0.7 0.1" },
        { overflowing, ringThenLast.joinIntoString (" ") },
        { { { 119, 0 } }, "0.1" } };

    // Rounds, because the jobs race for the message-manager lock: every request
    // applies, in order, and the last one stays in place.
    juce::String inPlace = "0.5";
    for (int round = 0; round < 10; ++round)
        for (const auto& [controllers, inOrder] : bursts)
        {
            auto buffer = processor.makeBuffer (64);
            juce::MidiBuffer midi;
            for (auto [number, value] : controllers)
                midi.addEvent (juce::MidiMessage::controllerEvent (1, number, value), 0);

            processor->processBlock (buffer, midi);
            processor->presetRequests.deliverPending();   // what its timer does next
            ASSERT_TRUE (MessageLoop::waitForIdle (*processor));
            ASSERT_EQ (applied.take().joinIntoString (" "), inOrder) << round;
            if (inOrder.isNotEmpty())
                inPlace = inOrder.fromLastOccurrenceOf (" ", false, false);
            ASSERT_EQ (processor->getCurrentName(), inPlace) << round;
            ASSERT_FLOAT_EQ (params[cutoff]->getValue(), processor->getCurrentName().getFloatValue()) << round;
        }

    EXPECT_FLOAT_EQ (params[power]->getValue(), 1.0f) << "Power is locked from the start";
    EXPECT_FLOAT_EQ (params[resonance]->getValue(), 0.0f) << "locked by the user";
    EXPECT_FLOAT_EQ (params[in]->getValue(), 0.5f);
    EXPECT_FLOAT_EQ (params[driveMode]->getValue(), 1.0f);
    EXPECT_FLOAT_EQ (params[drive]->getValue(), 0.0f) << "a parameter the preset leaves out takes its default";
}

//==============================================================================
namespace
{
    /** Controller 119 requests in blocks some milliseconds apart, and what they leave. */
    struct RequestCase
    {
        const char* label;
        std::vector<std::vector<int>> blocks;   // the presets asked for in each block
        int gapMs;
        const char* applied;                    // the presets applied, in order
        float in, type;                         // type < 0: its default
    };

    void PrintTo (const RequestCase& c, std::ostream* os) { *os << c.label; }

    class PresetRequests : public UserBankFileTest,
                           public ::testing::WithParamInterface<RequestCase> {};
}

TEST_P (PresetRequests, everyRequestAppliesInTheOrderItArrived)
{
    const auto& c = GetParam();
    writeBankFile (bytesOf (collection ({ "<Quillmere_Bank bank=\"Live\" device=\"Vortane\">"
                                          "<Quillmere_Preset name=\"A\" bank=\"Live\" uuid=\"a\" Parameters=\"In:0.2,Type:0.4,\"/>"
                                          "<Quillmere_Preset name=\"B\" bank=\"Live\" uuid=\"b\"/>"
                                          "<Quillmere_Preset name=\"C\" bank=\"Live\" uuid=\"c\" Parameters=\"In:0.6,\"/>"
                                          "</Quillmere_Bank>" })));
    AppliedPresets applied;
    TestProcessor processor;
    ASSERT_TRUE (MessageLoop::waitForIdle (*processor));
    processor->addPresetListener (&applied);

    // The message thread is busy meanwhile: the requests reach the manager together.
    for (const auto& numbers : c.blocks)
    {
        auto buffer = processor.makeBuffer (64);
        juce::MidiBuffer midi;
        for (int n : numbers)
            midi.addEvent (juce::MidiMessage::controllerEvent (1, 119, n), 0);
        processor->processBlock (buffer, midi);
        juce::Thread::sleep (c.gapMs);
    }
    processor->presetRequests.deliverPending();
    ASSERT_TRUE (MessageLoop::waitForIdle (*processor));

    const auto names = applied.take();
    EXPECT_EQ (names.joinIntoString (" "), c.applied);
    EXPECT_EQ (processor->getCurrentName(), names[names.size() - 1]);
    EXPECT_FLOAT_EQ (processor->getParameters()[in]->getValue(), c.in);
    const auto* typeParameter = processor->getParameters()[type];
    EXPECT_FLOAT_EQ (typeParameter->getValue(), c.type < 0.0f ? typeParameter->getDefaultValue() : c.type);
    processor->removePresetListener (&applied);
}

INSTANTIATE_TEST_SUITE_P (Controller119, PresetRequests, ::testing::Values (
    RequestCase { "A_then_B_without_parameters_10ms_later", { { 0 }, { 1 } }, 10, "A B", 0.2f, 0.4f },
    RequestCase { "B_then_A_10ms_later", { { 1 }, { 0 } }, 10, "B A", 0.2f, 0.4f },
    RequestCase { "three_in_a_burst", { { 0, 2, 1 } }, 0, "A C B", 0.6f, -1.0f }),
    [] (const auto& testCase) { return std::string (testCase.param.label); });
