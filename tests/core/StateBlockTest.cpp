// The host's state block: the framework's binary XML form ("VC2!", a little-endian length,
// the text, a zero) around the preset element, written exactly, read back whole, and
// refused unchanged when it is anything else.
#include "support/ProcessorFixture.h"
#include "support/StateSnapshot.h"

#include <gtest/gtest.h>
#include <cstdio>
#include <cstring>
#include <limits>

TEST (StateBlock, hostStateIsTheBinaryXmlBlockAroundTheDocumentedElementAndReadsBackWhole)
{
    VortaneAudioProcessor p;

    juce::XmlElement current ("Quillmere_Preset");
    current.setAttribute ("name", juce::String::fromUTF8 ("Cr\xc3\xa8me & Co"));
    current.setAttribute ("bank", "myPresets");
    current.setAttribute ("uuid", "0f8fad5b-d9cb-469f-a165-70867728950e");
    p.setCurrentPresetInfo (current);

    const auto& params = p.getParameters();
    for (int i = 0; i < params.size(); ++i)
        params[i]->setValue ((float) (i + 1) / 50.0f);

    dynamic_cast<QuilParam&> (*params[2]).setLocked (true);
    p.ccMap[0] = 0;
    p.ccMap[7] = 2;
    p.ccMap[64] = 10;

    // Values as "%g" writes them; "Power" (locked from the start) and "Cutoff" locked.
    std::string values, locks;
    for (int i = 0; i < params.size(); ++i)
    {
        char value[32];
        std::snprintf (value, sizeof (value), "%g", (double) params[i]->getValue());
        const auto id = dynamic_cast<QuilParam&> (*params[i]).paramID.toStdString();
        values += id + ":" + value + ",";
        locks += id + ":" + (i == 0 || i == 2 ? "1" : "0") + ",";
    }

    // Attribute values escape '&' and every character outside printable ASCII.
    const std::string expectedText =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?> <Quillmere_Preset name=\"Cr&#232;me &amp; Co\" bank=\"myPresets\""
        " device=\"Vortane\" version=\"65793\" uuid=\"0f8fad5b-d9cb-469f-a165-70867728950e\""
        " Parameters=\"" + values + "\" Locks=\"" + locks + "\" CC64=\"10\" CC7=\"2\" CC0=\"0\"/>";

    const auto block = saveState (p);
    const auto* bytes = static_cast<const char*> (block.getData());
    ASSERT_EQ (block.getSize(), 8 + expectedText.size() + 1);
    EXPECT_EQ (std::memcmp (bytes, "VC2!", 4), 0);
    EXPECT_EQ (juce::ByteOrder::littleEndianInt (bytes + 4), (juce::uint32) expectedText.size());
    EXPECT_EQ (std::string (bytes + 8, expectedText.size()), expectedText);
    EXPECT_EQ (bytes[block.getSize() - 1], 0);

    // ...and another processor reads every value, lock and controller back.
    VortaneAudioProcessor restored;
    loadState (restored, block);
    EXPECT_TRUE (StateSnapshot::of (restored) == StateSnapshot::of (p));
}

TEST (StateBlock, blocksFromOtherWritersLoadWhateverTheirStoredLengthBeyondTheText)
{
    // Raw UTF-8 instead of references. The text runs for the stored length or to the
    // block's end, whichever is shorter, and ends at its first zero.
    const auto text = "<Quillmere_Preset name=\"Cr\xc3\xa8me\" uuid=\"x\" Parameters=\"Cutoff:0.25,\"/>";
    const std::pair<const char*, juce::int64> lengths[] = {   // beyond the text's own length
        { "counting the zero", 1 }, { "one past the block's end", 2 }, { "100 beyond the text", 100 },
        { "the largest there is", std::numeric_limits<juce::int32>::max() } };

    for (auto [name, extra] : lengths)
    {
        auto block = wrapText (text);
        const auto length = (juce::int32) juce::jmin ((juce::int64) std::numeric_limits<juce::int32>::max(),
                                                      (juce::int64) block.getSize() - 9 + extra);
        std::memcpy (static_cast<char*> (block.getData()) + 4, &length, 4);

        VortaneAudioProcessor p;
        loadState (p, block);
        EXPECT_EQ (p.getCurrentName(), juce::String::fromUTF8 ("Cr\xc3\xa8me")) << name;
        EXPECT_FLOAT_EQ (p.getParameters()[2]->getValue(), 0.25f) << name;
    }
}

//==============================================================================
namespace
{
    struct BadBlock
    {
        const char* name;
        juce::MemoryBlock block;
    };

