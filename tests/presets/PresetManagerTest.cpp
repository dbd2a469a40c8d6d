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

TEST (PresetManager, currentPresetTakesAnOldCategoryAsItsBankAndFallsBackToTheFirstPreset)
{
    TestProcessor processor;
    setBanks (*processor, { 2, 3 });

    auto old = juce::parseXML ("<Quillmere_Preset name=\"Old\" category=\"b1\" uuid=\"b1-uuid-2\"/>");
    processor->setCurrentPresetInfo (*old);
    EXPECT_EQ (old->getStringAttribute ("bank") + old->getStringAttribute ("category", "/moved"), "b1/moved");
    EXPECT_EQ (processor->getCurrentName() + processor->getCurrentBank() + processor->getCurrentUuid(), "Oldb1b1-uuid-2");
    EXPECT_EQ (processor->findCurrentPreset()->getStringAttribute ("name"), "b1/2");

    auto unknown = juce::parseXML ("<Quillmere_Preset name=\"New\" bank=\"b1\" category=\"Small\" uuid=\"nowhere\"/>");
    processor->setCurrentPresetInfo (*unknown);
    EXPECT_EQ (processor->getCurrentBank() + unknown->getStringAttribute ("category"), "b1Small");
    EXPECT_EQ (processor->findCurrentPreset()->getStringAttribute ("name"), "b0/0");

    setBanks (*processor, { 0, 3 });
    EXPECT_EQ (processor->findCurrentPreset(), nullptr);
    const TestProcessor next;   // shares the list; its start-up finds no preset to apply
    EXPECT_EQ (next->getCurrentName(), "");
    EXPECT_FLOAT_EQ (next->getParameters()[1]->getValue(), 0.75f);
}

TEST (LoadPresetByNumber, picksFromTheUserBankAppliesOnlyTheLastOfABurstAndDropsWhatTheInstanceLeaves)
{
    struct Case { std::vector<int> numbers; const char* applied; std::vector<int> presetsPerBank; const char* userBankIndex; };
    const Case cases[] = { { { 0, 3, 1 }, "b1/1", { 1, 5 }, "1" },
                           { { 2, 5 }, "b1/2", { 1, 5 }, "1" },      // the last number is past the end
                           { { 5, 127, -1 }, "", { 1, 5 }, "1" },
                           { { 2 }, "b2/2", { 1, 1, 3 }, "7" },     // index past the last bank
                           { { 1 }, "b0/1", { 2, 5 }, "" },        // no index
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
