// The built VST3 and LV2 binaries, loaded through the framework's own hosting as a host
// would load them.
#include "HostedWindow.h"

#include <juce_audio_processors/juce_audio_processors.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <map>
#include <vector>

enum class Format { vst3, lv2 };

void PrintTo (Format format, std::ostream* os) { *os << (format == Format::vst3 ? "VST3" : "LV2"); }

namespace
{
    constexpr double sampleRate = 48000.0;
    constexpr int blockSize = 512;

    Format formatOf (Format f) { return f; }
    template <typename Row>
    Format formatOf (const std::tuple<Format, Row>& p) { return std::get<0> (p); }

    /** A host of the built plug-in of the parameter's format (the first, in a tuple). */
    template <typename Param>
    class Hosting : public ::testing::TestWithParam<Param>
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
            const bool vst3 = formatOf (Hosting::GetParam()) == Format::vst3;
            formats->getFormat (vst3 ? 0 : 1)->findAllTypesForFile (found, vst3 ? VORTANE_VST3_BUNDLE : VORTANE_LV2_URI);
            return found.size() == 1 ? *found[0] : juce::PluginDescription();
        }

        /** A new instance as the format creates it: buses as the plug-in offers them, not prepared. */
        static std::unique_ptr<juce::AudioPluginInstance> create()
        {
            juce::String error;
            auto plugin = formats->createPluginInstance (describe(), sampleRate, blockSize, error);
            EXPECT_NE (plugin, nullptr) << error;
            return plugin;
        }

        /** A new instance with all buses on, prepared. */
        static std::unique_ptr<juce::AudioPluginInstance> load()
        {
            auto plugin = create();
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

    using HostedPluginTest = Hosting<Format>;
}

TEST_P (HostedPluginTest, loadsAsTheMakersEffectWithItsBusesAndTheFortyFourParameters)
{
    const auto description = describe();
    EXPECT_EQ (description.name + "/" + description.manufacturerName, "Vortane/Quillmere");
    EXPECT_EQ (description.pluginFormatName, GetParam() == Format::vst3 ? "VST3" : "LV2");
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
    // After the bypass only the wrapper's controller stand-ins, which no host automates.
    for (int i = 45; i < parameters.size(); ++i)
        EXPECT_TRUE (parameters[i]->getName (1024).startsWith ("MIDI CC ") && ! parameters[i]->isAutomatable()) << parameters[i]->getName (1024);
}

TEST_P (HostedPluginTest, theHostCanSwitchOnTheSideChainAsAStereoPair)
{
    auto plugin = create();
    ASSERT_NE (plugin, nullptr);
    ASSERT_EQ (plugin->getBusCount (true), 2);
    EXPECT_TRUE (plugin->getBus (true, 1)->enable (true));
    plugin->enableAllBuses();
    EXPECT_TRUE (plugin->getBus (true, 1)->isEnabled());
    EXPECT_EQ (plugin->getChannelCountOfBus (true, 1), 2);
}

