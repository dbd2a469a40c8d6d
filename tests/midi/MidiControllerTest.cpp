// Controllers through the real processor on an audio thread of their own: learning,
// learnt controllers moving their parameters, the reserved controllers 118-120 and
// bad input, all without allocating; and the controller map's atomic operations.
#include "support/AllocationCounter.h"
#include "support/ParameterIndex.h"
#include "support/StateSnapshot.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <atomic>
#include <memory>
#include <thread>

namespace
{
    /** The processor with its filter resets counted (the real ones still run). */
    struct CountingProcessor : VortaneAudioProcessor
    {
        CountingProcessor()
        {
            setRateAndBufferSizeDetails (48000.0, 64);
            prepareToPlay (48000.0, 64);
        }

        void resetVoices() override { ++resets; VortaneAudioProcessor::resetVoices(); }

        /** Runs one block holding the given messages on a thread of its own, as a host's audio thread. */
        void process (std::initializer_list<juce::MidiMessage> messages)
        {
            juce::AudioBuffer<float> buffer (4, 64);
            buffer.clear();
            juce::MidiBuffer midi;
            for (const auto& m : messages)
                midi.addEvent (m, midi.getNumEvents());
            std::thread ([&] { AllocationCounter counter; processBlock (buffer, midi); allocations += counter.count(); }).join();
        }

        float value (int index) { return getParameters()[index]->getValue(); }

        int resets = 0;
        std::size_t allocations = 0;
    };

    juce::MidiMessage cc (int number, int value, int channel = 1) { return juce::MidiMessage::controllerEvent (channel, number, value); }

    struct MidiControllers : ::testing::Test
    {
        void TearDown() override { EXPECT_EQ (p.allocations, 0u); }
        CountingProcessor p;
    };
}

TEST_F (MidiControllers, learnOnlyOneTo117ButThePedalAndLearningMovesTheBinding)
{
    const std::pair<int, bool> cases[] = { { 1, true }, { 63, true }, { 65, true }, { 117, true }, { 0, false },
                                           { 64, false }, { 118, false }, { 119, false }, { 120, false }, { 127, false } };
    for (auto [number, learnable] : cases)
    {
        CountingProcessor learner;
        learner.ccMap[30] = 5;                       // parameter 5's previous controller
        learner.learningIndex = 5;
        MappingRecorder listener;
        listener.indices.reserve (1);
        learner.addCCListener (&listener);
        learner.process ({ cc (number, 100) });
        learner.removeCCListener (&listener);

        EXPECT_EQ (learner.ccMap[number].load(), learnable ? 5 : -1) << number;
        EXPECT_EQ (learner.ccMap[30].load(), learnable ? -1 : 5) << number;
        EXPECT_EQ (learner.learningIndex.load(), learnable ? -1 : 5) << number;
        EXPECT_EQ (listener.indices, learnable ? std::vector<int> { 5 } : std::vector<int> {}) << number;
        EXPECT_FLOAT_EQ (learner.value (5), learnable ? 100.0f / 127.0f : 0.0f) << number;   // applied at once
        EXPECT_EQ (learner.allocations, 0u) << number;
    }
}

