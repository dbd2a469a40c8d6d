// What a host negotiates with the processor: its buses, the layouts it accepts and its one
// named program. (processBlock allocating nothing: EngineMatchesReferenceTest.cpp and
// MidiControllerTest.cpp count it with controllers coming in.)
#include "support/ProcessorFixture.h"

#include <gtest/gtest.h>

TEST (ProcessorSpine, offersInputSideChainAndOutputAndAcceptsOnlyKnownMainPairsWithASideChain)
{
    VortaneAudioProcessor processor;
    const char* const names[] = { "Input", "Side Chain", "Output" };
    for (int bus = 0; bus < 3; ++bus)
        EXPECT_EQ (processor.getBus (bus < 2, bus % 2)->getName(), names[bus]);

    // Hosts list the one program by its name; a nameless one fails the VST3 validator.
    EXPECT_EQ (processor.getNumPrograms(), 1);
    EXPECT_EQ (processor.getProgramName (0), "Default");

    const struct { int in, sideChain, out; bool accepted; } cases[] = {
        { 2, 2, 2, true }, { 1, 1, 1, true }, { 1, 2, 2, true }, { 1, 1, 2, true }, { 2, 1, 2, true }, { 1, 2, 1, true },
        { 2, 0, 2, false }, { 1, 0, 1, false }, { 2, 2, 1, false }, { 0, 2, 2, false }, { 2, 2, 0, false } };

    for (const auto& c : cases)
    {
        juce::AudioProcessor::BusesLayout layout;
        layout.inputBuses.add (TestProcessor::setFor (c.in));
        layout.inputBuses.add (TestProcessor::setFor (c.sideChain));
        layout.outputBuses.add (TestProcessor::setFor (c.out));
        EXPECT_EQ (processor.checkBusesLayoutSupported (layout), c.accepted) << c.in << c.sideChain << c.out;
    }
}
