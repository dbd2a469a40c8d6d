// The built VST3 and LV2 binaries, loaded through the framework's own hosting as a host
// would load them.
#include <juce_audio_processors/juce_audio_processors.h>
#include <gtest/gtest.h>

#include <cmath>
#include <map>

enum class Format { vst3, lv2 };

void PrintTo (Format format, std::ostream* os) { *os << (format == Format::vst3 ? "VST3" : "LV2"); }

namespace
{
    constexpr double sampleRate = 48000.0;
    constexpr int blockSize = 512;

    class HostedPluginTest : public ::testing::TestWithParam<Format>
    {
    public:
        static void SetUpTestSuite()
        {
            // The framework's LV2 host searches ~/.lv2 (in the test's temporary HOME) and the system folders only.
            const juce::File built (VORTANE_LV2_BUNDLE);
            built.copyDirectoryTo (juce::File::getSpecialLocation (juce::File::userHomeDirectory).getChildFile (".lv2/" + built.getFileName()));
            formats = std::make_unique<juce::AudioPluginFormatManager>();
            formats->addFormat (new juce::VST3PluginFormat());
            formats->addFormat (new juce::LV2PluginFormat());
        }

        static void TearDownTestSuite() { formats.reset(); }

    protected:
        static juce::PluginDescription describe()
        {
            juce::OwnedArray<juce::PluginDescription> found;
            const bool vst3 = GetParam() == Format::vst3;
            formats->getFormat (vst3 ? 0 : 1)->findAllTypesForFile (found, vst3 ? VORTANE_VST3_BUNDLE : VORTANE_LV2_URI);
            return found.size() == 1 ? *found[0] : juce::PluginDescription();
        }

        /** A new instance with all buses on, prepared. */
        static std::unique_ptr<juce::AudioPluginInstance> load()
        {
            juce::String error;
            auto plugin = formats->createPluginInstance (describe(), sampleRate, blockSize, error);
            EXPECT_NE (plugin, nullptr) << error;
            if (plugin != nullptr)
            {
                plugin->enableAllBuses();
                plugin->prepareToPlay (sampleRate, blockSize);
            }
            return plugin;
        }

        /** One block as hosts pass it, in place: a sum of sines on the main input, a slow CV on the side chain. */
        juce::AudioBuffer<float> render (juce::AudioPluginInstance& plugin, int numSamples, float level, juce::MidiBuffer midi = {})
        {
            juce::AudioBuffer<float> buffer (juce::jmax (plugin.getTotalNumInputChannels(), plugin.getTotalNumOutputChannels()), numSamples);
            buffer.clear();
            for (int i = 0; i < numSamples; ++i, ++position)
            {
                const auto phase = juce::MathConstants<double>::twoPi * (double) position / sampleRate;
                const auto tone = level * (0.5 * std::sin (220.0 * phase) + 0.3 * std::sin (1870.0 * phase) + 0.2 * std::sin (9100.0 * phase));
                for (int ch = 0; ch < plugin.getTotalNumInputChannels(); ++ch)
                    buffer.setSample (ch, i, (float) (ch < plugin.getChannelCountOfBus (true, 0) ? tone : 0.5 * std::sin (3.0 * phase)));
            }
            plugin.processBlock (buffer, midi);
            return buffer;
        }

        /** The plug-in's own parameters by name: the wrapper's bypass and VST3's
            controller stand-ins (a parameter per controller and channel) left out. */
        static std::map<juce::String, juce::AudioProcessorParameter*> parametersByName (juce::AudioPluginInstance& plugin)
        {
            std::map<juce::String, juce::AudioProcessorParameter*> result;
            for (auto* p : plugin.getParameters())
                if (p != plugin.getBypassParameter() && ! p->getName (1024).startsWith ("MIDI CC "))
                    result[p->getName (1024)] = p;
            return result;
        }

        juce::int64 position = 0;
        static inline std::unique_ptr<juce::AudioPluginFormatManager> formats;
    };
}

