#include "support/ProcessorFixture.h"
#include "ui/lnf/InterfaceFont.h"
#include "ui/lnf/QuilLnF.h"

#include <gtest/gtest.h>
#include <set>

namespace
{
    uint16_t be16 (const uint8_t* p) { return (uint16_t) ((p[0] << 8) | p[1]); }
    uint32_t be32 (const uint8_t* p) { return ((uint32_t) be16 (p) << 16) | be16 (p + 2); }

    /** The characters the font file's Unicode character map gives a glyph other than
        the missing-glyph one (cmap format 4: the interface draws no character beyond
        the Basic Multilingual Plane). */
    std::set<juce::juce_wchar> mappedCharacters (const void* data, size_t size)
    {
        std::set<juce::juce_wchar> result;
        const auto* font = static_cast<const uint8_t*> (data);

        if (size < 12)
            return result;

        const int numTables = be16 (font + 4);
        const uint8_t* cmap = nullptr;

        for (int i = 0; i < numTables && 12 + 16 * (size_t) (i + 1) <= size; ++i)
        {
            const auto* record = font + 12 + 16 * i;
            if (std::memcmp (record, "cmap", 4) == 0 && be32 (record + 8) < size)
                cmap = font + be32 (record + 8);
        }

        if (cmap == nullptr)
            return result;

        for (int i = 0; i < be16 (cmap + 2); ++i)
        {
            const auto* sub = cmap + be32 (cmap + 4 + 8 * i + 4);
            const int format = be16 (sub);

            if (format == 4)
            {
                const int segments = be16 (sub + 6) / 2;
                const auto* ends = sub + 14;
                const auto* starts = ends + 2 * segments + 2;
                const auto* deltas = starts + 2 * segments;
                const auto* offsets = deltas + 2 * segments;

                for (int s = 0; s < segments; ++s)
                {
                    const int start = be16 (starts + 2 * s), end = be16 (ends + 2 * s);
                    const int delta = be16 (deltas + 2 * s), offset = be16 (offsets + 2 * s);

                    for (int c = start; c <= end && c != 0xFFFF; ++c)
                    {
                        int glyph = 0;

                        if (offset == 0)
                            glyph = (c + delta) & 0xFFFF;
                        else if (const int g = be16 (offsets + 2 * s + offset + 2 * (c - start)); g != 0)
                            glyph = (g + delta) & 0xFFFF;

                        if (glyph != 0)
                            result.insert ((juce::juce_wchar) c);
                    }
                }
            }
        }

        return result;
    }

    /** Every text the interface shows: fixed texts of the panels, pop-ups and settings
        screen, and the parameters' own names and value texts across their ranges. */
    juce::StringArray interfaceTexts()
    {
        juce::StringArray texts { "IN OUT CUTOFF RES DRIVE TYPE RESONANCE OUTPUT LP BP HP -inf 0.6k 20k kHz Hz",
                                  "SETTINGS CLOSE KNOB MODE GUI SCALE Round Linear 50% 75% 100% 150% 200%",
                                  "Knob rotation mouse movement type", "UI scaling percentage", "CC 0123456789 - -",
                                  juce::String::fromUTF8 ("\xc2\xb7 \xc2\xb7 \xc2\xb7"), "quillmere.example 0123456789khz.",
                                  juce::String ("v1.1.1, ") + __DATE__ + ", " + __TIME__,
                                  "Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec",
                                  "Cold Hot On Off Mono Stereo (linked) Stereo (unlinked)" };

        TestProcessor processor;
        for (auto* p : processor->getParameters())
        {
            texts.add (p->getName (100));
            texts.add (p->getLabel());
            for (int i = 0; i <= 20; ++i)
                texts.add (p->getText ((float) i / 20.0f, 0));
        }

        texts.removeEmptyStrings();
        return texts;
    }

    /** The outline the font gives a character: empty where the subset lacks it. */
    juce::Path outlineOf (const juce::Font& font, juce::juce_wchar c)
    {
        juce::GlyphArrangement glyphs;
        glyphs.addLineOfText (font, juce::String::charToString (c), 0.0f, 0.0f);
        juce::Path outline;
        if (glyphs.getNumGlyphs() == 1)
            glyphs.getGlyph (0).createPath (outline);
        return outline;
    }
}

TEST (EmbeddedFont, everyFontOfTheLookAndFeelIsTheRobotoSubsetAndItDrawsEveryCharacterOfEveryInterfaceText)
{
    QuilLnF lookAndFeel;
    const auto typeface = lookAndFeel.getTypefaceForFont (juce::Font (13.0f));
    ASSERT_NE (typeface, nullptr);
    EXPECT_EQ (typeface->getName(), "Roboto");
    EXPECT_EQ (typeface->getStyle(), "Regular");

    for (const auto& font : { juce::Font (20.0f, juce::Font::bold), juce::Font (9.0f, juce::Font::italic),
                              juce::Font ("Some Other Family", 14.0f, juce::Font::plain) })
        EXPECT_EQ (lookAndFeel.getTypefaceForFont (font), typeface);

    const juce::Font font (typeface);
    ASSERT_TRUE (outlineOf (font, 0x20AC).isEmpty());   // the euro sign is not in the subset

    for (const auto& text : interfaceTexts())
        for (auto c : text)
            EXPECT_TRUE (c == ' ' || ! outlineOf (font, c).isEmpty())
                << "'" << juce::String::charToString (c) << "' in \"" << text << "\"";
}

// The file itself, read without the framework: its character map gives every character
// the interface draws a glyph of its own, and leaves out what it never draws.
TEST (EmbeddedFont, theFilesCharacterMapHoldsEveryCharacterOfEveryInterfaceTextAndNoMore)
{
    const auto mapped = mappedCharacters (InterfaceFont::getData(), InterfaceFont::getSize());
    ASSERT_FALSE (mapped.empty());
    EXPECT_EQ (mapped.count (0x00E9), 0u);   // é
    EXPECT_EQ (mapped.count (0x20AC), 0u);   // €

    const juce::Font font (InterfaceFont::createTypeface());
    for (const auto& text : interfaceTexts())
    {
        juce::GlyphArrangement glyphs;
        glyphs.addLineOfText (font.withHeight (13.0f), text, 0.0f, 0.0f);
        ASSERT_EQ (glyphs.getNumGlyphs(), text.length()) << text;

        for (const auto& glyph : glyphs)
            EXPECT_EQ (mapped.count (glyph.getCharacter()), 1u)
                << "'" << juce::String::charToString (glyph.getCharacter()) << "' in \"" << text << "\"";
    }
}