TEST_P (HostedPluginTest, rendersFiniteAudioInEveryBlockSizeSilenceForSilenceAndTakesMidi)
{
    auto plugin = load();
    ASSERT_NE (plugin, nullptr);

    // MIDI block n: a note and a mod wheel value of its own, and the same other events.
    const auto midiFor = [] (int n)
    {
        juce::MidiBuffer midi;
        for (const auto& [message, position] : { std::pair (juce::MidiMessage::noteOn (1, 60 + n, (juce::uint8) 100), 3), { juce::MidiMessage::controllerEvent (1, 1, 17 * n), 100 },
                                                  { juce::MidiMessage::pitchWheel (2, 16383), 200 }, { juce::MidiMessage::channelPressureChange (16, 127), 300 },
                                                  { juce::MidiMessage::controllerEvent (1, 120, 0), 400 }, { juce::MidiMessage::noteOff (1, 60 + n), blockSize - 1 } })
            midi.addEvent (message, position);
        return midi;
    };

    // Silence first, then block sizes a host may use, down to one sample, then MIDI
    // events inside blocks.
    struct Block { int numSamples; float level; bool withMidi; };
    std::vector<Block> blocks (20, { blockSize, 0.0f, false });
    for (int numSamples : { 512, 256, 37, 1, 500, 64, 512, 512, 512, 512 })
        blocks.push_back ({ numSamples, 1.0f, false });
    blocks.insert (blocks.end(), 8, { blockSize, 1.0f, true });

    int midiBlocks = 0;
    for (const auto& [numSamples, level, withMidi] : blocks)
    {
        const auto out = render (*plugin, numSamples, level, withMidi ? midiFor (midiBlocks++) : juce::MidiBuffer());
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
        auto* p = originalParameters[name];
        p->beginChangeGesture();
        p->setValueNotifyingHost (value);
        p->endChangeGesture();
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

    // The restored instance plays on.
    const auto out = render (*restored, blockSize, 1.0f);
    for (int ch = 0; ch < restored->getTotalNumOutputChannels(); ++ch)
        EXPECT_TRUE (std::isfinite (out.getRMSLevel (ch, 0, blockSize)) && std::isfinite (out.getMagnitude (ch, 0, blockSize))) << "channel " << ch;
}

namespace
{
    /** Where each format's host keeps the plug-in's own state block in the state it saves:
        VST3 as the text of the "IComponent" element, LV2 as the "StateString" literal,
        both in the framework's base-64 form. */
    juce::MemoryBlock pluginBlockOf (Format format, const juce::MemoryBlock& hostState)
    {
        juce::MemoryBlock block;
        if (format == Format::vst3)
        {
            if (auto xml = juce::AudioProcessor::getXmlFromBinary (hostState.getData(), (int) hostState.getSize()))
                if (auto* component = xml->getChildByName ("IComponent"))
                    block.fromBase64Encoding (component->getAllSubText());
        }
        else
        {
            const auto text = hostState.toString().fromFirstOccurrenceOf ("StateString>", false, false);
            block.fromBase64Encoding (text.fromFirstOccurrenceOf ("\"", false, false).upToFirstOccurrenceOf ("\"", false, false));
        }
        return block;
    }

    juce::MemoryBlock withPluginBlock (Format format, const juce::MemoryBlock& hostState, const juce::MemoryBlock& block)
    {
        juce::MemoryBlock result;
        if (format == Format::vst3)
        {
            if (auto xml = juce::AudioProcessor::getXmlFromBinary (hostState.getData(), (int) hostState.getSize()))
                if (auto* component = xml->getChildByName ("IComponent"))
                {
                    component->deleteAllTextElements();
                    component->addTextElement (block.toBase64Encoding());
                    juce::AudioProcessor::copyXmlToBinary (*xml, result);
                }
        }
        else
        {
            const auto text = hostState.toString();
            const auto start = text.indexOf (text.indexOf ("StateString>"), "\"") + 1;
            const auto end = text.indexOf (start, "\"");
            const auto replaced = text.replaceSection (start, end - start, block.toBase64Encoding());
            result.replaceAll (replaced.toRawUTF8(), replaced.getNumBytesAsUTF8());
        }
        return result;
    }

    /** Gives the plug-in the host's state with the plug-in's own block made of its
        magic, a stored length and the text with its zero. */
    void restoreWithOwnBlock (Format format, juce::AudioPluginInstance& plugin, const std::string& text, int storedLength)
    {
        juce::MemoryBlock block;
        juce::MemoryOutputStream out (block, false);
        out.write ("VC2!", 4);
        out.writeInt (storedLength);
        out.write (text.data(), text.size() + 1);
        out.flush();

        juce::MemoryBlock hostState;
        plugin.getStateInformation (hostState);
        const auto crafted = withPluginBlock (format, hostState, block);
        plugin.setStateInformation (crafted.getData(), (int) crafted.getSize());
    }

    /** The plug-in's own state text, and the values in its parameter list by name (the
        plug-in's own reading: a VST3 host only learns the changes made in its blocks
        when an edit controller passes them on). */
    struct SavedState
    {
        SavedState (Format format, juce::AudioPluginInstance& plugin)
        {
            juce::MemoryBlock hostState;
            plugin.getStateInformation (hostState);
            const auto block = pluginBlockOf (format, hostState);
            if (block.getSize() > 8)
            {
                const auto* start = static_cast<const char*> (block.getData()) + 8;
                text = juce::String::fromUTF8 (start, (int) strnlen (start, block.getSize() - 8));
            }

            if (const auto xml = juce::parseXML (text))
            {
                name = xml->getStringAttribute ("name");
                for (const auto& item : juce::StringArray::fromTokens (xml->getStringAttribute ("Parameters"), ",", {}))
                    if (item.isNotEmpty())
                        values[item.upToLastOccurrenceOf (":", false, false).trim()] = item.fromLastOccurrenceOf (":", false, false).getFloatValue();
            }
        }

        juce::String text, name;
        std::map<juce::String, float> values;   // "Power" is ".Power Btn" here
    };

    /** The user's bank file, under the test's HOME, holding one bank "Live" of the given
        presets for as long as this lives. */
    struct UserBank
    {
        explicit UserBank (const juce::String& presets)
            : written (file.getParentDirectory().createDirectory()
                       && file.replaceWithText ("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Banks IsBankCollection=\"true\" version=\"65793\">\n"
                                                "<Quillmere_Bank bank=\"Live\" device=\"Vortane\">" + presets + "</Quillmere_Bank>\n</Banks>\n"))
        {
        }
        ~UserBank() { file.deleteFile(); }

        const juce::File file = juce::File::getSpecialLocation (juce::File::userApplicationDataDirectory).getChildFile ("Quillmere/Vortane/VortanePresets.kqb");
        const bool written;
    };

    juce::MidiBuffer controllers (std::initializer_list<std::pair<int, int>> numbersAndValues)
    {
        juce::MidiBuffer midi;
        for (auto [number, value] : numbersAndValues)
            midi.addEvent (juce::MidiMessage::controllerEvent (1, number, value), 0);
        return midi;
    }
}

TEST_P (HostedPluginTest, aStateBlockLongerThanItsTextRestoresAndKeepsAControllerEntryThatNamesNoParameter)
{
    auto plugin = load();
    ASSERT_NE (plugin, nullptr);
    juce::MemoryBlock hostState;
    plugin->getStateInformation (hostState);
    ASSERT_GT (pluginBlockOf (GetParam(), hostState).getSize(), 8u) << "the plug-in's block is not where this host keeps it";

    // The stored length counts 100 bytes more than the text and its zero.
    const std::string text = "<Quillmere_Preset name=\"Long\" Parameters=\"Cutoff:0.25,\" CC7=\"99\"/>";
    restoreWithOwnBlock (GetParam(), *plugin, text, (int) text.size() + 100);
    render (*plugin, blockSize, 1.0f);
    EXPECT_NEAR (parametersByName (*plugin)["Cutoff"]->getValue(), 0.25f, 1.0e-6f);

    // The controller entry that names no parameter is saved again as it came.
    const SavedState saved (GetParam(), *plugin);
    EXPECT_TRUE (saved.name == "Long" && saved.text.contains ("CC7=\"99\"")) << saved.text;
}

// Controller entries from the host's state keep their leading integers, and one that
// names no parameter moves nothing; two preset requests 10 ms apart both apply. The
// framework's LV2 host builds a second instance when it prepares, before it drops the
// first: the one it keeps must load the bank list all the same.
TEST_P (HostedPluginTest, controllerEntriesFromStateAndPresetRequestsActAsTheyRead)
{
    const UserBank bank ("<Quillmere_Preset name=\"A\" bank=\"Live\" uuid=\"a\" Parameters=\"In:0.2,Type:0.4,\"/>"
                         "<Quillmere_Preset name=\"B\" bank=\"Live\" uuid=\"b\"/>"
                         "<Quillmere_Preset name=\"C\" bank=\"Live\" uuid=\"c\" Parameters=\"In:0.6,\"/>");
    ASSERT_TRUE (bank.written);
    auto plugin = load();
    ASSERT_NE (plugin, nullptr);
    const auto saved = [&] { return SavedState (GetParam(), *plugin); };

    // Controller 7 on Resonance (3), 8 on Power (0), 9 on no parameter.
    const std::string text = "<Quillmere_Preset name=\"Mapped\" CC9=\"99\" CC8=\"abc\" CC7=\"3x\"/>";
    restoreWithOwnBlock (GetParam(), *plugin, text, (int) text.size() + 1);
    render (*plugin, blockSize, 1.0f);

    const auto before = saved().values;
    ASSERT_EQ (before.size(), 44u);
    render (*plugin, blockSize, 1.0f, controllers ({ { 9, 127 } }));
    EXPECT_EQ (saved().values, before) << "a controller that names no parameter moved one";

    render (*plugin, blockSize, 1.0f, controllers ({ { 7, 127 }, { 8, 0 } }));
    const auto mapped = saved();
    EXPECT_EQ (mapped.values.at ("Resonance"), 1.0f);
    EXPECT_EQ (mapped.values.at (".Power Btn"), 0.0f);
    EXPECT_TRUE (mapped.text.contains ("CC9=\"99\" CC8=\"0\" CC7=\"3\"")) << mapped.text;

    // Asked until the bank list is in and C applies; then A, and B 10 ms later.
    ASSERT_TRUE (pumpUntil ([&]
    {
        render (*plugin, 64, 1.0f, controllers ({ { 119, 2 } }));
        pumpMessages (100);
        return saved().name == "C";
    })) << "the bank list never came in";
    pumpMessages (200);
    ASSERT_EQ (saved().values.at ("In"), 0.6f);

    render (*plugin, 64, 1.0f, controllers ({ { 119, 0 } }));
    juce::Thread::sleep (10);
    render (*plugin, 64, 1.0f, controllers ({ { 119, 1 } }));
    EXPECT_TRUE (pumpUntil ([&] { return saved().name == "B"; }));
    pumpMessages (200);
    const auto end = saved();
    EXPECT_EQ (end.name, "B");
    EXPECT_EQ (end.values.at ("In"), 0.2f) << "A was not applied before B";
    EXPECT_EQ (end.values.at ("Type"), 0.4f);
}

// The host unlinks In's CV 1 with its left depth at 0.3: the right depth becomes its mirror,
// 0.7, and the host hears of it a moment later; mono and linked leave the right depth
// alone. A preset sets the modes before the depths: its stored right depth wins over the
// mirror, and the mirror's notice tells the host of the stored one (a preset by itself
// tells the host of no value, in either format).
TEST_P (HostedPluginTest, unlinkingMirrorsTheLeftDepthIntoTheRightAndAPresetsOwnRightDepthWins)
{
    const UserBank bank ("<Quillmere_Preset name=\"Unlinked\" bank=\"Live\" uuid=\"u\" Parameters=\"In CV 1 Stereo:1,In CV 1 Left:0.3,In CV 1 Right:0.2,\"/>");
    ASSERT_TRUE (bank.written);
    // The modes the host sets in turn, from mono; none: the preset sets it.
    struct Row { const char* how; std::vector<float> modes; float right; };
    const Row rows[] = { { "linked", { 0.5f }, 0.5f }, { "linked, then mono", { 0.5f, 0.0f }, 0.5f }, { "unlinked", { 1.0f }, 0.7f },
                         { "linked, then unlinked", { 0.5f, 1.0f }, 0.7f }, { "unlinked by a preset", {}, 0.2f } };
    for (const auto& [how, modes, expected] : rows)
    {
        auto plugin = load();
        ASSERT_NE (plugin, nullptr);
        const auto byName = parametersByName (*plugin);
        auto& right = *byName.at ("In CV 1 Right");
        const auto saved = [&] { return SavedState (GetParam(), *plugin); };
        byName.at ("In CV 1 Left")->setValue (0.3f);
        render (*plugin, blockSize, 1.0f);
        render (*plugin, blockSize, 1.0f);

        for (const auto mode : modes)
        {
            byName.at ("In CV 1 Stereo")->setValue (mode);
            render (*plugin, blockSize, 1.0f);
        }
        if (modes.empty())
            ASSERT_TRUE (pumpUntil ([&] { render (*plugin, 64, 1.0f, controllers ({ { 119, 0 } })); pumpMessages (100); return saved().name == "Unlinked"; }))
                << "the bank list never came in";

        // Beyond the notice's 50 ms, then until the host and the plug-in's state agree.
        pumpUntil ([&] { render (*plugin, 64, 1.0f); return false; }, 200);
        const auto agree = [&] { return std::abs (right.getValue() - expected) < 1.0e-6f && std::abs (saved().values.at ("In CV 1 Right") - expected) < 1.0e-6f; };
        EXPECT_TRUE (pumpUntil ([&] { render (*plugin, 64, 1.0f); return agree(); }, 3000))
            << how << ": the host reads " << right.getValue() << ", the state holds " << saved().values.at ("In CV 1 Right") << ", wanted " << expected;
    }
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

namespace
{
    // Places in the plug-in's window at 100 %, in points; the control panel fills it from its corner.
    namespace At
    {
        const juce::Point<int> cutoffKnob { 309, 72 }, cutoffValue { 351, 86 }, inValue { 75, 203 }, background { 560, 60 };
        // The learn pop-up centres on the press that opened it: "Learn" lies 7 points above.
        const juce::Point<int> learnButton = cutoffKnob - juce::Point<int> (0, 7), learnField = cutoffKnob + juce::Point<int> (0, 17);
        // The cutoff modulation pop-up (110 × 225) lies at (213, 94), left of its button.
        const juce::Point<int> cutoffModulation { 351, 169 }, cv1Column { 245, 202 };
        // Legend entries: the cutoff's "20k" and "0.6k", IN's "-inf" and its "+12" at the top.
        const juce::Point<int> cutoffLegend20k { 409, 162 }, cutoffLegend06k { 351, 22 }, inLegendMinimum { 50, 185 }, inLegendMaximum { 50, 93 };
        // CV 1's column is 35 points wide at x 228: its right half, and its mode switch below the value texts.
        const juce::Point<int> cv1RightHalf { 254, 202 }, cv1ModeSwitch { 248, 306 };
    }

    // Its slider area is 128 points high for the depth's range of 2 (-1 .. 1).
    const juce::Point<int> depthUpByHalf { 0, -32 }, depthUpByTen { 0, -10 };
    constexpr float tenUp = 10.0f / 128.0f;   // as a normalised value

    enum class Input { learnFromPopup, dragDepthTwice, backgroundClosesPopup, typedCutoff, typedWhileTheHostKeepsTheKeyboard, oneValueEditor, typedController, legendsTakeAnyButton, unlinkedRightHalf };
    const char* const inputNames[] = { "learnFromPopup", "dragDepthTwice", "backgroundClosesPopup", "typedCutoff", "typedWhileTheHostKeepsTheKeyboard", "oneValueEditor", "typedController", "legendsTakeAnyButton", "unlinkedRightHalf" };

    using HostedInputTest = Hosting<std::tuple<Format, Input>>;
}

// Real pointer and keys (XTest) in the hosted plug-in's window at 100 %; what changed is
// read from the host's parameters.
TEST_P (HostedInputTest, popupsAndValueEditorsWorkWithRealInput)
{
    auto plugin = load();
    ASSERT_NE (plugin, nullptr);
    const auto byName = parametersByName (*plugin);
    auto &cutoff = *byName.at ("Cutoff"), &in = *byName.at ("In"), &depth = *byName.at ("Cutoff CV 1 Left");
    HostedWindow window (*plugin);
    ASSERT_TRUE (window.isReady()) << "the plug-in's window never appeared in the host's";
    ASSERT_EQ (window.pluginWindowSize(), juce::Point<int> (703, 319));

    // Changes made in the window reach the host's parameters as blocks run.
    const auto reaches = [&] (juce::AudioProcessorParameter& p, float expected)
    {
        return pumpUntil ([&] { render (*plugin, 64, 0.0f); return std::abs (p.getValue() - expected) < 1.0e-3f; }, 3000);
    };
    const auto stays = [&] (juce::AudioProcessorParameter& p, float expected)
    {
        pumpUntil ([&] { render (*plugin, 64, 0.0f); return false; }, 500);
        return p.getValue() == expected;
    };
    const auto shown = [] (juce::AudioProcessorParameter& p) { return juce::String (p.getValue()) + " (" + p.getCurrentValueAsText() + ")"; };
    const auto sendController = [&] (int number, int value)
    {
        juce::MidiBuffer midi;
        midi.addEvent (juce::MidiMessage::controllerEvent (1, number, value), 0);
        render (*plugin, 64, 0.0f, midi);
    };

    switch (std::get<1> (GetParam()))
    {
        case Input::learnFromPopup:
        {
            window.click (At::cutoffKnob, 3);
            window.click (At::learnButton);
            // The first controller to arrive is learnt; from then on the cutoff follows it.
            for (const int value : { 64, 0, 127 })
            {
                sendController (20, value);
                if (value != 64)
                    EXPECT_TRUE (reaches (cutoff, (float) value / 127.0f)) << "CC 20 at " << value << ": Cutoff is " << shown (cutoff)
                                                                          << "; not learnt, so the pop-up closed before its Learn button took the click";
            }
            break;
        }
        case Input::dragDepthTwice:
            window.click (At::cutoffModulation);
            // Two drags from the same place: the second shows the pop-up stayed open after the first.
            for (const float expected : { 0.75f, 1.0f })
            {
                window.drag (At::cv1Column, depthUpByHalf);
                EXPECT_TRUE (reaches (depth, expected)) << "depth " << shown (depth) << ", wanted " << expected
                                                        << (expected < 1.0f ? ": the pop-up closed at the press" : ": the pop-up closed after the first drag");
            }
            break;
        case Input::backgroundClosesPopup:
            window.click (At::cutoffModulation);
            window.drag (At::cv1Column, depthUpByHalf);
            ASSERT_TRUE (reaches (depth, 0.75f)) << "the pop-up took no drag: depth " << shown (depth);
            window.click (At::background);
            window.drag (At::cv1Column, depthUpByHalf);
            EXPECT_TRUE (stays (depth, 0.75f)) << "depth " << shown (depth) << ": the pop-up stayed open after the press on the background";
            break;
        case Input::typedCutoff:
        case Input::typedWhileTheHostKeepsTheKeyboard:
            window.doubleClick (At::cutoffValue);
            if (std::get<1> (GetParam()) == Input::typedWhileTheHostKeepsTheKeyboard)
                window.hostTakesKeyboard();
            window.typeAndReturn ("2k");
            // The cutoff law: 640 Hz at the centre, 0.1 of the range per octave.
            EXPECT_TRUE (reaches (cutoff, (float) (0.5 + std::log2 (2000.0 / 640.0) / 10.0))) << "Cutoff is " << shown (cutoff)
                                                                                              << ": the typed keys never reached the value editor";
            break;
        case Input::oneValueEditor:
        {
            const auto cutoffBefore = cutoff.getValue();
            window.doubleClick (At::cutoffValue);
            window.doubleClick (At::inValue);
            // IN's level law, level = 4 v² / (27/7 - 20/7 v²), at +12 dB; as a cutoff, 12 Hz would be its bottom.
            window.typeAndReturn ("12");
            const auto level = std::pow (10.0, 12.0 / 20.0);
            EXPECT_TRUE (reaches (in, (float) std::sqrt (27.0 / 7.0 * level / (4.0 + 20.0 / 7.0 * level))))
                << "IN is " << shown (in) << ": the keys missed IN's value editor";
            EXPECT_TRUE (stays (cutoff, cutoffBefore)) << "Cutoff changed to " << shown (cutoff) << ": the keys went to its value editor";
            // A click on the cutoff's text would put the caret in its editor, were that still
            // open, and the keys would replace its text; with none open they change nothing.
            window.click (At::cutoffValue);
            window.typeAndReturn (juce::String::repeatedString ("\b\x7f", 10) + "5");
            EXPECT_TRUE (stays (cutoff, cutoffBefore)) << "Cutoff changed to " << shown (cutoff) << ": its value editor stayed open beside IN's";
            break;
        }
        case Input::typedController:
        {
            // One plain click into the learn field, then the number, as a user types it:
            // first over the idle "- -", then over the "CC 118" it then shows. Last, after
            // "Unmap", a double click into "- -": its second press must not leave a caret
            // there, which would let only the "11" of 117 in.
            window.click (At::cutoffKnob, 3);
            for (const int controller : { 118, 33, 117 })
            {
                if (controller == 117)
                {
                    window.click (At::learnButton);
                    window.doubleClick (At::learnField);
                }
                else
                {
                    window.click (At::learnField);
                }
                window.typeAndReturn (juce::String (controller));
                for (const int value : { 0, 127 })
                {
                    sendController (controller, value);
                    EXPECT_TRUE (reaches (cutoff, (float) value / 127.0f)) << "CC " << controller << " at " << value << ": Cutoff is " << shown (cutoff)
                                                                          << "; the typed number did not replace the field's text";
                }
            }
            // The field's text was replaced: 118 no longer moves the cutoff.
            sendController (118, 64);
            EXPECT_TRUE (stays (cutoff, 1.0f)) << "Cutoff is " << shown (cutoff) << ": CC 118 is still mapped";
            break;
        }
        case Input::legendsTakeAnyButton:
        {
            // A right-click or control-click on a legend entry sets its value as a left
            // click does: the legends offer no MIDI learning.
            struct Press { juce::Point<int> at; bool control; juce::AudioProcessorParameter& p; float expected; };
            const Press presses[] = { { At::cutoffLegend20k, false, cutoff, 1.0f }, { At::cutoffLegend06k, true, cutoff, 0.5f },
                                      { At::inLegendMinimum, false, in, 0.0f }, { At::inLegendMaximum, true, in, 1.0f } };
            for (const auto& press : presses)
            {
                if (press.control)
                    window.controlClick (press.at);
                else
                    window.click (press.at, 3);
                EXPECT_TRUE (reaches (press.p, press.expected)) << (press.control ? "control-click" : "right-click") << " at " << press.at.toString()
                                                                << ": " << press.p.getName (20) << " is " << shown (press.p);
            }
            break;
        }
        case Input::unlinkedRightHalf:
        {
            // The switch links CV 1, where the right half moves the left depth the other
            // way, then unlinks it: the right depth becomes the left one's mirror, so the
            // right half carries on from where it was, and a drag moves it by exactly its step.
            auto &mode = *byName.at ("Cutoff CV 1 Stereo"), &right = *byName.at ("Cutoff CV 1 Right");
            window.click (At::cutoffModulation);
            window.click (At::cv1ModeSwitch);
            ASSERT_TRUE (reaches (mode, 0.5f)) << "the switch did not link: mode " << shown (mode);
            window.drag (At::cv1RightHalf, depthUpByTen);
            ASSERT_TRUE (reaches (depth, 0.5f - tenUp)) << "left depth " << shown (depth);
            window.click (At::cv1ModeSwitch);
            ASSERT_TRUE (reaches (mode, 1.0f)) << "the switch did not unlink: mode " << shown (mode);
            EXPECT_TRUE (reaches (right, 0.5f + tenUp)) << "right depth " << shown (right) << ": not the mirror of the left depth, " << 0.5f + tenUp;
            window.drag (At::cv1RightHalf, depthUpByTen);
            EXPECT_TRUE (reaches (right, 0.5f + 2.0f * tenUp)) << "right depth " << shown (right) << ", wanted " << 0.5f + 2.0f * tenUp;
            EXPECT_TRUE (stays (depth, 0.5f - tenUp)) << "left depth " << shown (depth) << ": the unlinked right half moved it";
            break;
        }
    }
}

INSTANTIATE_TEST_SUITE_P (BuiltFormats, HostedInputTest,
                          ::testing::Combine (::testing::Values (Format::vst3, Format::lv2),
                                              ::testing::Values (Input::learnFromPopup, Input::dragDepthTwice, Input::backgroundClosesPopup,
                                                                 Input::typedCutoff, Input::typedWhileTheHostKeepsTheKeyboard, Input::oneValueEditor,
                                                                 Input::typedController, Input::legendsTakeAnyButton, Input::unlinkedRightHalf)),
                          [] (const auto& testCase)
                          {
                              return std::string (std::get<0> (testCase.param) == Format::vst3 ? "VST3_" : "LV2_")
                                     + inputNames[(int) std::get<1> (testCase.param)];
                          });

INSTANTIATE_TEST_SUITE_P (BuiltFormats, HostedPluginTest, ::testing::Values (Format::vst3, Format::lv2),
                          [] (const auto& testCase) { return testCase.param == Format::vst3 ? "VST3" : "LV2"; });
