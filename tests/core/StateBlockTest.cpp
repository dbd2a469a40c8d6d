#include "support/ProcessorFixture.h"
#include "support/StateSnapshot.h"
#include "core/StateBlock.h"

#include <gtest/gtest.h>
#include <cstdio>
#include <cstring>

namespace
{
    juce::uint32 readLE32 (const juce::MemoryBlock& b, size_t offset)
    {
        const auto* bytes = static_cast<const unsigned char*> (b.getData()) + offset;
        return (juce::uint32) bytes[0] | ((juce::uint32) bytes[1] << 8) | ((juce::uint32) bytes[2] << 16) | ((juce::uint32) bytes[3] << 24);
    }

    std::string floatText (float v)
    {
        char text[32];
        std::snprintf (text, sizeof (text), "%g", (double) v);
        return text;
    }
}

TEST (StateBlock, hostStateIsTheBinaryXmlBlockAroundTheDocumentedElement)
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

    std::string values, locks;
    for (auto* param : params)
    {
        const auto id = dynamic_cast<QuilParam&> (*param).paramID.toStdString();
        values += id + ":" + floatText (param->getValue()) + ",";
        locks += id + ":" + (dynamic_cast<QuilParam&> (*param).isLocked() ? "1" : "0") + ",";
    }

    // Attribute values escape '&' and every character outside printable ASCII.
    const std::string expectedText =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?> <Quillmere_Preset name=\"Cr&#232;me &amp; Co\" bank=\"myPresets\""
        " device=\"Vortane\" version=\"65793\" uuid=\"0f8fad5b-d9cb-469f-a165-70867728950e\""
        " Parameters=\"" + values + "\" Locks=\"" + locks + "\" CC64=\"10\" CC7=\"2\" CC0=\"0\"/>";

    const auto block = saveState (p);
    ASSERT_EQ (block.getSize(), 8 + expectedText.size() + 1);
    EXPECT_EQ (std::memcmp (block.getData(), "VC2!", 4), 0);
    EXPECT_EQ (readLE32 (block, 4), (juce::uint32) block.getSize() - 9);
    EXPECT_EQ (std::string (static_cast<const char*> (block.getData()) + 8, expectedText.size()), expectedText);
    EXPECT_EQ (static_cast<const char*> (block.getData())[block.getSize() - 1], 0);

    // Power (locked from the start) and Cutoff are the only locks written as 1.
    EXPECT_NE (locks.find (".Power Btn    :1,"), std::string::npos);
    EXPECT_NE (locks.find ("Cutoff:1,"), std::string::npos);
}

TEST (StateBlock, everyParameterLockAndControllerSurvivesSaveAndRestore)
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

namespace
{
    struct BadBlock
    {
        const char* name;
        juce::MemoryBlock block;
    };

    juce::MemoryBlock withLength (juce::MemoryBlock b, juce::int32 length)
    {
        std::memcpy (static_cast<char*> (b.getData()) + 4, &length, 4);
        return b;
    }

    std::vector<BadBlock> badBlocks()
    {
        const std::string good = "<Quillmere_Preset name=\"Changed\" Parameters=\"Cutoff:0.9,\" CC7=\"1\"/>";
        const auto valid = wrapText (good);

        std::vector<BadBlock> cases;
        cases.push_back ({ "empty", juce::MemoryBlock() });
        cases.push_back ({ "header only", juce::MemoryBlock (valid.getData(), 8) });
        {
            auto b = valid;
            static_cast<char*> (b.getData())[3] = '?';
            cases.push_back ({ "other magic", b });
        }
        cases.push_back ({ "zero length", withLength (valid, 0) });
        cases.push_back ({ "negative length", withLength (valid, -5) });
        cases.push_back ({ "length beyond the block", withLength (valid, (juce::int32) valid.getSize()) });
        cases.push_back ({ "truncated text", withLength (juce::MemoryBlock (valid.getData(), valid.getSize() - 10), (juce::int32) good.size()) });
        cases.push_back ({ "not UTF-8", wrapText ("<Quillmere_Preset name=\"\xc3\x28\" Parameters=\"Cutoff:0.9,\"/>") });
        cases.push_back ({ "overlong UTF-8", wrapText ("<Quillmere_Preset name=\"\xc0\xaf\" Parameters=\"Cutoff:0.9,\"/>") });
        cases.push_back ({ "lead byte at the end", wrapText ("<Quillmere_Preset Parameters=\"Cutoff:0.9,\"/>\xf0") });
        cases.push_back ({ "not XML", wrapText ("Cutoff:0.9,") });
        cases.push_back ({ "unclosed element", wrapText ("<Quillmere_Preset Parameters=\"Cutoff:0.9,\">") });
        cases.push_back ({ "other tag", wrapText ("<Other_Preset Parameters=\"Cutoff:0.9,\"/>") });
        cases.push_back ({ "entity from a DTD", wrapText ("<!DOCTYPE a [<!ENTITY x \"Cutoff:0.9,\">]><Quillmere_Preset Parameters=\"&x;\"/>") });
        cases.push_back ({ "unknown entity", wrapText ("<Quillmere_Preset Parameters=\"Cutoff:0.9,&<a>;\"/>") });

        std::string deep = "<Quillmere_Preset Parameters=\"Cutoff:0.9,\">";
        for (int i = 0; i < 200000; ++i) deep += "<a>";
        for (int i = 0; i < 200000; ++i) deep += "</a>";
        cases.push_back ({ "deeply nested", wrapText (deep + "</Quillmere_Preset>") });

        std::string huge = "<Quillmere_Preset Parameters=\"Cutoff:0.9,\" name=\"";
        huge.append (5u << 20, 'x');
        cases.push_back ({ "huge", wrapText (huge + "\"/>") });
        return cases;
    }

    class InvalidBlockTest : public ::testing::TestWithParam<int> {};
}

TEST_P (InvalidBlockTest, changesNothingAndTellsNobody)
{
    static const auto cases = badBlocks();
    ASSERT_EQ (cases.size(), 17u);
    const auto& c = cases[(size_t) GetParam()];

    VortaneAudioProcessor p;
    p.getParameters()[2]->setValue (0.3f);
    p.ccMap[7] = 5;
    const auto before = StateSnapshot::of (p);
    const auto nameBefore = p.getCurrentName();

    HostDisplayCounter host (p);
    p.setStateInformation (c.block.getData(), (int) c.block.getSize());

    EXPECT_TRUE (StateSnapshot::of (p) == before) << c.name;
    EXPECT_EQ (host.changes, 0) << c.name;
    EXPECT_EQ (p.getCurrentName(), nameBefore) << c.name;
}

INSTANTIATE_TEST_SUITE_P (Blocks, InvalidBlockTest, ::testing::Range (0, 17));

TEST (StateBlock, blocksFromOtherWritersLoad)
{
    // Raw UTF-8 instead of references, and a length field that counts the terminating zero.
    auto block = wrapText ("<Quillmere_Preset name=\"Cr\xc3\xa8me\" uuid=\"x\" Parameters=\"Cutoff:0.25,\"/>");
    block = withLength (block, (juce::int32) block.getSize() - 8);

    VortaneAudioProcessor p;
    loadState (p, block);
    EXPECT_EQ (p.getCurrentName(), juce::String::fromUTF8 ("Cr\xc3\xa8me"));
    EXPECT_FLOAT_EQ (p.getParameters()[2]->getValue(), 0.25f);
}