TEST_P (HostedPluginTest, loadsAsTheMakersEffectWithItsBusesAndTheFortyFourParameters)
{
    const auto description = describe();
    EXPECT_EQ (description.name + "/" + description.manufacturerName, "Vortane/Quillmere");
    EXPECT_FALSE (description.isInstrument);

    auto plugin = load();
    ASSERT_NE (plugin, nullptr);
    juce::StringArray buses;
    for (const bool isInput : { true, false })
        for (int i = 0; i < plugin->getBusCount (isInput); ++i)
            buses.add (plugin->getBus (isInput, i)->getName() + ":" + plugin->getBus (isInput, i)->getDefaultLayout().getDescription());
    EXPECT_EQ (buses.joinIntoString (","), "Input:Stereo,Side Chain:Stereo,Output:Stereo");
    EXPECT_EQ (plugin->getTotalNumInputChannels() * 10 + plugin->getTotalNumOutputChannels(), 42);
    EXPECT_TRUE (plugin->acceptsMidi() && ! plugin->producesMidi());
    EXPECT_EQ (plugin->getLatencySamples(), 0);

    // The names as the parameter table forms them, each once and automatable.
    juce::StringArray names { "Power", "In", "Cutoff", "Resonance", "Type", "Drive", "Drive Mode", "Out" };
    for (const auto* group : { " CV 1 Stereo", " CV 2 Stereo", " CV 1 Left", " CV 1 Right", " CV 2 Left", " CV 2 Right" })
        for (const auto* destination : { "In", "Cutoff", "Resonance", "Type", "Drive", "Out" })
            names.add (destination + juce::String (group));
    const auto byName = parametersByName (*plugin);
    ASSERT_EQ (byName.size(), 44u);
    for (const auto& name : names)
        EXPECT_TRUE (byName.count (name) == 1 && byName.at (name)->isAutomatable()) << name;

    // Each format adds its bypass ("Bypass" in VST3, the "Enabled" port in LV2); VST3
    // keeps the processor's order, and numbers each parameter from its ID, by which
    // hosts store automation: a changed ID would orphan that of saved projects.
    const auto& parameters = plugin->getParameters();
    ASSERT_NE (plugin->getBypassParameter(), nullptr);
    if (GetParam() == Format::lv2)
    {
        EXPECT_EQ (parameters.size(), 45);
        return;
    }
    EXPECT_EQ (parameters.size(), 44 + 1 + 16 * 130);   // 128 controllers, aftertouch and pitch bend per channel
    EXPECT_EQ (parameters[44], plugin->getBypassParameter());
    for (int i = 0; i < 44; ++i)
    {
        const auto id = (juce::uint32) (i == 0 ? juce::String (".Power Btn    ") : names[i]).hashCode() & 0x7fffffffu;
        EXPECT_EQ (parameters[i]->getName (1024), names[i]);
        EXPECT_EQ (dynamic_cast<juce::HostedAudioProcessorParameter&> (*parameters[i]).getParameterID(), juce::String (id)) << names[i];
    }
}

TEST_P (HostedPluginTest, rendersFiniteAudioInEveryBlockSizeSilenceForSilenceAndTakesMidi)
{
    auto plugin = load();
    ASSERT_NE (plugin, nullptr);

    juce::MidiBuffer midi;
    for (const auto& [message, position] : { std::pair (juce::MidiMessage::noteOn (1, 60, (juce::uint8) 100), 3), { juce::MidiMessage::controllerEvent (1, 1, 64), 100 },
                                              { juce::MidiMessage::pitchWheel (2, 16383), 200 }, { juce::MidiMessage::channelPressureChange (16, 127), 300 },
                                              { juce::MidiMessage::controllerEvent (1, 120, 0), 400 }, { juce::MidiMessage::noteOff (1, 60), blockSize - 1 } })
        midi.addEvent (message, position);

    // Silence first, then block sizes a host may use, down to one sample, then MIDI
    // events inside blocks.
    struct Block { int numSamples; float level; bool withMidi; };
    std::vector<Block> blocks (10, { blockSize, 0.0f, false });
    for (int numSamples : { 512, 256, 37, 1, 500, 64, 512, 512 })
        blocks.push_back ({ numSamples, 1.0f, false });
    blocks.insert (blocks.end(), 8, { blockSize, 1.0f, true });

    for (const auto& [numSamples, level, withMidi] : blocks)
    {
        const auto out = render (*plugin, numSamples, level, withMidi ? midi : juce::MidiBuffer());
        for (int ch = 0; ch < plugin->getTotalNumOutputChannels(); ++ch)
        {
            const auto peak = out.getMagnitude (ch, 0, numSamples);
            ASSERT_TRUE (std::isfinite (peak) && std::isfinite (out.getRMSLevel (ch, 0, numSamples))) << numSamples;
            if (level == 0.0f)
                EXPECT_LT (peak, 1.0e-6f) << "channel " << ch;
            else if (numSamples >= 64)
                EXPECT_GT (peak, 0.01f) << "channel " << ch << ", block of " << numSamples << (withMidi ? " with MIDI" : "");
        }
    }
}

