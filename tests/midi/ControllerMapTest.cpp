// The controller map on its own: listeners are kept once each and told first to last,
// a removed one is not told again, and a controller moves to the parameter it is last
// assigned to. (The learning race and removal while the audio thread notifies are
// checked through the processor in MidiControllerTest.)
#include "support/ParameterIndex.h"

#include <gtest/gtest.h>

namespace
{
    struct Map : MidiCCListener
    {
        void ccMappedValueChanged (int, float) override {}
        void presetSelectRequested (int, int) override {}
    };

    /** Records the order in which listeners are told. */
    struct Ordered : MidiCCListener::Listener
    {
        Ordered (std::vector<char>& l, char n) : log (l), name (n) {}
        void midiMappingChanged (int) override { log.push_back (name); }
        std::vector<char>& log;
        char name;
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
    EXPECT_EQ (map.getNumCCListeners(), 1);

    std::vector<char> log;
    Ordered first (log, 'x'), second (log, 'y'), third (log, 'z');
    map.removeCCListener (&b);
    for (auto* l : { &second, &first, &third })
        map.addCCListener (l);
    map.notifyListeners (1);
    EXPECT_EQ (log, (std::vector<char> { 'y', 'x', 'z' }));
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
