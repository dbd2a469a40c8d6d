#include "support/StateSnapshot.h"
#include "core/SafeXml.h"
#include "core/StateBlock.h"

#include <gtest/gtest.h>
#include <cmath>
#include <cstring>

namespace
{
    /** Checks what no state may ever produce. */
    void expectSane (VortaneAudioProcessor& p, const char* what, int round)
    {
        for (auto* param : p.getParameters())
        {
            const float v = param->getValue();
            const double real = dynamic_cast<QuilParam&> (*param).getRealValue();
            ASSERT_TRUE (std::isfinite (v) && v >= 0.0f && v <= 1.0f && std::isfinite (real)) << what << " round " << round << ": " << v;
        }

        for (auto& entry : p.ccMap)
            ASSERT_TRUE (entry.load() >= -1 && entry.load() < p.getParameters().size()) << what << " round " << round << ": " << entry.load();
    }

    /** Text fragments that stress the readers: markup, references, numbers. */
    const char* const fragments[] = {
        "<", ">", "/>", "</Quillmere_Preset>", "<a>", "\"", "'", "&", "&amp;", "&#0;", "&#1114112;", "&lt;",
        "<!--", "-->", "<![CDATA[", "]]>", "<?", "?>", "<!DOCTYPE x [<!ENTITY e \"&e;&e;\">]>", "&e;",
        ":", ",", "nan", "inf", "-inf", "1e999", "1e-999", "-1", "2", "99999999999999999999", "0.5",
        "CC7=\"", "CC200=\"3\" ", "Locks=\"", "Cutoff:", " ", "\xc3", "\xff", "\xf0\x9f\x98\x80", "\0"
    };

    std::string mutateText (std::string text, juce::Random& random)
    {
        const int edits = 1 + random.nextInt (4);
        for (int e = 0; e < edits; ++e)
        {
            const auto at = (size_t) random.nextInt ((int) text.size() + 1);
            switch (random.nextInt (4))
            {
                case 0: { const char* f = fragments[random.nextInt ((int) std::size (fragments))];
                          text.insert (at, f, juce::jmax ((size_t) 1, std::strlen (f))); break; }
                case 1: text.erase (at, (size_t) random.nextInt (8)); break;
                case 2: if (at < text.size()) text[at] = (char) random.nextInt (256); break;
                default: text = text.substr (0, at); break;
            }
        }
        return text;
    }

    juce::MemoryBlock mutateBlock (const juce::MemoryBlock& original, juce::Random& random)
    {
        juce::MemoryBlock b (original);
        auto* bytes = static_cast<juce::uint8*> (b.getData());

        switch (random.nextInt (4))
        {
            case 0:   // flip bytes anywhere, header included
                for (int i = 0, n = 1 + random.nextInt (6); i < n; ++i)
                    bytes[random.nextInt ((int) b.getSize())] ^= (juce::uint8) (1 + random.nextInt (255));
                break;
            case 1:   // a length field that lies
            {
                const juce::int32 lengths[] = { 0, -1, 1, (juce::int32) b.getSize(), (juce::int32) b.getSize() - 9,
                                                 std::numeric_limits<juce::int32>::max(), random.nextInt() };
                std::memcpy (bytes + 4, &lengths[random.nextInt ((int) std::size (lengths))], 4);
                break;
            }
            case 2:   // cut short
                b.setSize ((size_t) random.nextInt ((int) b.getSize()));
                break;
            default:  // garbage appended
                for (int i = 0, n = random.nextInt (64); i < n; ++i)
                    b.append (static_cast<const char*> (original.getData()) + random.nextInt ((int) original.getSize()), 1);
                break;
        }
        return b;
    }

    std::string blockText (const juce::MemoryBlock& b)
    {
        return std::string (static_cast<const char*> (b.getData()) + 8, b.getSize() - 9);
    }
}

TEST (StateFuzz, mutatedBlocksNeverCrashNorLeaveBadValuesAndInvalidOnesChangeNothing)
{
    VortaneAudioProcessor source;
    juce::Random random (20240601);
    for (auto* param : source.getParameters())
        param->setValue (random.nextFloat());
    for (int n = 0; n < 40; ++n)
        source.ccMap[random.nextInt (128)] = random.nextInt (44);

    const auto valid = saveState (source);
    VortaneAudioProcessor target;

    for (int round = 0; round < 3000; ++round)
    {
        const auto block = mutateBlock (valid, random);
        const auto before = StateSnapshot::of (target);

        target.setStateInformation (block.getData(), (int) block.getSize());
        expectSane (target, "block", round);

        const auto xml = StateBlock::read (block.getData(), (int) block.getSize());
        if (xml == nullptr || ! xml->hasTagName ("Quillmere_Preset"))
        {
            ASSERT_TRUE (StateSnapshot::of (target) == before) << "round " << round;
        }
    }
}

TEST (StateFuzz, mutatedTextsNeverCrashNorLeaveBadValues)
{
    VortaneAudioProcessor source;
    source.ccMap[7] = 3;
    source.ccMap[100] = 40;
    const auto seed = blockText (saveState (source));

    VortaneAudioProcessor target;
    juce::Random random (777);
    int accepted = 0;

    for (int round = 0; round < 3000; ++round)
    {
        auto text = mutateText (seed, random);
        if (random.nextInt (4) == 0)
            text = mutateText (text, random);

        // Through the host's path...
        const auto block = wrapText (text);
        target.setStateInformation (block.getData(), (int) block.getSize());
        expectSane (target, "host text", round);

        // ...and as a preset element from a bank.
        if (auto xml = SafeXml::parse (text.data(), text.size()))
        {
            ++accepted;
            target.restoreStateFromXml (xml.get(), random.nextBool());
            expectSane (target, "preset text", round);
        }
    }

    // The mutations must leave enough texts readable to exercise the restore itself.
    EXPECT_GT (accepted, 300);
}