TEST_F (MidiControllers, learntAndReservedControllersWorkOnAnyChannelAndBadInputIsHarmless)
{
    std::vector<std::pair<int, int>> requests;
    p.presetRequests.setTarget ([&] (int preset, int bank) { requests.push_back ({ preset, bank }); });
    p.ccMap[21] = 2;
    p.ccMap[7] = 44;                     // entries that are no parameter
    p.ccMap[8] = -5;
    HostDisplayCounter host (p);
    auto expected = StateSnapshot::of (p);
    expected.values[2] = 1.0f;

    // Data bytes beyond 7 bits, as a faulty host may send.
    const juce::uint8 bigNumber[] = { 0xb0, 200, 5 }, bigValue[] = { 0xb0, 21, 250 };
    p.process ({ cc (21, 127), cc (7, 100), cc (8, 100), juce::MidiMessage (bigNumber, 3), cc (119, 9), cc (118, 3, 16),
                 cc (119, 5), cc (119, 6, 2), cc (120, 0, 16), juce::MidiMessage::noteOn (1, 60, 0.8f),
                 juce::MidiMessage::pitchWheel (1, 0), juce::MidiMessage::programChange (1, 5),
                 juce::MidiMessage::channelPressureChange (1, 90), juce::MidiMessage::aftertouchChange (1, 60, 90) });
    EXPECT_TRUE (StateSnapshot::of (p) == expected);
    EXPECT_EQ (host.gestureBegins + host.gestureEnds, 2);       // one gesture per controller message
    EXPECT_EQ (p.resets, 1);
    EXPECT_TRUE (requests.empty());                            // nothing happens on the audio thread

    p.ccMap[120] = 3;                                          // mapped, 120 also moves its parameter
    p.process ({ cc (21, 0, 16), cc (120, 127) });
    EXPECT_EQ (p.value (2), 0.0f);
    EXPECT_EQ (p.value (3), 1.0f);
    EXPECT_EQ (p.resets, 2);
    p.process ({ juce::MidiMessage (bigValue, 3) });
    EXPECT_EQ (p.value (2), 1.0f);

    for (int i = 0; i < 50 && requests.size() < 3; ++i)        // the message thread's timer delivers them
        juce::MessageManager::getInstance()->runDispatchLoopUntil (PresetRequestQueue::intervalMs);
    EXPECT_EQ (requests, (std::vector<std::pair<int, int>> { { 9, 0 }, { 5, 3 }, { 6, 3 } }));

    // A burst larger than the hand-over holds: some may be skipped, never the last,
    // and none arrives out of order.
    requests.clear();
    juce::AudioBuffer<float> buffer (4, 64);
    juce::MidiBuffer burst;
    for (int value = 0; value < 128; ++value)
        burst.addEvent (cc (119, value), 0);
    p.processBlock (buffer, burst);
    p.presetRequests.deliverPending();
    ASSERT_FALSE (requests.empty());
    EXPECT_EQ (requests.back(), std::make_pair (127, 3));
    EXPECT_TRUE (std::is_sorted (requests.begin(), requests.end()));
}

TEST_F (MidiControllers, learningWaitsPastThePedalAndOtherMessagesAndAControllerLearntAgainChangesHands)
{
    p.learningIndex = 5;
    p.process ({ juce::MidiMessage::noteOn (1, 60, 0.8f), juce::MidiMessage::pitchWheel (1, 0),
                 juce::MidiMessage::programChange (1, 5), juce::MidiMessage::noteOff (1, 60) });
    EXPECT_EQ (p.learningIndex.load(), 5);

    p.process ({ cc (64, 127), cc (7, 100) });
    EXPECT_EQ (p.ccMap[64].load(), -1);
    EXPECT_EQ (p.ccMap[7].load(), 5);
    EXPECT_FLOAT_EQ (p.value (5), 100.0f / 127.0f);

    // Parameter 3 learns controller 7: it replaces parameter 5 there.
    p.learningIndex = 3;
    p.process ({ cc (7, 127) });
    EXPECT_EQ (p.ccMap[7].load(), 3);
    for (int n = 0; n < MidiCCListener::numControllers; ++n)
        EXPECT_NE (p.ccMap[n].load(), 5) << n;

    // Without learning, controller 7 moves parameter 3 only.
    auto expected = StateSnapshot::of (p);
    expected.values[3] = 3.0f / 127.0f;
    p.process ({ cc (7, 3) });
    EXPECT_TRUE (StateSnapshot::of (p) == expected);
}

