#include "BuiltPlugin.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <ostream>

// Names the format in failure messages.
void PrintTo (BuiltPlugin::Format format, std::ostream* os)
{
    *os << BuiltPlugin::nameOf (format);
}

namespace
{
    using Format = BuiltPlugin::Format;

    constexpr double sampleRate = 48000.0;
    constexpr int maxBlockSize = 512;
    constexpr int numPluginParameters = 44;

    /** The plug-in's parameter names by index, formed as the parameter table forms them. */
    juce::StringArray expectedParameterNames()
    {
        const juce::StringArray destinations { "In", "Cutoff", "Resonance", "Type", "Drive", "Out" };
        juce::StringArray names { "Power", "In", "Cutoff", "Resonance", "Type", "Drive", "Drive Mode", "Out" };

        for (const auto* input : { "1", "2" })
            for (const auto& d : destinations)
                names.add (d + " CV " + input + " Stereo");

        for (const auto* input : { "1", "2" })
            for (const auto* side : { " Left", " Right" })
                for (const auto& d : destinations)
                    names.add (d + " CV " + input + side);

        return names;
    }

    juce::String expectedParameterId (int index)
    {
        return index == 0 ? ".Power Btn    " : expectedParameterNames()[index];
    }

    // JUCE's VST3 wrapper stands in a parameter for every controller of every MIDI
    // channel, because VST3 delivers controllers to a plug-in only as parameter changes.
    constexpr int numMidiChannels = 16;
    constexpr int numVst3Controllers = 130; // 128 controllers, aftertouch and pitch bend

    bool isVst3ControllerStandIn (const juce::AudioProcessorParameter& p)
    {
        return p.getName (1024).startsWith ("MIDI CC ") && ! p.isAutomatable();
    }

    /** The plug-in's own parameters as the host sees them, by name: the wrapper's
        bypass and controller stand-ins are left out. */
    std::map<juce::String, juce::AudioProcessorParameter*> pluginParametersByName (juce::AudioPluginInstance& plugin)
    {
        std::map<juce::String, juce::AudioProcessorParameter*> result;
        for (auto* p : plugin.getParameters())
            if (p != plugin.getBypassParameter() && ! isVst3ControllerStandIn (*p))
                result[p->getName (1024)] = p;
        return result;
    }

    float peakOf (const juce::AudioBuffer<float>& buffer, int channel)
    {
        return buffer.getMagnitude (channel, 0, buffer.getNumSamples());
    }

    bool allFinite (const juce::AudioBuffer<float>& buffer, int numChannels)
    {
        for (int ch = 0; ch < numChannels; ++ch)
            for (int i = 0; i < buffer.getNumSamples(); ++i)
                if (! std::isfinite (buffer.getSample (ch, i)))
                    return false;
        return true;
    }

    /** A host's side of one loaded instance: all buses on, prepared, and fed blocks
        whose main input carries a sum of sines and whose side chain carries a slow CV. */
    class HostedPluginTest : public ::testing::TestWithParam<Format>
    {
    public:
        static void SetUpTestSuite()    { BuiltPlugin::setUp(); }
        static void TearDownTestSuite() { BuiltPlugin::tearDown(); }

    protected:
        std::unique_ptr<juce::AudioPluginInstance> load()
        {
            juce::String error;
            auto plugin = BuiltPlugin::load (GetParam(), sampleRate, maxBlockSize, error);
            EXPECT_NE (plugin, nullptr) << error;
            return plugin;
        }

        std::unique_ptr<juce::AudioPluginInstance> loadAndPrepare()
        {
            auto plugin = load();
            if (plugin != nullptr)
            {
                plugin->enableAllBuses();
                plugin->prepareToPlay (sampleRate, maxBlockSize);
            }
            return plugin;
        }

