// Restoring a preset element (from a bank) or a host's state into the processor, and
// what a preset for a bank leaves out.
#include "core/StateBlock.h"
#include "support/ParameterIndex.h"
#include "support/ProcessorFixture.h"
#include "support/StateSnapshot.h"

#include <gtest/gtest.h>
#include <atomic>
#include <cmath>
#include <thread>

namespace
{
    struct LockCounter : QuilParam::Listener
    {
        void parameterLockChanged (QuilParam*) override { ++calls; }
        int calls = 0;
    };

    std::unique_ptr<juce::XmlElement> presetWith (const juce::String& parameters)
    {
        auto xml = std::make_unique<juce::XmlElement> ("Quillmere_Preset");
        xml->setAttribute ("name", "Loaded");
        xml->setAttribute ("bank", "Factory");
        xml->setAttribute ("uuid", "6f1c8a9e-0000-4000-8000-000000000001");
        if (parameters.isNotEmpty())
            xml->setAttribute ("Parameters", parameters);
        return xml;
    }

    class RestorePathTest : public ::testing::TestWithParam<bool> {};
}

TEST_P (RestorePathTest, missingParametersTakeTheirDefaultsBadOnesAreSafeAndEmptyListsChangeNothing)
{
    const bool hostState = GetParam();
    VortaneAudioProcessor p;
    quilParam (p, power).setLocked (false);

    for (auto* prm : p.getParameters())
        prm->setValue (0.1f);
    const auto before = StateSnapshot::of (p);
    HostDisplayCounter host (p);

    juce::XmlElement other ("Other_Preset");
    other.setAttribute ("Parameters", "Cutoff:0.9,");
    const auto noList = presetWith ({}), noItems = presetWith ("no items here");
    for (auto* xml : { &other, (juce::XmlElement*) nullptr, noList.get(), noItems.get() })
    {
        p.restoreStateFromXml (xml, hostState);
        EXPECT_TRUE (StateSnapshot::of (p) == before) << (xml != nullptr ? xml->toString() : "null");
        if (xml == nullptr)
        {
            EXPECT_EQ (host.changes, 0);   // other tags are ignored
        }
    }

    host.changes = 0;
    p.restoreStateFromXml (presetWith ("Cutoff:0.25,Unknown:0.5,Cutoff:0.75,Resonance:0.5").get(), hostState);
    EXPECT_EQ (host.changes, 1);                                  // the host hears of it once
    EXPECT_FLOAT_EQ (quilParam (p, cutoff).getValue(), 0.25f);   // the first item counts
    EXPECT_FLOAT_EQ (quilParam (p, resonance).getValue(), 0.5f);  // last item without comma
    for (int i : { power, in })
        EXPECT_FLOAT_EQ (quilParam (p, i).getValue(), quilParam (p, i).getDefaultValue()) << i;
    EXPECT_EQ (juce::StringArray (p.getCurrentName(), p.getCurrentBank(), p.getCurrentUuid()),
               juce::StringArray ("Loaded", "Factory", "6f1c8a9e-0000-4000-8000-000000000001"));

    // Values that are no number become defaults; numbers outside 0..1 are clamped.
    p.restoreStateFromXml (presetWith ("In:nan,Cutoff:1e999,Type:7,Drive:-0.5,").get(), hostState);
    EXPECT_EQ (std::vector<float> ({ quilParam (p, in).getValue(), quilParam (p, cutoff).getValue(), quilParam (p, type).getValue(),
                                     quilParam (p, drive).getValue() }),
               std::vector<float> ({ quilParam (p, in).getDefaultValue(), quilParam (p, cutoff).getDefaultValue(), 1.0f, 0.0f }));

    // Minus infinity is no number either; text without a number reads as 0.
    p.restoreStateFromXml (presetWith ("Resonance:0.5,Out:0.5,").get(), hostState);
    p.restoreStateFromXml (presetWith ("Resonance:-inf,Out:junk,").get(), hostState);
    EXPECT_FLOAT_EQ (quilParam (p, resonance).getValue(), quilParam (p, resonance).getDefaultValue());
    EXPECT_FLOAT_EQ (quilParam (p, out).getValue(), 0.0f);
}