TEST_F (MidiControllers, aLearntControllerMapsItsValueLinearlyAsOneGestureEachAnd120ResetsOnEveryChannel)
{
    p.ccMap[21] = 2;
    HostDisplayCounter host (p);
    p.process ({ cc (21, 64, 16), cc (21, 32), cc (21, 100, 9) });
    EXPECT_FLOAT_EQ (p.value (2), 100.0f / 127.0f);
    EXPECT_EQ (host.gestureBegins, 3);
    EXPECT_EQ (host.gestureEnds, 3);
    p.process ({ cc (21, 64, 16) });
    EXPECT_FLOAT_EQ (p.value (2), 64.0f / 127.0f);

    EXPECT_EQ (p.resets, 0);
    p.process ({ cc (120, 0, 1), cc (120, 127, 16) });
    EXPECT_EQ (p.resets, 2);
}

TEST_F (MidiControllers, aBankChangeHoldsForTheRequestsThatFollowIt)
{
    std::vector<std::pair<int, int>> requests;
    p.presetRequests.setTarget ([&] (int preset, int bank) { requests.push_back ({ preset, bank }); });
    p.process ({ cc (118, 3), cc (119, 5) });
    p.process ({ cc (118, 1), cc (119, 2) });
    EXPECT_EQ (p.storedBank.load(), 1);
    for (int i = 0; i < 50 && requests.size() < 2; ++i)
        juce::MessageManager::getInstance()->runDispatchLoopUntil (PresetRequestQueue::intervalMs);
    EXPECT_EQ (requests, (std::vector<std::pair<int, int>> { { 5, 3 }, { 2, 1 } }));
}

TEST (ControllerMap, assigningKeepsOneControllerPerParameterAndLearningIsClaimedOnceWhenThreadsRace)
{
    CountingProcessor map;
    map.assignController (3, 8);
    map.assignController (9, 8);
    map.assignController (200, 8);       // no such controller
    EXPECT_EQ (map.getMappedParameter (3), -1);
    EXPECT_EQ (map.getMappedParameter (9), 8);
    EXPECT_EQ (map.getMappedParameter (200), -1);

    for (int round = 0; round < 200; ++round)
    {
        map.learningIndex = 7;
        std::atomic<int> wins { 0 };
        std::thread first ([&] { wins += map.learnController (10) == 7 ? 1 : 0; });
        std::thread second ([&] { wins += map.learnController (11) == 7 ? 1 : 0; });
        first.join();
        second.join();
        ASSERT_EQ (wins.load(), 1);
        ASSERT_NE (map.getMappedParameter (10), map.getMappedParameter (11));
        ASSERT_EQ (map.learningIndex.load(), -1);
    }
}

namespace
{
    /** Records what it is told; may leave the map from inside the call. */
    struct Leaving : MappingRecorder
    {
        void midiMappingChanged (int index) override { MappingRecorder::midiMappingChanged (index); map->removeCCListener (this); }
        MidiCCListener* map = nullptr;
    };

    /** Poisons itself when destroyed, so a call after removal is caught even without a sanitizer. */
    struct Checked : MidiCCListener::Listener
    {
        ~Checked() override { alive = false; }
        void midiMappingChanged (int) override { callsAfterDeath += alive ? 0 : 1; }
        volatile bool alive = true;
        static inline std::atomic<int> callsAfterDeath { 0 };
    };
}

TEST (ControllerMap, listenersAreToldOnceEachMayLeaveAndAreNeverCalledOnceRemovedWhileTheAudioThreadWalks)
{
    CountingProcessor map;
    Leaving leaves;
    MappingRecorder once;
    leaves.map = &map;
    for (auto* l : std::initializer_list<MidiCCListener::Listener*> { &leaves, &once, &once })
        map.addCCListener (l);
    map.notifyListeners (4);
    map.notifyListeners (5);
    map.removeCCListener (&once);
    EXPECT_EQ (leaves.indices, std::vector<int> { 4 });
    EXPECT_EQ (once.indices, (std::vector<int> { 4, 5 }));

    std::atomic<bool> running { true };
    std::atomic<int> walks { 0 };
    std::thread audio ([&] { for (; running.load(); walks.fetch_add (1)) map.notifyListeners (1); });
    while (walks.load() == 0)            // on a loaded machine the thread may start late
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
    EXPECT_EQ (Checked::callsAfterDeath.load(), 0);
}
