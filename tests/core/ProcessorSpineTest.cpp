// What a host negotiates with the processor: its buses, the layouts it accepts, its one
// named program, fixed answers, latency on prepare and the cutoff law it shows. (processBlock allocating nothing: EngineMatchesReferenceTest.cpp and
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

TEST (ProcessorSpine, declaresThreeStereoBusesAndFixedAnswers)
{
    VortaneAudioProcessor p;

    ASSERT_EQ (p.getBusCount (true), 2);
    ASSERT_EQ (p.getBusCount (false), 1);
    EXPECT_EQ (p.getTotalNumInputChannels(), 4);
    EXPECT_EQ (p.getTotalNumOutputChannels(), 2);

    EXPECT_EQ (p.getName(), "Vortane");
    EXPECT_DOUBLE_EQ (p.getTailLengthSeconds(), 36000.0);
    EXPECT_TRUE (p.acceptsMidi());
    EXPECT_FALSE (p.producesMidi() || p.isMidiEffect());
    EXPECT_TRUE (p.hasEditor());
    EXPECT_EQ (p.getCurrentProgram(), 0);
    EXPECT_DOUBLE_EQ (p.data.sampleRate.load(), 44100.0);
    EXPECT_EQ (p.data.blockSize.load(), 128);
}

TEST (ProcessorSpine, valueToHzFollowsTheCutoffLawAndClamps)
{
    VortaneAudioProcessor p;

    // 640 Hz x 2^((2v - 1) 5), clamped to ten octaves either way.
    const std::pair<double, double> points[] = { { 0.0, 20.0 }, { 0.5, 640.0 }, { 1.0, 20480.0 }, { -0.5, 0.625 },
                                                 { -3.0, 0.625 }, { 1.5, 655360.0 }, { 9.0, 655360.0 } };
    for (auto [v, hz] : points)
        EXPECT_NEAR (p.valueToHz (v), hz, 1e-9 + hz * 2e-9) << v;

    // Between table entries the value is interpolated.
    for (double v = 0.0; v <= 1.0; v += 0.0371)
        EXPECT_NEAR (p.valueToHz (v) / (640.0 * std::exp2 ((2.0 * v - 1.0) * 5.0)), 1.0, 1e-5) << v;
}

TEST (ProcessorSpine, prepareResetsLatencyAndStoresRate)
{
    struct LatencyListener : juce::AudioProcessorListener
    {
        int latencyChanges = 0;
        void audioProcessorParameterChanged (juce::AudioProcessor*, int, float) override {}
        void audioProcessorChanged (juce::AudioProcessor*, const ChangeDetails& d) override { latencyChanges += d.latencyChanged ? 1 : 0; }
    } listener;

    VortaneAudioProcessor p;
    p.addListener (&listener);

    p.prepareToPlay (96000.0, 256);
    EXPECT_EQ (listener.latencyChanges, 0);
    EXPECT_DOUBLE_EQ (p.data.sampleRate.load(), 96000.0);
    EXPECT_EQ (p.data.blockSize.load(), 256);

    p.setLatencySamples (12);
    listener.latencyChanges = 0;
    p.prepareToPlay (48000.0, 64);
    EXPECT_EQ (p.getLatencySamples(), 0);
    EXPECT_EQ (listener.latencyChanges, 1);

    p.removeListener (&listener);
}

TEST (ProcessorSpine, processBlockRefreshesChannelCounts)
{
    TestProcessor p (1, 1, 2);
    auto buffer = p.makeBuffer (256);
    juce::MidiBuffer midi;
    for (int i = 0; i < buffer.getNumSamples(); ++i)
        buffer.setSample (0, i, std::sin (0.05f * (float) i) * 0.5f);
    p->processBlock (buffer, midi);

    EXPECT_EQ (p->data.mainInputChannels.load(), 1);
    EXPECT_EQ (p->data.sideChainChannels.load(), 1);
    EXPECT_EQ (p->data.mainOutputChannels.load(), 2);
}