        /** One block as the host passes it: max(inputs, outputs) channels, in place. */
        juce::AudioBuffer<float> makeBlock (const juce::AudioPluginInstance& plugin, int numSamples, float level)
        {
            const int channels = juce::jmax (plugin.getTotalNumInputChannels(), plugin.getTotalNumOutputChannels());
            juce::AudioBuffer<float> buffer (channels, numSamples);
            buffer.clear();

            const int mainInputs = plugin.getChannelCountOfBus (true, 0);
            for (int i = 0; i < numSamples; ++i, ++position)
            {
                const double t = (double) position / sampleRate;
                const auto tone = level * (0.5 * std::sin (2.0 * juce::MathConstants<double>::pi * 220.0 * t)
                                         + 0.3 * std::sin (2.0 * juce::MathConstants<double>::pi * 1870.0 * t)
                                         + 0.2 * std::sin (2.0 * juce::MathConstants<double>::pi * 9100.0 * t));
                const auto cv = 0.5 * std::sin (2.0 * juce::MathConstants<double>::pi * 3.0 * t);

                for (int ch = 0; ch < mainInputs; ++ch)
                    buffer.setSample (ch, i, (float) tone);
                for (int ch = mainInputs; ch < plugin.getTotalNumInputChannels(); ++ch)
                    buffer.setSample (ch, i, (float) cv);
            }

            return buffer;
        }

        juce::AudioBuffer<float> render (juce::AudioPluginInstance& plugin, int numSamples, float level)
        {
            juce::MidiBuffer midi;
            return render (plugin, numSamples, level, midi);
        }

        juce::AudioBuffer<float> render (juce::AudioPluginInstance& plugin, int numSamples, float level,
                                         juce::MidiBuffer& midi)
        {
            auto buffer = makeBlock (plugin, numSamples, level);
            plugin.processBlock (buffer, midi);
            return buffer;
        }

        juce::int64 position = 0;
    };

    std::string formatName (const ::testing::TestParamInfo<Format>& info)
    {
        return BuiltPlugin::nameOf (info.param).toStdString();
    }
}

TEST_P (HostedPluginTest, isFoundAsTheMakersEffect)
{
    const auto description = BuiltPlugin::describe (GetParam());

    ASSERT_FALSE (description.fileOrIdentifier.isEmpty());
    EXPECT_EQ (description.name, "Vortane");
    EXPECT_EQ (description.manufacturerName, "Quillmere");
    EXPECT_EQ (description.pluginFormatName, BuiltPlugin::nameOf (GetParam()));
    EXPECT_FALSE (description.isInstrument);
}

TEST_P (HostedPluginTest, offersInputSideChainAndOutputAsStereoBuses)
{
    auto plugin = load();
    ASSERT_NE (plugin, nullptr);

    ASSERT_EQ (plugin->getBusCount (true), 2);
    ASSERT_EQ (plugin->getBusCount (false), 1);
    EXPECT_EQ (plugin->getBus (true, 0)->getName(), "Input");
    EXPECT_EQ (plugin->getBus (true, 1)->getName(), "Side Chain");
    EXPECT_EQ (plugin->getBus (false, 0)->getName(), "Output");

    EXPECT_EQ (plugin->getBus (true, 0)->getDefaultLayout(), juce::AudioChannelSet::stereo());
    EXPECT_EQ (plugin->getBus (true, 1)->getDefaultLayout(), juce::AudioChannelSet::stereo());
    EXPECT_EQ (plugin->getBus (false, 0)->getDefaultLayout(), juce::AudioChannelSet::stereo());

    EXPECT_TRUE (plugin->getBus (true, 1)->enable (true));
    plugin->enableAllBuses();
    EXPECT_TRUE (plugin->getBus (true, 1)->isEnabled());
    EXPECT_EQ (plugin->getChannelCountOfBus (true, 1), 2);
    EXPECT_EQ (plugin->getTotalNumInputChannels(), 4);
    EXPECT_EQ (plugin->getTotalNumOutputChannels(), 2);

    EXPECT_TRUE (plugin->acceptsMidi());
    EXPECT_FALSE (plugin->producesMidi());

    plugin->prepareToPlay (sampleRate, maxBlockSize);
    EXPECT_EQ (plugin->getLatencySamples(), 0);
    plugin->releaseResources();
}