TEST_P (HostedPluginTest, stateRestoresEveryParameterInAFreshInstance)
{
    // Normalised values exactly representable in binary, away from every default;
    // "Power" is locked, and the host's state must set it all the same.
    const std::map<juce::String, float> changes { { "Power", 0.0f }, { "Cutoff", 0.25f }, { "Resonance", 0.375f },
                                                  { "Drive Mode", 1.0f }, { "Type CV 1 Left", 0.8125f }, { "Out CV 2 Right", 0.125f } };
    auto original = load();
    ASSERT_NE (original, nullptr);
    juce::MemoryBlock untouched, saved, resaved;
    original->getStateInformation (untouched);
    auto originalParameters = parametersByName (*original);
    for (const auto& [name, value] : changes)
    {
        ASSERT_EQ (originalParameters.count (name), 1u) << name;
        originalParameters[name]->setValueNotifyingHost (value);
    }
    render (*original, blockSize, 1.0f);   // changes reach the plug-in with the next block, as in a running host
    original->getStateInformation (saved);
    EXPECT_FALSE (saved == untouched) << "the changed parameters are not in the state";

    auto restored = load();
    ASSERT_NE (restored, nullptr);
    restored->setStateInformation (saved.getData(), (int) saved.getSize());
    render (*restored, blockSize, 1.0f);
    restored->getStateInformation (resaved);
    EXPECT_TRUE (resaved == saved) << "the restored instance saves another state";

    // The host sees every restored value: VST3 reads them back, LV2 is told of them.
    auto restoredParameters = parametersByName (*restored);
    for (const auto& [name, p] : originalParameters)
        EXPECT_NEAR (restoredParameters[name]->getValue(), changes.count (name) > 0 ? changes.at (name) : p->getValue(), 1.0e-6f) << name;
}

TEST_P (HostedPluginTest, opensItsWindowAtTheStoredScale)
{
    if (juce::SystemStats::getEnvironmentVariable ("DISPLAY", {}).isEmpty())
        GTEST_SKIP() << "no display (CTest runs every case on a private one)";

    const auto prefs = juce::File::getSpecialLocation (juce::File::userApplicationDataDirectory).getChildFile ("Quillmere/Vortane/Vortane-Preferences.prf");
    const std::tuple<const char*, int, int> scales[] = { { nullptr, 703, 319 }, { "200", 1406, 638 }, { "50", 351, 159 } };
    for (const auto& [scale, width, height] : scales)
    {
        prefs.deleteFile();
        if (scale != nullptr)
        {
            juce::XmlElement stored ("Vortane-Preferences");
            stored.setAttribute ("scale", scale);
            ASSERT_TRUE (prefs.getParentDirectory().createDirectory() && stored.writeTo (prefs));
        }

        auto plugin = load();
        ASSERT_TRUE (plugin != nullptr && plugin->hasEditor());
        const std::unique_ptr<juce::AudioProcessorEditor> editor (plugin->createEditorIfNeeded());
        ASSERT_NE (editor, nullptr);
        EXPECT_EQ (juce::Point<int> (editor->getWidth(), editor->getHeight()), juce::Point<int> (width, height)) << (scale != nullptr ? scale : "default");
    }
    prefs.deleteFile();
}

INSTANTIATE_TEST_SUITE_P (BuiltFormats, HostedPluginTest, ::testing::Values (Format::vst3, Format::lv2),
                          [] (const auto& testCase) { return testCase.param == Format::vst3 ? "VST3" : "LV2"; });
