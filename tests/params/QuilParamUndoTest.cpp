// Undo of parameter gestures: merging within 0.05 s of a step's start, gestures
// handed over from the audio thread, and the history a host restore clears.
#include "support/ParameterIndex.h"
#include "support/StateSnapshot.h"

#include <gtest/gtest.h>
#include <thread>

namespace
{
    std::atomic<juce::int64> fakeNow { 1'000'000 };
    juce::int64 fakeClock() { return fakeNow.load(); }

    struct UndoFixture : ::testing::Test
    {
        UndoFixture()
        {
            p.paramUndo.setClock (fakeClock);
            fakeNow = 1'000'000;
        }

        QuilParam& param (int index) { return quilParam (p, index); }

        /** A control's gesture ending at the given time (ms). */
        void gestureAt (juce::int64 time, int index, float realValue)
        {
            fakeNow = time;
            gesture (p, index, param (index).toNormalised (realValue));
        }

        int undoSteps()
        {
            int steps = 0;
            while (p.undoManager.undo())
                ++steps;
            return steps;
        }

        /** A learnt controller moving its parameter on another thread, as the audio thread does. */
        void controllerAt (juce::int64 time, int value)
        {
            std::thread audio ([&]
            {
                fakeNow = time;
                juce::AudioBuffer<float> buffer (4, 32);
                buffer.clear();
                juce::MidiBuffer midi;
                midi.addEvent (juce::MidiMessage::controllerEvent (1, 21, value), 0);
                p.processBlock (buffer, midi);
            });
            audio.join();
        }

        VortaneAudioProcessor p;
    };

    struct MergeCase
    {
        std::vector<juce::int64> times;
        int expectedSteps;
    };

    struct UndoMergeTest : UndoFixture, ::testing::WithParamInterface<MergeCase> {};
}

TEST_P (UndoMergeTest, gesturesWithinFiftyMillisecondsOfATransactionsStartUndoTogether)
{
    const auto& c = GetParam();
    float v = 0.1f;
    for (auto t : c.times)
        gestureAt (t, cutoff, v += 0.1f);

    EXPECT_EQ (undoSteps(), c.expectedSteps);
    EXPECT_FLOAT_EQ ((float) param (cutoff).getRealValue(), (float) param (cutoff).getDefaultRealValue());
}

// The window is measured from the start of the transaction, not from the last gesture:
// a new one starts only when more than 0.05 s have passed.
INSTANTIATE_TEST_SUITE_P (Timings, UndoMergeTest, ::testing::Values (
    MergeCase { { 2'000'000, 2'000'030 }, 1 }, MergeCase { { 2'000'000, 2'000'050 }, 1 },
    MergeCase { { 2'000'000, 2'000'051 }, 2 }, MergeCase { { 2'000'000, 2'000'100 }, 2 },
    MergeCase { { 2'000'000, 2'000'030, 2'000'060, 2'000'090 }, 2 },
    MergeCase { { 2'000'000, 2'000'040, 2'000'080, 2'000'120, 2'000'160 }, 3 }));

TEST_F (UndoFixture, undoAndRedoSetTheRealValueAndTellTheHostWithoutNewSteps)
{
    param (resonance).setValue (param (resonance).toNormalised (0.2));
    gestureAt (2'000'000, resonance, 0.7f);

    HostDisplayCounter host (p);
    ASSERT_TRUE (p.undoManager.undo());
    EXPECT_FLOAT_EQ ((float) param (resonance).getRealValue(), 0.2f);
    EXPECT_EQ (host.gestureBegins, 1);
    EXPECT_EQ (host.gestureEnds, 1);

    // Undo recorded nothing new, so redo is still there.
    EXPECT_FALSE (p.undoManager.canUndo());
    ASSERT_TRUE (p.undoManager.redo());
    EXPECT_FLOAT_EQ ((float) param (resonance).getRealValue(), 0.7f);
    EXPECT_FALSE (p.undoManager.canRedo());

    // Gestures of indices that are no parameter are ignored; one without change is a step.
    p.undoManager.clearUndoHistory();
    for (int index : { -1, 44, 1000 })
    {
        p.paramUndo.parameterGestureChanged (index, true);
        p.paramUndo.parameterGestureChanged (index, false);
    }
    EXPECT_FALSE (p.undoManager.canUndo());
    gestureAt (3'000'000, cutoff, (float) param (cutoff).getRealValue());
    EXPECT_EQ (undoSteps(), 1);
}

TEST_F (UndoFixture, gesturesEndingOffTheMessageThreadAreRecordedThereWithTheirOwnTimes)
{
    p.ccMap[21] = cutoff;
    controllerAt (2'000'000, 10);
    controllerAt (2'000'030, 20);   // joins the first
    controllerAt (2'000'200, 30);   // its own step
    EXPECT_FALSE (p.undoManager.canUndo());

    // Recording happens later, on the message thread, at another "now".
    fakeNow = 9'000'000;
    p.paramUndo.recordPending();

    ASSERT_TRUE (p.undoManager.undo());
    EXPECT_FLOAT_EQ (param (cutoff).getValue(), 20.0f / 127.0f);
    ASSERT_TRUE (p.undoManager.undo());
    EXPECT_FLOAT_EQ (param (cutoff).getValue(), param (cutoff).getDefaultValue());
    EXPECT_FALSE (p.undoManager.canUndo());

    // Without a call, the message thread's timer records what was handed over.
    controllerAt (9'100'000, 99);
    for (int i = 0; i < 50 && ! p.undoManager.canUndo(); ++i)
        juce::MessageManager::getInstance()->runDispatchLoopUntil (QuilParamUndo::pendingIntervalMs);
    EXPECT_TRUE (p.undoManager.canUndo());
}

TEST_F (UndoFixture, aHostStateRestoredOffTheMessageThreadClearsTheHistoryInOrder)
{
    gestureAt (2'000'000, cutoff, 0.3f);
    const auto state = saveState (p);

    std::thread host ([&] { loadState (p, state); });
    host.join();
    EXPECT_TRUE (p.undoManager.canUndo());      // untouched off the message thread

    gestureAt (3'000'000, resonance, 0.5f);       // recorded after the queued clear
    EXPECT_EQ (undoSteps(), 1);
    EXPECT_FLOAT_EQ ((float) param (cutoff).getRealValue(), 0.3f);
}
