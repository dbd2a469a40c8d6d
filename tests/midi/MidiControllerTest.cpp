#include "support/AllocationCounter.h"
#include "support/ParameterIndex.h"
#include "support/ProcessorFixture.h"
#include "support/StateSnapshot.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <thread>

namespace
{
    /** The processor with its controller actions counted (the real ones still run). */
    struct CountingProcessor : VortaneAudioProcessor
    {
        CountingProcessor()
        {
            setRateAndBufferSizeDetails (48000.0, 64);
            prepareToPlay (48000.0, 64);
        }

        void resetVoices() override
        {
            ++resets;
            VortaneAudioProcessor::resetVoices();
        }

        /** Runs one 64-sample block holding the given MIDI messages. */
        void process (std::initializer_list<juce::MidiMessage> messages)
        {
            juce::AudioBuffer<float> buffer (4, 64);
            buffer.clear();
            juce::MidiBuffer midi;
            int position = 0;
            for (const auto& m : messages)
                midi.addEvent (m, position++);
            processBlock (buffer, midi);
        }

        float value (int index) { return getParameters()[index]->getValue(); }

        int resets = 0;
    };

    juce::MidiMessage cc (int number, int value, int channel = 1)
    {
        return juce::MidiMessage::controllerEvent (channel, number, value);
    }
}

TEST (MidiControllers, learnsOnlyControllersOneTo117ExceptTheSustainPedal)
{
    for (auto [number, learnable] : { std::pair { 1, true }, std::pair { 63, true }, std::pair { 65, true },
                                      std::pair { 117, true }, std::pair { 0, false }, std::pair { 64, false },
                                      std::pair { 118, false }, std::pair { 119, false }, std::pair { 120, false },
                                      std::pair { 127, false } })
    {
        CountingProcessor p;
        p.ccMap[30] = 5;                       // parameter 5's previous controller
        p.learningIndex = 5;

        MappingRecorder listener;
        p.addCCListener (&listener);
        p.process ({ cc (number, 100) });
        p.removeCCListener (&listener);

        EXPECT_EQ (p.ccMap[number].load(), learnable ? 5 : -1) << number;
        EXPECT_EQ (p.ccMap[30].load(), learnable ? -1 : 5) << number;
        EXPECT_EQ (p.learningIndex.load(), learnable ? -1 : 5) << number;
        EXPECT_EQ (listener.indices, learnable ? std::vector<int> { 5 } : std::vector<int> {}) << number;
        if (learnable)
        {
            EXPECT_FLOAT_EQ (p.value (5), 100.0f / 127.0f) << number;  // applied at once
        }
    }
}

TEST (MidiControllers, learningWaitsPastThePedalAndRelearningMovesTheBinding)
{
    CountingProcessor p;
    p.learningIndex = 5;

    p.process ({ cc (64, 127), cc (7, 100) });
    EXPECT_EQ (p.ccMap[64].load(), -1);
    EXPECT_EQ (p.ccMap[7].load(), 5);
    EXPECT_FLOAT_EQ (p.value (5), 100.0f / 127.0f);

    // Parameter 5 learns controller 10: controller 7 lets go of it.
    p.learningIndex = 5;
    p.process ({ cc (10, 0) });
    EXPECT_EQ (p.ccMap[7].load(), -1);
    EXPECT_EQ (p.ccMap[10].load(), 5);

    // Parameter 3 learns controller 10: it replaces parameter 5 there.
    p.learningIndex = 3;
    p.process ({ cc (10, 127) });
    EXPECT_EQ (p.ccMap[10].load(), 3);
    for (int n = 0; n < MidiCCListener::numControllers; ++n)
        EXPECT_NE (p.ccMap[n].load(), 5) << n;

    // Without learning, controller 7 now changes nothing.
    const auto before = StateSnapshot::of (p);
    p.process ({ cc (7, 3) });
    EXPECT_TRUE (StateSnapshot::of (p) == before);
}

TEST (MidiControllers, learntControllerSpansZeroToExactlyOneAsOneHostGestureEachAnd120Resets)
{
    CountingProcessor p;
    p.ccMap[21] = 2;
    HostDisplayCounter host (p);

    p.process ({ cc (21, 127) });
    EXPECT_EQ (p.value (2), 1.0f);
    p.process ({ cc (21, 0) });
    EXPECT_EQ (p.value (2), 0.0f);
    p.process ({ cc (21, 64, 16) });
    EXPECT_FLOAT_EQ (p.value (2), 64.0f / 127.0f);

    EXPECT_EQ (host.gestureBegins, 3);
    EXPECT_EQ (host.gestureEnds, 3);
    EXPECT_EQ (p.resets, 0);

    // 120 resets the filter on any channel; mapped, it also moves its parameter.
    p.process ({ cc (120, 0, 1), cc (120, 127, 16) });
    EXPECT_EQ (p.resets, 2);
    p.ccMap[120] = 3;
    p.process ({ cc (120, 127) });
    EXPECT_EQ (p.resets, 3);
    EXPECT_EQ (p.value (3), 1.0f);
}

