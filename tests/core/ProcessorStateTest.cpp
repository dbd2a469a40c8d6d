// Restoring a preset element (from a bank) or a host's state into the processor, and
// what a preset for a bank leaves out.
#include "support/ParameterIndex.h"
#include "support/StateSnapshot.h"

#include <gtest/gtest.h>
#include <atomic>
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

TEST (ProcessorState, controllerAttributesThatAreNoParameterIndexLeaveTheControllerUnmapped)
{
    VortaneAudioProcessor p;

    auto xml = presetWith ({});
    const std::pair<int, const char*> entries[] = {
        { 1, "0" }, { 2, "43" }, { 3, "44" }, { 4, "-1" }, { 5, "-7" }, { 6, "abc" },
        { 7, "12abc" }, { 8, "" }, { 9, "99999999999999999999" }, { 10, " 5 " }
    };
    for (auto [n, text] : entries)
        xml->setAttribute ("CC" + juce::String (n), text);
    xml->setAttribute ("CC128", "1");
    xml->setAttribute ("CC007", "1");

    for (auto& entry : p.ccMap)
        entry = 2;

    p.restoreStateFromXml (xml.get(), true);

    ASSERT_EQ (p.getParameters().size(), (int) numParams);
    for (int n = 0; n < MidiCCListener::numControllers; ++n)
        EXPECT_EQ (p.ccMap[n].load(), n == 1 ? 0 : n == 2 ? 43 : n == 10 ? 5 : -1) << n;
}

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