TEST_P (RestorePathTest, onlyTheHostPathSetsLockedParametersLocksAndControllersAndClearsUndo)
{
    const bool hostState = GetParam();
    VortaneAudioProcessor p;
    ASSERT_TRUE (quilParam (p, power).isLocked());
    p.ccMap[9] = 4;

    LockCounter lockListener;
    quilParam (p, in).addListener (&lockListener);
    MappingRecorder mappings;
    p.addCCListener (&mappings);
    p.learningIndex = 6;
    gesture (p, drive, 0.9f);

    auto xml = presetWith (".Power Btn    :0,Cutoff:0.4,");
    xml->setAttribute ("Locks", "Cutoff:1,");
    xml->setAttribute ("CC7", "3");
    p.restoreStateFromXml (xml.get(), hostState);

    EXPECT_FLOAT_EQ (quilParam (p, power).getValue(), hostState ? 0.0f : 1.0f);
    EXPECT_TRUE (quilParam (p, power).isLocked());              // not listed: stays as it was
    EXPECT_EQ (quilParam (p, cutoff).isLocked(), hostState);
    EXPECT_EQ (lockListener.calls, hostState ? 1 : 0);           // told although unchanged
    EXPECT_EQ (p.ccMap[7].load(), hostState ? 3 : -1);
    EXPECT_EQ (p.ccMap[9].load(), hostState ? -1 : 4);
    EXPECT_EQ (p.learningIndex.load(), 6);
    EXPECT_EQ (mappings.indices, hostState ? std::vector<int> { 6 } : std::vector<int> {});

    // Only a host restore clears the undo history; a preset load adds no step of its own.
    EXPECT_EQ (p.undoManager.canUndo(), ! hostState);
    if (! hostState)
    {
        p.undoManager.undo();
        EXPECT_FLOAT_EQ (quilParam (p, drive).getValue(), quilParam (p, drive).getDefaultValue());
        EXPECT_FALSE (p.undoManager.canUndo());
    }

    for (const char* unlocked : { "Cutoff:0,", "Cutoff:-1,", "Cutoff:yes," })
    {
        xml->setAttribute ("Locks", unlocked);
        p.restoreStateFromXml (xml.get(), hostState);
        EXPECT_FALSE (quilParam (p, cutoff).isLocked()) << unlocked;
    }

    p.removeCCListener (&mappings);
    quilParam (p, in).removeListener (&lockListener);
}

INSTANTIATE_TEST_SUITE_P (Paths, RestorePathTest, ::testing::Values (false, true),
                          [] (const auto& testInfo) { return testInfo.param ? "hostState" : "bankPreset"; });

TEST (ProcessorState, aPresetForABankCarriesAFreshIdTheSameValuesAndNoLocksNorControllers)
{
    VortaneAudioProcessor p;
    p.restoreStateFromXml (presetWith ("Cutoff:0.4,").get(), false);
    p.ccMap[5] = 1;

    const auto host = p.createStateXml (true), preset = p.createStateXml (false);
    EXPECT_EQ (host->getStringAttribute ("uuid"), "6f1c8a9e-0000-4000-8000-000000000001");   // the host keeps the current one
    EXPECT_EQ (host->getStringAttribute ("CC5"), "1");
    EXPECT_TRUE (host->hasAttribute ("Locks"));
    const auto uuid = preset->getStringAttribute ("uuid");
    EXPECT_TRUE (uuid.length() == 36 && uuid.containsOnly ("0123456789abcdef-") && uuid != host->getStringAttribute ("uuid")) << uuid;
    EXPECT_FALSE (preset->hasAttribute ("CC5") || preset->hasAttribute ("Locks"));
    EXPECT_EQ (preset->getStringAttribute ("Parameters"), host->getStringAttribute ("Parameters"));
}

namespace
{
    /** A "CC" attribute of the host's state as it is read, written back and played. */
    struct ControllerCase
    {
        const char* text;
        int entry;             // the map entry read
        const char* written;   // the attribute the next save writes, or null for none
    };