TEST_P (HostedPluginTest, exposesTheFortyFourParametersBesideTheWrappersOwn)
{
    auto plugin = load();
    ASSERT_NE (plugin, nullptr);

    const auto& parameters = plugin->getParameters();
    const auto names = expectedParameterNames();
    ASSERT_EQ (names.size(), numPluginParameters);

    // Each format adds its bypass: "Bypass" in VST3, the "Enabled" port in LV2.
    ASSERT_NE (plugin->getBypassParameter(), nullptr);

    const auto byName = pluginParametersByName (*plugin);
    ASSERT_EQ ((int) byName.size(), numPluginParameters);
    for (const auto& name : names)
    {
        ASSERT_EQ (byName.count (name), 1u) << name;
        EXPECT_TRUE (byName.at (name)->isAutomatable()) << name;
    }

    if (GetParam() == Format::lv2)
    {
        EXPECT_EQ (parameters.size(), numPluginParameters + 1);
        return;
    }

    // VST3 keeps the processor's order: the 44, the bypass, then the controller stand-ins.
    ASSERT_EQ (parameters.size(), numPluginParameters + 1 + numMidiChannels * numVst3Controllers);
    EXPECT_EQ (parameters[numPluginParameters], plugin->getBypassParameter());

    for (int i = 0; i < numPluginParameters; ++i)
    {
        EXPECT_EQ (parameters[i]->getName (1024), names[i]) << "index " << i;

        // A host stores each parameter by a number derived from its ID: an ID that
        // changed would orphan the automation of saved projects.
        const auto vstId = (juce::uint32) expectedParameterId (i).hashCode() & 0x7fffffffu;
        EXPECT_EQ (dynamic_cast<juce::HostedAudioProcessorParameter*> (parameters[i])->getParameterID(),
                   juce::String (vstId)) << "index " << i;
    }

    for (int i = numPluginParameters + 1; i < parameters.size(); ++i)
        EXPECT_TRUE (isVst3ControllerStandIn (*parameters[i])) << parameters[i]->getName (1024);
}

TEST_P (HostedPluginTest, rendersFiniteSoundForSoundInEveryBlock)
{
    auto plugin = loadAndPrepare();
    ASSERT_NE (plugin, nullptr);

    // Block sizes a host may use, down to a single sample.
    for (const int numSamples : { 512, 256, 37, 1, 500, 64, 512, 512, 512, 512 })
    {
        const auto block = render (*plugin, numSamples, 1.0f);

        ASSERT_TRUE (allFinite (block, plugin->getTotalNumOutputChannels())) << numSamples;
        if (numSamples >= 64)
            for (int ch = 0; ch < plugin->getTotalNumOutputChannels(); ++ch)
                EXPECT_GT (peakOf (block, ch), 0.01f) << "channel " << ch << ", block of " << numSamples;
    }

    plugin->releaseResources();
}

TEST_P (HostedPluginTest, rendersSilenceForSilence)
{
    auto plugin = loadAndPrepare();
    ASSERT_NE (plugin, nullptr);

    for (int block = 0; block < 20; ++block)
    {
        const auto out = render (*plugin, maxBlockSize, 0.0f);
        ASSERT_TRUE (allFinite (out, plugin->getTotalNumOutputChannels()));
        for (int ch = 0; ch < plugin->getTotalNumOutputChannels(); ++ch)
            EXPECT_LT (peakOf (out, ch), 1.0e-6f) << "channel " << ch << ", block " << block;
    }

    plugin->releaseResources();
}

