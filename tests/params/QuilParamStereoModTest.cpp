// Stereo modes: unlinking (the host's top value, from mono or linked) starts the right
// depth as the mirror of the left one, and the host hears of that depth: at once when a
// control, undo or a learnt controller sets the mode, a moment later on the message thread
// when the host or a preset does. (QuilParamTest checks the host's path on more depths.)
#include "support/AllocationCounter.h"
#include "support/MessagePump.h"
#include "support/MouseEvents.h"
#include "support/ParameterIndex.h"
#include "support/ProcessorFixture.h"
#include "params/QuilParamTypes.h"

#include <gtest/gtest.h>
#include <thread>

namespace
{
    struct Column
    {
        Column (VortaneAudioProcessor& p, int destination, int input)
            : mode (*p.data.stereoMode[destination][input]), left (*p.data.depth[destination][input][0]),
              right (*p.data.depth[destination][input][1])
        {
        }

        QuilParamStereoMod& mode;
        QuilParam &left, &right;
    };
}

// Normalised values throughout: the mirror of a left depth n is 1 − n.
TEST (StereoModeMirror, onlyUnlinkingFromMonoOrLinkedMirrorsTheLeftDepth)
{
    struct Case { int destination, input; float left, right; std::vector<float> modes; float rightAfter; bool throughHost; };
    const Case cases[] = { { destIn, 0, 0.3f, 0.5f, { 1.0f }, 0.7f, false },              // mono → unlinked
                           { destCutoff, 1, 0.9f, 0.2f, { 0.5f, 1.0f }, 0.1f, true },      // linked → unlinked
                           { destType, 0, 0.3f, 0.6f, { 0.5f, 0.0f, 0.5f }, 0.6f, false }, // linked and mono keep it
                           { destOut, 1, 0.0f, 0.6f, { 0.5f, 1.0f }, 1.0f, true } };

    for (const auto& c : cases)
    {
        TestProcessor p;
        Column col (*p, c.destination, c.input);
        col.left.setValue (c.left);
        col.right.setValue (c.right);

        for (const float m : c.modes)
            c.throughHost ? col.mode.setValueNotifyingHost (m) : col.mode.setValue (m);
        EXPECT_FLOAT_EQ (col.right.getValue(), c.rightAfter) << c.destination;
        EXPECT_FLOAT_EQ (col.left.getValue(), c.left) << c.destination;

        // Unlinked already: setting it again keeps a right depth set since.
        col.mode.setValue (1.0f);
        col.right.setValue (0.25f);
        col.mode.setValue (1.0f);
        EXPECT_FLOAT_EQ (col.right.getValue(), 0.25f) << c.destination;

        // Every other depth stays put.
        for (int i = inCv1Left; i < numParams; ++i)
            if (&quilParam (*p, i) != &col.left && &quilParam (*p, i) != &col.right)
            {
                EXPECT_EQ (quilParam (*p, i).getValue(), 0.5f) << i;
            }
    }
}

namespace
{
    // A learnt controller (20) unlinks the column's mode inside processBlock, on a thread
    // of its own as the audio thread is; returns the allocations made there.
    std::size_t unlinkByController (VortaneAudioProcessor& p, int modeIndex)
    {
        p.ccMap[20].store (modeIndex);
        juce::AudioBuffer<float> buffer (4, 64);
        buffer.clear();
        juce::MidiBuffer midi;
        midi.addEvent (juce::MidiMessage::controllerEvent (1, 20, 127), 3);
        std::size_t allocations = 0;
        std::thread ([&] { AllocationCounter counter; p.processBlock (buffer, midi); allocations = counter.count(); }).join();
        return allocations;
    }
}