TEST (MidiControllers, entriesThatAreNoParameterOtherMessagesAndBytesOutOfRangeAreHarmless)
{
    CountingProcessor p;
    p.ccMap[1] = 2;
    p.ccMap[7] = 44;
    p.ccMap[8] = -5;
    p.ccMap[9] = 1;
    const auto before = StateSnapshot::of (p);

    p.process ({ cc (7, 100), cc (8, 100) });
    p.learningIndex = 4;
    p.process ({ juce::MidiMessage::noteOn (1, 60, 0.8f), juce::MidiMessage::pitchWheel (1, 0),
                 juce::MidiMessage::programChange (1, 5), juce::MidiMessage::channelPressureChange (1, 90),
                 juce::MidiMessage::aftertouchChange (1, 60, 90), juce::MidiMessage::noteOff (1, 60) });
    EXPECT_TRUE (StateSnapshot::of (p) == before);
    EXPECT_EQ (p.learningIndex.load(), 4);
    EXPECT_EQ (p.resets, 0);

    // Raw messages whose data bytes exceed 7 bits, as a faulty host may send.
    p.learningIndex = -1;
    const juce::uint8 bigNumber[] = { 0xb0, 200, 5 }, bigValue[] = { 0xb0, 9, 250 };
    p.process ({ juce::MidiMessage (bigNumber, 3), juce::MidiMessage (bigValue, 3) });

    EXPECT_EQ (p.value (1), 1.0f);
    for (int i = 0; i < numParams; ++i)
        EXPECT_TRUE (p.value (i) >= 0.0f && p.value (i) <= 1.0f) << i;
}

TEST (MidiControllers, presetRequestsReachThePresetManagerInOrderWithTheStoredBank)
{
    CountingProcessor p;
    std::vector<std::pair<int, int>> requests;
    p.presetRequests.setTarget ([&] (int preset, int bank) { requests.push_back ({ preset, bank }); });

    p.process ({ cc (119, 9) });                               // no bank yet: 0
    p.process ({ cc (118, 3), cc (119, 5), cc (119, 6) });
    p.process ({ cc (118, 1), cc (119, 2) });
    EXPECT_TRUE (requests.empty());                            // nothing happens on the audio thread
    EXPECT_EQ (p.storedBank.load(), 1);

    // The message thread's timer delivers them.
    for (int i = 0; i < 50 && requests.size() < 4; ++i)
        juce::MessageManager::getInstance()->runDispatchLoopUntil (PresetRequestQueue::intervalMs);

    const std::vector<std::pair<int, int>> expected { { 9, 0 }, { 5, 3 }, { 6, 3 }, { 2, 1 } };
    EXPECT_EQ (requests, expected);

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
    EXPECT_EQ (requests.back(), std::make_pair (127, 1));
    EXPECT_TRUE (std::is_sorted (requests.begin(), requests.end()));
}

TEST (MidiControllers, controllersOnTheAudioPathAllocateNothing)
{
    VORTANE_SKIP_WITHOUT_ALLOCATION_COUNTER();

    CountingProcessor p;
    p.presetRequests.setTarget ([] (int, int) {});
    p.ccMap[21] = 2;
    p.ccMap[22] = 40;

    juce::AudioBuffer<float> buffer (4, 64);
    juce::MidiBuffer midi;
    for (auto m : { cc (7, 1), cc (21, 10), cc (22, 90), cc (118, 2), cc (119, 4), cc (120, 0) })
        midi.addEvent (m, 0);

    // Learning with a listener, from a thread that is not the message thread, as in a host.
    MappingRecorder listener;
    listener.indices.reserve (8);
    p.addCCListener (&listener);
    p.processBlock (buffer, midi);   // warm-up

    std::size_t allocations = 1;
    std::thread audio ([&]
    {
        p.learningIndex = 6;
        AllocationCounter counter;
        p.processBlock (buffer, midi);
        allocations = counter.count();
    });
    audio.join();
    p.removeCCListener (&listener);

    EXPECT_EQ (allocations, 0u);
    EXPECT_EQ (p.ccMap[7].load(), 6);
}