TEST_P (HostedPluginTest, takesMidiEventsInsideBlocks)
{
    auto plugin = loadAndPrepare();
    ASSERT_NE (plugin, nullptr);

    for (int block = 0; block < 8; ++block)
    {
        juce::MidiBuffer midi;
        midi.addEvent (juce::MidiMessage::noteOn (1, 60 + block, (juce::uint8) 100), 3);
        midi.addEvent (juce::MidiMessage::controllerEvent (1, 1, 17 * block), 100);
        midi.addEvent (juce::MidiMessage::pitchWheel (2, 16383), 200);
        midi.addEvent (juce::MidiMessage::channelPressureChange (16, 127), 300);
        midi.addEvent (juce::MidiMessage::controllerEvent (1, 120, 0), 400);
        midi.addEvent (juce::MidiMessage::noteOff (1, 60 + block), maxBlockSize - 1);

        const auto out = render (*plugin, maxBlockSize, 1.0f, midi);

        ASSERT_TRUE (allFinite (out, plugin->getTotalNumOutputChannels())) << "block " << block;
        for (int ch = 0; ch < plugin->getTotalNumOutputChannels(); ++ch)
            EXPECT_GT (peakOf (out, ch), 0.01f) << "channel " << ch << ", block " << block;
    }

    plugin->releaseResources();
}

TEST_P (HostedPluginTest, stateRestoresEveryParameterInAFreshInstance)
{
    // Normalised values exactly representable in binary, away from every default;
    // "Power" is locked, and the host's state must set it all the same.
    const std::map<juce::String, float> changes { { "Power", 0.0f },
                                                  { "Cutoff", 0.25f },
                                                  { "Resonance", 0.375f },
                                                  { "Drive Mode", 1.0f },
                                                  { "Type CV 1 Left", 0.8125f },
                                                  { "Out CV 2 Right", 0.125f } };

    auto original = loadAndPrepare();
    ASSERT_NE (original, nullptr);
    juce::MemoryBlock untouchedState;
    original->getStateInformation (untouchedState);

    auto originalParameters = pluginParametersByName (*original);
    for (const auto& [name, value] : changes)
    {
        ASSERT_EQ (originalParameters.count (name), 1u) << name;
        auto* p = originalParameters[name];
        p->beginChangeGesture();
        p->setValueNotifyingHost (value);
        p->endChangeGesture();
    }

    // Parameter changes reach the plug-in with the next block, as in a running host.
    render (*original, maxBlockSize, 1.0f);

    juce::MemoryBlock savedState;
    original->getStateInformation (savedState);
    EXPECT_FALSE (savedState == untouchedState) << "the changed parameters are not in the state";

    auto restored = loadAndPrepare();
    ASSERT_NE (restored, nullptr);
    restored->setStateInformation (savedState.getData(), (int) savedState.getSize());
    render (*restored, maxBlockSize, 1.0f);

    juce::MemoryBlock restoredState;
    restored->getStateInformation (restoredState);
    EXPECT_TRUE (restoredState == savedState) << "the restored instance saves another state";

    if (GetParam() == Format::vst3)
    {
        // The VST3 host reads every value back from the restored instance.
        auto restoredParameters = pluginParametersByName (*restored);
        for (const auto& [name, p] : originalParameters)
            EXPECT_NEAR (restoredParameters[name]->getValue(), p->getValue(), 1.0e-6f) << name;
        for (const auto& [name, value] : changes)
            EXPECT_NEAR (restoredParameters[name]->getValue(), value, 1.0e-6f) << name;
    }

    const auto out = render (*restored, maxBlockSize, 1.0f);
    EXPECT_TRUE (allFinite (out, restored->getTotalNumOutputChannels()));

    original->releaseResources();
    restored->releaseResources();
}

INSTANTIATE_TEST_SUITE_P (BuiltFormats, HostedPluginTest,
                          ::testing::Values (Format::vst3, Format::lv2), formatName);
