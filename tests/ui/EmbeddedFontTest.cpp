#include "support/ProcessorFixture.h"
#include "ui/lnf/QuilLnF.h"

#include <gtest/gtest.h>

namespace
{
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