// The host sets the mode: it hears of the mirrored depth once, a moment later, and what it
// hears is the depth as it is then. A learnt controller's gesture tells it at once, from
// the audio thread and without allocating, and nothing repeats it later.
TEST (StereoModeMirror, theHostHearsOfTheMirrorOnceAndOfTheDepthAsItIsThen)
{
    enum class By { host, controller, hostThenStored };
    for (const auto by : { By::host, By::controller, By::hostThenStored })
    {
        TestProcessor p;
        Column col (*p, destIn, 0);
        GestureCounter host (col.right);
        host.values.reserve (4);   // the listener runs inside the block
        col.left.setValue (0.3f);

        if (by == By::controller)
        {
            EXPECT_EQ (unlinkByController (*p, inCv1Stereo), 0u);
            EXPECT_EQ (host.values, std::vector<float> { col.right.getValue() });
            EXPECT_EQ (host.ends, 1);
        }
        else
        {
            col.mode.setValueNotifyingHost (1.0f);
            EXPECT_TRUE (host.values.empty());   // the wrapper would drop it now
        }

        ASSERT_EQ (col.mode.getMode(), 2);
        EXPECT_FLOAT_EQ (col.right.getValue(), 0.7f);
        if (by == By::hostThenStored)
            col.right.setValue (0.2f);   // a depth stored before the notice goes out

        ASSERT_TRUE (pumpUntil ([&] { return ! host.values.empty(); })) << (int) by;
        pumpMessages (150);
        EXPECT_EQ (host.values, std::vector<float> { col.right.getValue() }) << (int) by;
    }
}

// Modes come before depths: a preset or the host's state ends with every stored depth as
// stored, and a preset leaves a locked right depth alone, mirror included. The host state
// tells the host of each changed depth against the values from before the restore (here
// the stored depth equals the mirror), and no late notice repeats it.
TEST (StereoModeMirror, presetsAndHostStateEndWithTheStoredDepthsAndAPresetKeepsALockedOne)
{
    struct Case { bool hostState, locked; const char* storedRight; float rightAfter; bool told; };
    const Case cases[] = { { false, false, "0.2", 0.2f, true }, { false, true, "0.2", 0.4f, false },
                           { true, true, "0.2", 0.2f, true },   { true, false, "0.7", 0.7f, true } };

    for (const auto& c : cases)
    {
        VortaneAudioProcessor p;
        Column col (p, destIn, 0);
        col.mode.setValue (0.5f);
        col.left.setValue (0.3f);
        col.right.setValue (0.4f);
        col.right.setLocked (c.locked);
        GestureCounter host (col.right);

        juce::XmlElement preset ("Quillmere_Preset");
        preset.setAttribute ("Parameters", juce::String ("In CV 1 Stereo:1,In CV 1 Left:0.3,In CV 1 Right:") + c.storedRight + ",");
        p.restoreStateFromXml (&preset, c.hostState);
        pumpMessages (150);

        EXPECT_EQ (col.mode.getMode(), 2);
        EXPECT_FLOAT_EQ (col.right.getValue(), c.rightAfter) << c.hostState << c.locked;
        EXPECT_EQ (host.values, c.told ? std::vector<float> { col.right.getValue() } : std::vector<float> {}) << c.hostState << c.locked;
    }
}

// The column's switch and a learnt controller set the mode as a gesture: the mirror is a
// gesture of its own that the host hears at once, and one undo gives back linked mode and
// the old right depth; redo gives both again.
TEST (StereoModeMirror, aGesturesUnlinkingAndItsMirrorAreOneUndoStep)
{
    for (const bool byController : { false, true })
    {
        VortaneAudioProcessor p;
        p.paramUndo.setClock ([]() -> juce::int64 { return 1'000'000; });
        Column col (p, destIn, 0);
        col.mode.setValue (0.5f);
        col.left.setValue (0.3f);
        col.right.setValue (0.4f);
        GestureCounter host (col.right);
        host.values.reserve (4);

        if (byController)
            unlinkByController (p, inCv1Stereo);
        else
            col.mode.setRealValueAsGesture (2.0f);
        p.paramUndo.recordPending();

        EXPECT_FLOAT_EQ (col.right.getValue(), 0.7f) << byController;
        ASSERT_EQ (host.values.size(), 1u) << byController;
        EXPECT_FLOAT_EQ (host.values[0], 0.7f);

        ASSERT_TRUE (p.undoManager.undo());
        EXPECT_EQ (col.mode.getMode(), 1) << byController;
        EXPECT_FLOAT_EQ (col.right.getValue(), 0.4f) << byController;
        EXPECT_FALSE (p.undoManager.canUndo()) << byController;

        ASSERT_TRUE (p.undoManager.redo());
        EXPECT_EQ (col.mode.getMode(), 2) << byController;
        EXPECT_FLOAT_EQ (col.right.getValue(), 0.7f) << byController;
    }
}
