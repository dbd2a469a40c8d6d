#include "presets/PresetManager.h"
#include "support/BankXml.h"
#include "support/ProcessorFixture.h"
#include "support/UserBankFiles.h"

#include <gtest/gtest.h>
#include <memory>
#include <thread>

namespace
{
    /** What a manager was asked to apply; outlives the manager. */
    struct Applied
    {
        juce::CriticalSection lock;
        juce::StringArray names;

        juce::StringArray get() { const juce::ScopedLock sl (lock); return names; }
        juce::StringArray take() { const juce::ScopedLock sl (lock); auto taken = names; names.clear(); return taken; }
    };

    /** The manager alone: records the presets it is asked to apply. */
    class RecordingPresetManager : public PresetManager
    {
    public:
        explicit RecordingPresetManager (std::shared_ptr<Applied> record = std::make_shared<Applied>())
            : applied (std::move (record)) {}

        ~RecordingPresetManager() override { stopPresetJobs(); }

        std::unique_ptr<juce::XmlElement> createStateXml (bool) override
        {
            return std::make_unique<juce::XmlElement> (presetTag);
        }

        void restoreStateFromXml (const juce::XmlElement* preset, bool hostState) override
        {
            EXPECT_FALSE (hostState);
            EXPECT_TRUE (juce::MessageManager::getInstance()->currentThreadHasLockedMessageManager());

            const juce::ScopedLock sl (applied->lock);
            applied->names.add (preset != nullptr ? preset->getStringAttribute ("name") : "<null>");
        }

        std::shared_ptr<Applied> applied;
    };

    /** Replaces the shared list's banks (the manager's own load is held off). */
    void setBanks (PresetManager& manager, std::vector<int> presetsPerBank, const juce::String& userBankIndex)
    {
        manager.stopTimer();
        juce::SharedResourcePointer<SharedBankList> shared;
        shared->modify ([&] (juce::XmlElement& list)
        {
            list.deleteAllChildElements();
            list.removeAttribute ("userBankIndex");
            if (userBankIndex.isNotEmpty())
                list.setAttribute ("userBankIndex", userBankIndex);

            for (size_t i = 0; i < presetsPerBank.size(); ++i)
                list.addChildElement (BankXml::makeBank ("b" + juce::String ((int) i), presetsPerBank[i]).release());
        });
    }

    struct PresetListenerProbe : PresetManager::Listener
    {
        void currentPresetChanged (const juce::String& n, const juce::String& b, const juce::String& u) override
        {
            calls.add (n + "|" + b + "|" + u);
        }
        juce::StringArray calls;
    };
}

//==============================================================================
struct PairsCase
{
    const char* text;
    std::vector<std::pair<const char*, const char*>> items;
};

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
    PairsCase { "In:0.75,Cutoff:0.5,", { { "In", "0.75" }, { "Cutoff", "0.5" } } },
    PairsCase { "In:0.75,Cutoff:0.5", { { "In", "0.75" }, { "Cutoff", "0.5" } } },
    PairsCase { ".Power Btn    :1,Drive Mode:0,", { { ".Power Btn    ", "1" }, { "Drive Mode", "0" } } },
    PairsCase { "a:,b:2", { { "a", "" }, { "b", "2" } } },
    PairsCase { "a:1,garbage,b:2,", { { "a", "1" }, { "garbage,b", "2" } } },
    PairsCase { "a:1:2,b:3", { { "a", "1:2" }, { "b", "3" } } },
    PairsCase { "", {} },
    PairsCase { "no colon, at all,", {} }));

//==============================================================================
TEST (PresetManager, currentPresetInfoMovesAnOldCategoryIntoBankAndTellsListeners)
{
    RecordingPresetManager manager;
    PresetListenerProbe probe;
    manager.addPresetListener (&probe);

    // An old preset's "category" becomes its "bank"; a "bank" wins over a "category".
    auto old = juce::parseXML ("<Quillmere_Preset name=\"Old\" category=\"Small\" uuid=\"u1\"/>");
    auto newer = juce::parseXML ("<Quillmere_Preset name=\"New\" bank=\"Live\" category=\"Small\"/>");
    manager.setCurrentPresetInfo (*old);

    EXPECT_EQ (old->getStringAttribute ("bank"), "Small");
    EXPECT_FALSE (old->hasAttribute ("category"));
    EXPECT_EQ (manager.getCurrentName() + manager.getCurrentBank() + manager.getCurrentUuid(), "OldSmallu1");
    EXPECT_EQ (manager.getSelectedBankName(), "Small");

    manager.setCurrentPresetInfo (*newer);
    EXPECT_EQ (newer->getStringAttribute ("category"), "Small");
    EXPECT_EQ (probe.calls, juce::StringArray ("Old|Small|u1", "New|Live|"));
    manager.removePresetListener (&probe);
}

