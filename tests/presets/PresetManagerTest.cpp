#include "support/BankFiles.h"
#include "support/ProcessorFixture.h"

#include <thread>

namespace
{
    /** Replaces the shared list's banks, holding off the manager's own load. */
    void setBanks (PresetManager& manager, std::vector<int> presetsPerBank, const juce::String& userBankIndex = "1")
    {
        manager.stopTimer();
        juce::SharedResourcePointer<SharedBankList>()->modify ([&] (juce::XmlElement& list)
        {
            list.deleteAllChildElements();
            list.removeAttribute ("userBankIndex");
            if (userBankIndex.isNotEmpty())
                list.setAttribute ("userBankIndex", userBankIndex);
            for (size_t i = 0; i < presetsPerBank.size(); ++i)
                list.addChildElement (BankXml::makeBank ("b" + juce::String ((int) i), presetsPerBank[i]).release());
        });
    }
}

//==============================================================================
struct PairsCase
{
    const char* label;
    const char* text;
    std::vector<std::pair<const char*, const char*>> items;
};

void PrintTo (const PairsCase& c, std::ostream* os) { *os << c.label; }

class SplitPairs : public ::testing::TestWithParam<PairsCase> {};

TEST_P (SplitPairs, readsIdsAndValuesUpToTheLastColon)
{
    const auto& c = GetParam();
    juce::StringArray ids ("stale"), values ("stale", "stale");

    const int count = PresetManager::splitPairs (ids, values, juce::String::fromUTF8 (c.text));

    ASSERT_EQ (count, (int) c.items.size());
    ASSERT_EQ (ids.size(), count);
    ASSERT_EQ (values.size(), count);
    for (int i = 0; i < count; ++i)
    {
        EXPECT_EQ (ids[i], c.items[(size_t) i].first);
        EXPECT_EQ (values[i], c.items[(size_t) i].second);
    }
}

INSTANTIATE_TEST_SUITE_P (Lists, SplitPairs, ::testing::Values (
    PairsCase { "trailing_comma", "In:0.75,Cutoff:0.5,", { { "In", "0.75" }, { "Cutoff", "0.5" } } },
    PairsCase { "last_comma_missing", "In:0.75,Cutoff:0.5", { { "In", "0.75" }, { "Cutoff", "0.5" } } },
    PairsCase { "ids_with_spaces", ".Power Btn    :1,Drive Mode:0,", { { ".Power Btn    ", "1" }, { "Drive Mode", "0" } } },
    PairsCase { "empty_value", "a:,b:2", { { "a", "" }, { "b", "2" } } },
    PairsCase { "item_without_colon", "a:1,garbage,b:2,", { { "a", "1" }, { "garbage,b", "2" } } },
    PairsCase { "colon_in_value", "a:1:2,b:3", { { "a", "1:2" }, { "b", "3" } } },
    PairsCase { "empty", "", {} },
    PairsCase { "no_colon_at_all", "no colon, at all,", {} }),
    [] (const auto& testCase) { return std::string (testCase.param.label); });

