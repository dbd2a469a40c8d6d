// Undo of parameter gestures: merging within 0.05 s of a step's start, gestures and
// history clears handed over from other threads.
#include "support/ParameterIndex.h"
#include "support/StateSnapshot.h"

#include <gtest/gtest.h>
#include <thread>

namespace
{
    std::atomic<juce::int64> fakeNow { 0 };

    struct UndoFixture : ::testing::Test
    {
        UndoFixture() { p.paramUndo.setClock ([] { return fakeNow.load(); }); }

        QuilParam& param (int index) { return quilParam (p, index); }

        /** A control's gesture ending at the given time (ms), on this thread or another. */
        void gestureAt (juce::int64 time, int index, float realValue, bool elsewhere = false)
        {
            auto work = [&] { fakeNow = time; gesture (p, index, param (index).toNormalised (realValue)); };
            if (elsewhere)
                std::thread (work).join();
            else
                work();
        }

        int undoSteps()
        {
            int steps = 0;
            while (p.undoManager.undo())
                ++steps;
            return steps;
        }

        VortaneAudioProcessor p;
    };
}

// The window runs from the start of the transaction, not from the last gesture. Undo and
// redo set the values through gestures the host hears, and record no steps of their own.
TEST_F (UndoFixture, gesturesWithinFiftyMillisecondsOfATransactionsStartUndoTogether)
{
    const struct { std::vector<juce::int64> times; int steps; } cases[] = {
        { { 0, 30 }, 1 }, { { 0, 50 }, 1 }, { { 0, 51 }, 2 }, { { 0, 100 }, 2 }, { { 0, 30, 60, 90 }, 2 }, { { 0, 40, 80, 120, 160 }, 3 } };

    juce::int64 start = 1'000'000;
    for (const auto& c : cases)
    {
        param (resonance).setValue (0.2f);
        float v = 0.1f;
        for (auto t : c.times)
            gestureAt (start + t, resonance, v += 0.1f);

        HostDisplayCounter host (p);
        EXPECT_EQ (undoSteps(), c.steps) << c.times.back();
        EXPECT_FLOAT_EQ (param (resonance).getValue(), 0.2f);
        EXPECT_EQ (host.gestureBegins, (int) c.times.size());
        while (p.undoManager.redo()) {}
        EXPECT_FLOAT_EQ ((float) param (resonance).getRealValue(), v);
        EXPECT_EQ (undoSteps(), c.steps);
        start += 1'000'000;
    }

    for (int index : { -1, 44, 1000 })       // gestures of no parameter are ignored
        p.paramUndo.parameterGestureChanged (index, false);
    EXPECT_FALSE (p.undoManager.canUndo());
}

TEST_F (UndoFixture, gesturesAndClearsOffTheMessageThreadAreRecordedThereInOrderWithTheirOwnTimes)
{
    gestureAt (2'000'000, cutoff, 0.1f, true);
    gestureAt (2'000'030, cutoff, 0.2f, true);   // joins the first
    gestureAt (2'000'200, cutoff, 0.3f, true);   // its own step
    EXPECT_FALSE (p.undoManager.canUndo());

    fakeNow = 9'000'000;                         // recorded later, at another "now"
    p.paramUndo.recordPending();
    ASSERT_TRUE (p.undoManager.undo());
    EXPECT_FLOAT_EQ ((float) param (cutoff).getRealValue(), 0.2f);
    EXPECT_EQ (undoSteps(), 1);

    // Without a call, the message thread's timer records what was handed over.
    gestureAt (9'100'000, cutoff, 0.4f, true);
    for (int i = 0; i < 50 && ! p.undoManager.canUndo(); ++i)
        juce::MessageManager::getInstance()->runDispatchLoopUntil (QuilParamUndo::pendingIntervalMs);
    EXPECT_TRUE (p.undoManager.canUndo());

    // A host restore on its own thread clears the history behind what came before it.
    const auto state = saveState (p);
    std::thread ([&] { loadState (p, state); }).join();
    EXPECT_TRUE (p.undoManager.canUndo());
    gestureAt (9'300'000, resonance, 0.5f);
    EXPECT_EQ (undoSteps(), 1);
    EXPECT_FLOAT_EQ ((float) param (cutoff).getRealValue(), 0.4f);
}

TEST_F (UndoFixture, undoAndRedoEndAtTheFirstAndLastStepAndAGestureWithoutChangeIsAStep)
{
    param (resonance).setValue (param (resonance).toNormalised (0.2));
    gestureAt (2'000'000, resonance, 0.7f);

    HostDisplayCounter host (p);
    ASSERT_TRUE (p.undoManager.undo());
    EXPECT_FLOAT_EQ ((float) param (resonance).getRealValue(), 0.2f);
    EXPECT_EQ (host.gestureEnds, 1);
    EXPECT_FALSE (p.undoManager.canUndo());
    ASSERT_TRUE (p.undoManager.redo());
    EXPECT_FLOAT_EQ ((float) param (resonance).getRealValue(), 0.7f);
    EXPECT_FALSE (p.undoManager.canRedo());

    p.undoManager.clearUndoHistory();
    gestureAt (3'000'000, cutoff, (float) param (cutoff).getRealValue());
    EXPECT_EQ (undoSteps(), 1);
}

TEST_F (UndoFixture, learntControllersMovedOnTheAudioThreadAreRecordedOnTheMessageThread)
{
    // A learnt controller moving its parameter inside processBlock, on a thread of its own.
    const auto controllerAt = [this] (juce::int64 time, int value)
    {
        std::thread ([&]
        {
            fakeNow = time;
            juce::AudioBuffer<float> buffer (4, 32);
            buffer.clear();
            juce::MidiBuffer midi;
            midi.addEvent (juce::MidiMessage::controllerEvent (1, 21, value), 0);
            p.processBlock (buffer, midi);
        }).join();
    };

    p.ccMap[21] = cutoff;
    controllerAt (2'000'000, 10);
    controllerAt (2'000'030, 20);   // joins the first
    controllerAt (2'000'200, 30);   // its own step
    EXPECT_FALSE (p.undoManager.canUndo());

    fakeNow = 9'000'000;
    p.paramUndo.recordPending();
    ASSERT_TRUE (p.undoManager.undo());
    EXPECT_FLOAT_EQ (param (cutoff).getValue(), 20.0f / 127.0f);
    ASSERT_TRUE (p.undoManager.undo());
    EXPECT_FLOAT_EQ (param (cutoff).getValue(), param (cutoff).getDefaultValue());
    EXPECT_FALSE (p.undoManager.canUndo());
}