//==============================================================================
TEST (PresetManager, findCurrentPresetFallsBackToTheFirstPresetAndStartUpAppliesNothingWithoutOne)
{
    RecordingPresetManager manager;
    setBanks (manager, { 2, 3 }, "1");

    juce::XmlElement current ("Quillmere_Preset");
    current.setAttribute ("bank", "b1");
    current.setAttribute ("uuid", "b1-uuid-2");
    manager.setCurrentPresetInfo (current);
    ASSERT_NE (manager.findCurrentPreset(), nullptr);
    EXPECT_EQ (manager.findCurrentPreset()->getStringAttribute ("name"), "b1/2");

    current.setAttribute ("uuid", "nowhere");
    manager.setCurrentPresetInfo (current);
    EXPECT_EQ (manager.findCurrentPreset()->getStringAttribute ("name"), "b0/0");

    setBanks (manager, { 0, 3 }, "1");
    EXPECT_EQ (manager.findCurrentPreset(), nullptr);
    EXPECT_EQ (manager.copyFirstPreset(), nullptr);
    {
        const TestProcessor processor;   // shares the list; its start-up finds no preset
        EXPECT_EQ (processor->getCurrentName(), "");
        EXPECT_FLOAT_EQ (processor->getParameters()[1]->getValue(), 0.75f);
    }

    setBanks (manager, {}, "");
    EXPECT_EQ (manager.findCurrentPreset(), nullptr);
    EXPECT_EQ (manager.copyFirstPreset(), nullptr);
}

//==============================================================================
struct LoadCase
{
    const char* label;
    std::vector<int> presetNumbers;     // asked for in quick succession
    juce::StringArray applied;          // exactly, in order; empty: nothing is loaded
    std::vector<int> presetsPerBank = { 1, 5 };
    juce::String userBankIndex = "1";   // empty: attribute missing
};

class LoadPresetByNumber : public ::testing::TestWithParam<LoadCase> {};

TEST_P (LoadPresetByNumber, picksFromTheUserBankAndAppliesOnlyTheLastOfABurst)
{
    const auto& c = GetParam();
    RecordingPresetManager manager;
    setBanks (manager, c.presetsPerBank, c.userBankIndex);

    // Several rounds: the pool's threads race for the message-manager lock.
    for (int round = 0; round < 25; ++round)
    {
        for (int n : c.presetNumbers)
            manager.loadPresetAsync (n, 3);

        if (c.applied.isEmpty())
        {
            ASSERT_EQ (manager.getNumJobs(), 0) << "nothing is queued";
        }

        ASSERT_TRUE (MessageLoop::waitUntil ([&] { return manager.getNumJobs() == 0; }));
        ASSERT_EQ (manager.applied->take().joinIntoString (" "), c.applied.joinIntoString (" ")) << "round " << round;
    }
}

INSTANTIATE_TEST_SUITE_P (Cases, LoadPresetByNumber, ::testing::Values (
    LoadCase { "user bank", { 4 }, { "b1/4" } },
    LoadCase { "burst", { 0, 3, 1 }, { "b1/1" } },
    LoadCase { "burst ending past the end", { 2, 5 }, { "b1/2" } },
    LoadCase { "past the end", { 5 }, {} },
    LoadCase { "far past the end", { 127 }, {} },
    LoadCase { "negative number", { -1 }, {} },
    LoadCase { "index past the last bank", { 2 }, { "b2/2" }, { 1, 1, 3 }, "7" },
    LoadCase { "index missing", { 1 }, { "b0/1" }, { 2, 5 }, "" },
    LoadCase { "index not a number", { 1 }, { "b0/1" }, { 2, 5 }, "x" },
    LoadCase { "negative index", { 0 }, { "b0/0" }, { 2, 5 }, "-4" },
    LoadCase { "empty user bank", { 0 }, {}, { 2, 0 } },
    LoadCase { "no banks", { 0 }, {}, {} }),
    [] (const auto& testCase) { return juce::String (testCase.param.label).replaceCharacter (' ', '_').toStdString(); });

TEST (PresetManager, aPresetWaitingForTheMessageThreadIsDroppedWhenTheInstanceGoes)
{
    auto record = std::make_shared<Applied>();
    {
        RecordingPresetManager manager (record);
        setBanks (manager, { 1, 2 }, "1");
        manager.loadPresetAsync (1, 0);

        // Once the job runs it waits for the message-manager lock, which this thread
        // (the message thread, not pumping) keeps from it.
        while (! manager.getNamesOfAllJobs (true).contains ("PresetLoader"))
            std::this_thread::yield();
    }   // destroying it here must end the job's wait, or the test hangs

    EXPECT_TRUE (record->get().isEmpty());
}

//==============================================================================
namespace
{
    struct BankListProbe : PresetManager::BankListListener
    {
        void bankListChanged() override
        {
            EXPECT_TRUE (juce::MessageManager::getInstance()->currentThreadHasLockedMessageManager());
            ++calls;
        }
        std::atomic<int> calls { 0 };
    };
}

TEST (PresetManager, addedBankIsSelectedAndAnnouncedToEveryInstance)
{
    RecordingPresetManager first, second;
    setBanks (first, { 1, 1 }, "1");
    second.stopTimer();

    BankListProbe probe;
    second.addBankListListener (&probe);

    first.addBank (*BankXml::makeBank ("b1", 2));

    EXPECT_EQ (first.getSelectedBankName(), "b1 1");
    EXPECT_EQ (first.getSelectedBankIndex(), 2);
    EXPECT_EQ (probe.calls.load(), 1) << "the list's listeners are shared by every instance";

    const auto list = second.copyBankList();
    ASSERT_EQ (list->getNumChildElements(), 3);
    EXPECT_EQ (list->getChildElement (2)->getFirstChildElement()->getStringAttribute ("bank"), "b1 1");

    second.removeBankListListener (&probe);
    ASSERT_TRUE (MessageLoop::waitUntil ([&] { return first.getNumJobs() == 0; }));
}