//==============================================================================
TEST (PresetManager, currentPresetTakesAnOldCategoryAsItsBankAndFallsBackToTheFirstPreset)
{
    struct Probe : PresetManager::Listener
    {
        void currentPresetChanged (const juce::String& n, const juce::String& b, const juce::String& u) override { calls.add (n + "|" + b + "|" + u); }
        juce::StringArray calls;
    } probe;   // outlives the processor

    TestProcessor processor;
    setBanks (*processor, { 2, 3 });
    processor->addPresetListener (&probe);

    auto old = juce::parseXML ("<Quillmere_Preset name=\"Old\" category=\"b1\" uuid=\"b1-uuid-2\"/>");
    processor->setCurrentPresetInfo (*old);
    EXPECT_EQ (old->getStringAttribute ("bank") + old->getStringAttribute ("category", "/moved"), "b1/moved");
    EXPECT_EQ (processor->getCurrentName() + processor->getCurrentBank() + processor->getCurrentUuid(), "Oldb1b1-uuid-2");
    EXPECT_EQ (processor->findCurrentPreset()->getStringAttribute ("name"), "b1/2");
    EXPECT_EQ (processor->getSelectedBankName(), "b1");

    auto unknown = juce::parseXML ("<Quillmere_Preset name=\"New\" bank=\"b1\" category=\"Small\" uuid=\"nowhere\"/>");
    processor->setCurrentPresetInfo (*unknown);
    EXPECT_EQ (processor->getCurrentBank() + unknown->getStringAttribute ("category"), "b1Small");
    EXPECT_EQ (processor->findCurrentPreset()->getStringAttribute ("name"), "b0/0");
    EXPECT_EQ (probe.calls.joinIntoString (" "), "Old|b1|b1-uuid-2 New|b1|nowhere");
    processor->removePresetListener (&probe);

    setBanks (*processor, { 0, 3 });
    EXPECT_EQ (processor->findCurrentPreset(), nullptr);
    EXPECT_EQ (processor->copyFirstPreset(), nullptr);
    {
        const TestProcessor next;   // shares the list; its start-up finds no preset to apply
        EXPECT_EQ (next->getCurrentName(), "");
        EXPECT_FLOAT_EQ (next->getParameters()[1]->getValue(), 0.75f);
    }

    setBanks (*processor, {}, "");
    EXPECT_EQ (processor->findCurrentPreset(), nullptr);
    EXPECT_EQ (processor->copyFirstPreset(), nullptr);
}

TEST (LoadPresetByNumber, picksFromTheUserBankAppliesEveryRequestInOrderAndDropsWhatTheInstanceLeaves)
{
    struct Case { std::vector<int> numbers; const char* applied; std::vector<int> presetsPerBank; const char* userBankIndex; };
    const Case cases[] = { { { 4 }, "b1/4", { 1, 5 }, "1" },
                           { { 0, 3, 1 }, "b1/0 b1/3 b1/1", { 1, 5 }, "1" },
                           { { 2, 5 }, "b1/2", { 1, 5 }, "1" },      // the last number is past the end
                           { { 5, 127, -1 }, "", { 1, 5 }, "1" },
                           { { 2 }, "b2/2", { 1, 1, 3 }, "7" },     // index past the last bank
                           { { 1 }, "b0/1", { 2, 5 }, "" },        // no index
                           { { 1 }, "b0/1", { 2, 5 }, "x" },       // index not a number
                           { { 0 }, "b0/0", { 2, 5 }, "-4" },      // negative index
                           { { 0 }, "", { 2, 0 }, "1" },
                           { { 0 }, "", {}, "" } };

    AppliedPresets applied;
    TestProcessor processor;
    processor->addPresetListener (&applied);

    for (const auto& c : cases)
    {
        setBanks (*processor, c.presetsPerBank, c.userBankIndex);

        // Rounds, because the pool's threads race for the message-manager lock.
        for (int round = 0; round < 25; ++round)
        {
            for (int n : c.numbers)
                processor->loadPresetAsync (n, 3);
            if (*c.applied == 0)
            {
                ASSERT_EQ (processor->getNumJobs(), 0) << "nothing is queued";
            }

            ASSERT_TRUE (MessageLoop::waitUntil ([&] { return processor->getNumJobs() == 0; }));
            ASSERT_EQ (applied.take().joinIntoString (" "), c.applied) << "round " << round << ", index " << c.userBankIndex;
        }
    }

    // Once the job runs it waits for the message-manager lock, which this thread (the
    // message thread, not pumping) keeps from it; destroying the instance must end the
    // wait, or the test hangs.
    setBanks (*processor, { 1, 2 });
    processor->loadPresetAsync (0, 0);
    const auto running = [&] { return processor->getNamesOfAllJobs (true).contains ("PresetLoader"); };
    for (const auto end = juce::Time::getMillisecondCounter() + 10000; ! running() && juce::Time::getMillisecondCounter() < end;)
        std::this_thread::yield();
    ASSERT_TRUE (running());
    processor.processor.reset();
    EXPECT_TRUE (applied.take().isEmpty());
}
