// Thousands of damaged host states and preset texts: none may crash the reader, leave a
// value outside 0..1 or a negative controller entry other than "unmapped", or make the
// controllers it maps reach anything but a parameter; a block the reader refuses
// changes nothing.
#include "support/StateSnapshot.h"
#include "core/SafeXml.h"
#include "core/StateBlock.h"

#include <gtest/gtest.h>
#include <cmath>
#include <cstring>

namespace
{
    void expectSane (VortaneAudioProcessor& p, const char* what, int round)
    {
        for (auto* param : p.getParameters())
        {
            const float v = param->getValue();
            const double real = dynamic_cast<QuilParam&> (*param).getRealValue();
            ASSERT_TRUE (std::isfinite (v) && v >= 0.0f && v <= 1.0f && std::isfinite (real)) << what << " round " << round << ": " << v;
        }

        for (auto& entry : p.ccMap)
            ASSERT_GE (entry.load(), -1) << what << " round " << round;
    }

    /** Every controller at its highest value, through the audio path. */
    void playEveryController (VortaneAudioProcessor& p)
    {
        juce::AudioBuffer<float> buffer (4, 64);
        buffer.clear();
        juce::MidiBuffer midi;
        for (int n = 0; n < MidiCCListener::numControllers; ++n)
            midi.addEvent (juce::MidiMessage::controllerEvent (1, n, 127), 0);
        p.processBlock (buffer, midi);

        for (int ch = 0; ch < buffer.getNumChannels(); ++ch)
            ASSERT_TRUE (std::isfinite (buffer.getMagnitude (ch, 0, buffer.getNumSamples())));
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
        for (int e = 0, edits = 1 + random.nextInt (4); e < edits; ++e)
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
}

TEST (StateFuzz, damagedStatesNeverCrashNorLeaveBadValuesAndRefusedOnesChangeNothing)
{
    VortaneAudioProcessor source, target;
    target.setRateAndBufferSizeDetails (48000.0, 64);
    target.prepareToPlay (48000.0, 64);
    juce::Random random (20240601);
    for (auto* param : source.getParameters())
        param->setValue (random.nextFloat());
    for (int n = 0; n < 40; ++n)
        source.ccMap[random.nextInt (128)] = random.nextInt (44);

    const auto saved = saveState (source);
    const std::string seed (static_cast<const char*> (saved.getData()) + 8, saved.getSize() - 9);
    int accepted = 0;

    for (int round = 0; round < 6000; ++round)
    {
        // A damaged text in a block whose header may lie about it, be cut short or carry
        // garbage after it.
        const auto text = mutateText (round % 2 == 0 ? seed : mutateText (seed, random), random);
        auto block = wrapText (text);
        auto* bytes = static_cast<juce::uint8*> (block.getData());
        switch (random.nextInt (5))
        {
            case 0: bytes[random.nextInt (8)] ^= (juce::uint8) (1 + random.nextInt (255)); break;
            case 1:
            {
                const juce::int32 lengths[] = { 0, -1, 1, (juce::int32) block.getSize(), (juce::int32) block.getSize() - 9,
                                                 std::numeric_limits<juce::int32>::max(), random.nextInt() };
                std::memcpy (bytes + 4, &lengths[random.nextInt ((int) std::size (lengths))], 4);
                break;
            }
            case 2: block.setSize ((size_t) random.nextInt ((int) block.getSize())); break;
            case 3: block.append (seed.data(), (size_t) random.nextInt (64)); break;
            default: break;
        }

        // Through the host's path...
        const auto before = StateSnapshot::of (target);
        loadState (target, block);
        expectSane (target, "block", round);

        const auto xml = StateBlock::read (block.getData(), (int) block.getSize());
        if (xml == nullptr || ! xml->hasTagName ("Quillmere_Preset"))
        {
            ASSERT_TRUE (StateSnapshot::of (target) == before) << "round " << round;
        }

        if (round % 20 == 0)
        {
            playEveryController (target);
            expectSane (target, "controllers", round);
        }

        // ...and as a preset element from a bank.
        if (auto preset = SafeXml::parse (text.data(), text.size()))
        {
            ++accepted;
            target.restoreStateFromXml (preset.get(), random.nextBool());
            expectSane (target, "preset text", round);
        }
    }

    // The mutations must leave enough texts readable to exercise the restore itself.
    EXPECT_GT (accepted, 600);
}
