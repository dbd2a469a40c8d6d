#include "support/ParameterIndex.h"

#include <gtest/gtest.h>
#include <atomic>
#include <memory>
#include <thread>

namespace
{
    struct Map : MidiCCListener
    {
        void ccMappedValueChanged (int, float) override {}
        void presetSelectRequested (int, int) override {}
    };

    /** Poisons itself when destroyed, so a call after removal is caught even
        without a sanitizer. */
    struct Checked : MidiCCListener::Listener
    {
        ~Checked() override { alive = false; }
        void midiMappingChanged (int) override
        {
            if (! alive)
                callsAfterDeath.fetch_add (1);
            calls.fetch_add (1, std::memory_order_relaxed);
        }

        volatile bool alive = true;
        static inline std::atomic<int> callsAfterDeath { 0 };
        static inline std::atomic<int> calls { 0 };
    };
}

TEST (ControllerMap, listenersAreToldInTheOrderAddedOnceEachAndMayRemoveThemselves)
{
    struct SelfRemoving : MidiCCListener::Listener
    {
        explicit SelfRemoving (MidiCCListener& m) : map (m) {}
        void midiMappingChanged (int) override { ++calls; map.removeCCListener (this); }
        MidiCCListener& map;
        int calls = 0;
    };

    Map map;
    MappingRecorder a, b;
    SelfRemoving leaves (map);
    map.addCCListener (&a);
    map.addCCListener (&leaves);
    map.addCCListener (&b);
    map.addCCListener (&a);
    EXPECT_EQ (map.getNumCCListeners(), 3);

    map.notifyListeners (4);
    map.removeCCListener (&a);
    map.notifyListeners (5);

    EXPECT_EQ (a.indices, std::vector<int> { 4 });
    EXPECT_EQ (leaves.calls, 1);
    EXPECT_EQ (b.indices, (std::vector<int> { 4, 5 }));
}

TEST (ControllerMap, assigningKeepsOneControllerPerParameter)
{
    Map map;
    map.assignController (3, 8);
    map.assignController (9, 8);
    map.assignController (9, 2);
    map.assignController (200, 2);   // no such controller: ignored

    EXPECT_EQ (map.getMappedParameter (3), -1);
    EXPECT_EQ (map.getMappedParameter (9), 2);
    EXPECT_EQ (map.getMappedParameter (200), -1);
    EXPECT_EQ (map.getMappedParameter (-1), -1);
}

TEST (ControllerMap, learningIsClaimedOnceWhenTwoThreadsRace)
{
    // Two "audio threads" learn different controllers for the same armed parameter:
    // exactly one wins, and the parameter ends up on exactly one controller.
    for (int round = 0; round < 200; ++round)
    {
        Map map;
        map.learningIndex = 7;
        std::atomic<int> wins { 0 };
        std::thread first ([&] { wins += map.learnController (10) == 7 ? 1 : 0; });
        std::thread second ([&] { wins += map.learnController (11) == 7 ? 1 : 0; });
        first.join();
        second.join();

        EXPECT_EQ (wins.load(), 1);
        EXPECT_EQ ((map.getMappedParameter (10) == 7) + (map.getMappedParameter (11) == 7), 1);
        EXPECT_EQ (map.learningIndex.load(), -1);
    }
}

TEST (ControllerMap, removedListenersAreNeverCalledWhileTheAudioThreadNotifies)
{
    Map map;
    MappingRecorder steady;
    map.addCCListener (&steady);

    std::atomic<bool> running { true };
    std::atomic<int> walks { 0 };
    std::thread audio ([&]
    {
        while (running.load())
        {
            map.notifyListeners (1);
            walks.fetch_add (1);
        }
    });

    // On a loaded machine the thread may start late: overlap only once it walks.
    while (walks.load() == 0)
        std::this_thread::yield();

    for (int i = 0; i < 2000; ++i)
    {
        auto listener = std::make_unique<Checked>();
        map.addCCListener (listener.get());
        if (i % 7 == 0)
            std::this_thread::yield();
        map.removeCCListener (listener.get());
    }

    running = false;
    audio.join();
    map.removeCCListener (&steady);

    EXPECT_EQ (Checked::callsAfterDeath.load(), 0);
    EXPECT_GT (steady.indices.size(), 0u);
}