    void PrintTo (const ControllerCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

    class HostStateControllerTest : public ::testing::TestWithParam<ControllerCase> {};
}

TEST_P (HostStateControllerTest, keepsTheLeadingIntegerWritesItBackAndMovesOnlyAParameterItNames)
{
    const auto& c = GetParam();
    TestProcessor p;
    for (auto* prm : p->getParameters())
        prm->setValue (0.1f);

    auto xml = presetWith ("Cutoff:0.1,");
    xml->setAttribute ("CC7", c.text);
    xml->setAttribute ("CC128", "1");   // no such controller
    xml->setAttribute ("CC007", "1");   // not the attribute of controller 7
    for (auto& entry : p->ccMap)
        entry = 2;   // every entry is rewritten, missing ones as unmapped

    juce::MemoryBlock block;
    StateBlock::write (*xml, block);
    loadState (*p, block);

    for (int n = 0; n < MidiCCListener::numControllers; ++n)
        ASSERT_EQ (p->ccMap[n].load(), n == 7 ? c.entry : -1) << n;

    // Learning another controller for a parameter leaves the entry alone.
    p->learningIndex = (int) driveMode;
    auto buffer = p.makeBuffer (64);
    juce::MidiBuffer learn;
    learn.addEvent (juce::MidiMessage::controllerEvent (1, 9, 0), 0);
    p->processBlock (buffer, learn);
    EXPECT_EQ (p->ccMap[7].load(), c.entry);

    const auto resaved = saveState (*p);
    const auto saved = StateBlock::read (resaved.getData(), (int) resaved.getSize());
    ASSERT_NE (saved, nullptr);
    EXPECT_EQ (saved->getStringAttribute ("CC7", "none"), c.written != nullptr ? c.written : "none");

    // Controller 7 at 127 moves the parameter the entry names, and nothing when it names none.
    auto expected = StateSnapshot::of (*p);
    if (c.entry >= 0 && c.entry < (int) numParams)
        expected.values[(size_t) c.entry] = 1.0f;
    juce::MidiBuffer midi;
    midi.addEvent (juce::MidiMessage::controllerEvent (1, 7, 127), 0);
    p->processBlock (buffer, midi);
    EXPECT_TRUE (StateSnapshot::of (*p) == expected);
    for (int ch = 0; ch < buffer.getNumChannels(); ++ch)
        EXPECT_TRUE (std::isfinite (buffer.getMagnitude (ch, 0, buffer.getNumSamples())));
}

INSTANTIATE_TEST_SUITE_P (Attributes, HostStateControllerTest, ::testing::Values (
    ControllerCase { "0", 0, "0" }, ControllerCase { "43", 43, "43" }, ControllerCase { " 5 ", 5, "5" },
    ControllerCase { "3x", 3, "3" }, ControllerCase { "12abc", 12, "12" }, ControllerCase { "abc", 0, "0" },
    ControllerCase { "", 0, "0" },                                        // no number reads as 0
    ControllerCase { "44", 44, "44" }, ControllerCase { "99", 99, "99" },  // past the last parameter
    ControllerCase { "99999999999999999999", 2147483647, "2147483647" },
    ControllerCase { "-1", -1, nullptr }, ControllerCase { "-7", -1, nullptr }));   // negative: unmapped

TEST (ProcessorState, savedPresetNameBankAndIdAlwaysBelongTogether)
{
    VortaneAudioProcessor p;
    juce::XmlElement presets[] = { juce::XmlElement ("Quillmere_Preset"), juce::XmlElement ("Quillmere_Preset") };
    for (int i = 0; i < 2; ++i)
        for (auto* attribute : { "name", "bank", "uuid" })
            presets[i].setAttribute (attribute, juce::String (attribute) + "-" + juce::String (i));
    p.setCurrentPresetInfo (presets[0]);

    std::atomic<bool> running { true };
    std::thread loader ([&] { for (int i = 0; running.load(); ++i) p.setCurrentPresetInfo (presets[i & 1]); });

    int mixed = 0;
    for (int i = 0; i < 3000; ++i)
    {
        const auto xml = p.createStateXml (true);
        const auto tag = xml->getStringAttribute ("name").fromFirstOccurrenceOf ("-", false, false);
        if (xml->getStringAttribute ("bank") != "bank-" + tag || xml->getStringAttribute ("uuid") != "uuid-" + tag)
            ++mixed;
    }

    running = false;
    loader.join();
    EXPECT_EQ (mixed, 0);
}