    /** A valid block with one fault each, of header, length, encoding or markup (the XML
        reader's own cases are in StateReadingTest.cpp). */
    std::vector<BadBlock> badBlocks()
    {
        const std::string good = "<Quillmere_Preset name=\"Changed\" Parameters=\"Cutoff:0.9,\" CC7=\"1\"/>";
        const auto valid = wrapText (good);
        auto patched = [&valid] (size_t offset, const void* bytes, size_t size)
        {
            auto b = valid;
            std::memcpy (static_cast<char*> (b.getData()) + offset, bytes, size);
            return b;
        };
        auto withLength = [&] (juce::int32 length) { return patched (4, &length, 4); };

        std::string deep = "<Quillmere_Preset Parameters=\"Cutoff:0.9,\">", huge = "<Quillmere_Preset Parameters=\"Cutoff:0.9,\" name=\"";
        for (int i = 0; i < 200000; ++i) deep += "<a>";
        for (int i = 0; i < 200000; ++i) deep += "</a>";
        huge.append (5u << 20, 'x');

        return { { "empty", juce::MemoryBlock() }, { "header only", juce::MemoryBlock (valid.getData(), 8) },
                 { "other magic", patched (3, "?", 1) }, { "zero length", withLength (0) }, { "negative length", withLength (-5) },
                 { "truncated text", juce::MemoryBlock (valid.getData(), valid.getSize() - 10) },
                 { "not UTF-8", wrapText ("<Quillmere_Preset name=\"\xc3\x28\" Parameters=\"Cutoff:0.9,\"/>") },
                 { "lead byte at the end", wrapText ("<Quillmere_Preset Parameters=\"Cutoff:0.9,\"/>\xf0") },
                 { "overlong UTF-8", wrapText ("<Quillmere_Preset name=\"\xc0\xaf\" Parameters=\"Cutoff:0.9,\"/>") },
                 { "not XML", wrapText ("Cutoff:0.9,") }, { "unclosed element", wrapText ("<Quillmere_Preset Parameters=\"Cutoff:0.9,\">") },
                 { "unknown entity", wrapText ("<Quillmere_Preset Parameters=\"Cutoff:0.9,&<a>;\"/>") },
                 { "other tag", wrapText ("<Other_Preset Parameters=\"Cutoff:0.9,\"/>") },
                 { "entity from a DTD", wrapText ("<!DOCTYPE a [<!ENTITY x \"Cutoff:0.9,\">]><Quillmere_Preset Parameters=\"&x;\"/>") },
                 { "deeply nested", wrapText (deep + "</Quillmere_Preset>") }, { "huge", wrapText (huge + "\"/>") } };
    }

    class InvalidBlockTest : public ::testing::TestWithParam<int> {};
}

TEST_P (InvalidBlockTest, changesNothingAndTellsNobody)
{
    static const auto cases = badBlocks();
    ASSERT_EQ (cases.size(), 16u);
    const auto& c = cases[(size_t) GetParam()];

    VortaneAudioProcessor p;
    p.getParameters()[2]->setValue (0.3f);
    p.ccMap[7] = 5;
    const auto before = StateSnapshot::of (p);
    const auto nameBefore = p.getCurrentName();

    HostDisplayCounter host (p);
    loadState (p, c.block);

    EXPECT_TRUE (StateSnapshot::of (p) == before) << c.name;
    EXPECT_EQ (host.changes, 0) << c.name;
    EXPECT_EQ (p.getCurrentName(), nameBefore) << c.name;
}

INSTANTIATE_TEST_SUITE_P (Blocks, InvalidBlockTest, ::testing::Range (0, 16));

TEST (StateBlock, randomValuesLocksAndEveryControllerSurviveSaveAndRestore)
{
    juce::Random random (1234);
    VortaneAudioProcessor source;

    for (auto* param : source.getParameters())
    {
        param->setValue (random.nextFloat());
        dynamic_cast<QuilParam&> (*param).setLocked (random.nextBool());
    }

    const int numParams = source.getParameters().size();
    for (int n = 0; n < MidiCCListener::numControllers; ++n)
        source.ccMap[n] = random.nextInt (numParams + 1) - 1;

    const auto expected = StateSnapshot::of (source);

    VortaneAudioProcessor restored;
    loadState (restored, saveState (source));
    const auto actual = StateSnapshot::of (restored);

    EXPECT_EQ (actual.controllers, expected.controllers);
    EXPECT_EQ (actual.locks, expected.locks);
    ASSERT_EQ (actual.values.size(), expected.values.size());
    for (size_t i = 0; i < expected.values.size(); ++i)
        EXPECT_NEAR (actual.values[i], expected.values[i], 5e-6f * expected.values[i] + 2e-7f) << i;
}
