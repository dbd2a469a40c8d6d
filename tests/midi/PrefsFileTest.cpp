// The shared preferences file as the processor reads and writes it: its first creation,
// the document a write leaves, and stored files of any content, or a folder in its place.
#include "core/VortaneAudioProcessor.h"
#include "midi/PrefsFile.h"

#include <gtest/gtest.h>

namespace
{
    /** The file's reader alone, counting the documents it hands over. */
    struct Prefs : PrefsFile
    {
        Prefs() : PrefsFile ("Vortane") { loadPrefs(); }
        void prefsLoaded (juce::XmlElement* prefs) override { ++loads; loadedTag = prefs->getTagName(); }
        int loads = 0;
        juce::String loadedTag;
    };

    juce::File prefsPath()
    {
        return juce::File::getSpecialLocation (juce::File::userApplicationDataDirectory)
                   .getChildFile ("Quillmere/Vortane/Vortane-Preferences.prf");
    }

    struct PrefsFileTest : ::testing::Test
    {
        // HOME is a temporary folder for the whole test run.
        void SetUp() override    { ASSERT_TRUE (prefsPath().getFullPathName().startsWith ("/tmp/")); TearDown(); }
        void TearDown() override { prefsPath().getParentDirectory().deleteRecursively(); }

        static void writeFile (const std::string& bytes)
        {
            prefsPath().getParentDirectory().createDirectory();
            prefsPath().replaceWithData (bytes.data(), bytes.size());
        }
    };
}

TEST_F (PrefsFileTest, firstStartCreatesAnEmptyFileButLeavesAFolderInItsPlaceAlone)
{
    EXPECT_TRUE (VortaneAudioProcessor().rotaryKnobs);
    EXPECT_TRUE (prefsPath().existsAsFile());
    EXPECT_EQ (prefsPath().getSize(), 0);

    TearDown();
    const auto inside = prefsPath().getChildFile ("user.txt");
    prefsPath().createDirectory();
    inside.replaceWithText ("mine");
    VortaneAudioProcessor p;
    p.writePrefsAttribute ("scale", 75);
    EXPECT_EQ (inside.loadFileAsString(), "mine");
    EXPECT_EQ (p.getPrefsScale(), 75);
}

TEST_F (PrefsFileTest, aWriteChangesOnlyItsAttributeInWhatTheFileHoldsNow)
{
    VortaneAudioProcessor().writePrefsAttribute ("scale", 150);
    EXPECT_EQ (prefsPath().loadFileAsString(),
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n\r\n<Vortane-Preferences scale=\"150\"/>\r\n");

    writeFile ("<MyOwnPrefs scale=\"100\" rotary=\"0\" extra=\"kept\"/>");
    VortaneAudioProcessor first, second;
    EXPECT_FALSE (first.rotaryKnobs);
    first.writePrefsAttribute ("scale", 75);
    second.writePrefsAttribute ("knobRotation", 0);

    EXPECT_EQ (juce::parseXML (prefsPath())->toString (juce::XmlElement::TextFormat().singleLine().withoutHeader()),
               "<MyOwnPrefs scale=\"75\" rotary=\"0\" extra=\"kept\" knobRotation=\"0\"/>");
    EXPECT_EQ (second.getPrefsScale(), 100);   // each instance reads its own copy in memory
}

// A stored scale is clamped to 50..200; a file that cannot be read safely leaves the
// defaults (rotary knobs) and is replaced by a readable document on the next write.
TEST_F (PrefsFileTest, anyStoredFileGivesAScaleInRangeAndAReadableFileOnWrite)
{
    auto withScale = [] (const std::string& scale) { return "<Vortane-Preferences rotary=\"0\" scale=\"" + scale + "\"/>"; };
    const struct { std::string bytes; int scale; bool readable; } cases[] = {
        { withScale ("30"), 50, true }, { withScale ("250"), 200, true }, { withScale ("99999999999999"), 200, true },
        { withScale ("abc"), 50, true }, { withScale ("1e3"), 50, true }, { withScale (" 120px"), 120, true },
        { "", 100, false }, { "scale=150", 100, false }, { withScale ("\xff"), 100, false },   // empty, no XML, no UTF-8
        { "<!DOCTYPE a [<!ENTITY e SYSTEM \"/etc/passwd\">]><a rotary=\"0\" s=\"&e;\"/>", 100, false },
        { [] { std::string s; for (int i = 0; i < 100000; ++i) s += "<a>"; return s; }(), 100, false },
        { withScale ("150\" pad=\"" + std::string (100000, 'x')), 100, false } };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.bytes.substr (0, 40));
        writeFile (c.bytes);
        VortaneAudioProcessor p;
        EXPECT_EQ (p.rotaryKnobs, ! c.readable);
        EXPECT_EQ (p.getPrefsScale(), c.scale);

        p.writePrefsAttribute ("scale", 200);
        const auto written = juce::parseXML (prefsPath());
        ASSERT_NE (written, nullptr);
        EXPECT_EQ (written->getIntAttribute ("scale"), 200);
    }
}

TEST_F (PrefsFileTest, aReadableDocumentIsHandedOverOnceAndOnlyRotaryCountsAtConstruction)
{
    {
        VortaneAudioProcessor p;   // first start
        EXPECT_EQ (p.getPrefsScale(), 100);
        EXPECT_EQ (p.getPrefsElement().getTagName(), "Vortane-Preferences");
    }
    {
        Prefs prefs;
        EXPECT_EQ (prefs.loads, 0);   // the empty file is no document
        prefs.writePrefsAttribute ("scale", 150);
        EXPECT_EQ (prefs.getPrefsScale(), 150);
    }

    const std::pair<const char*, int> scales[] = { { "150", 150 }, { "75", 75 }, { "-7", 50 }, { "", 50 } };
    for (auto [stored, expected] : scales)
    {
        writeFile (std::string ("<MyOwnPrefs scale=\"") + stored + "\"/>");
        Prefs prefs;
        EXPECT_EQ (prefs.loads, 1);
        EXPECT_EQ (prefs.loadedTag, "MyOwnPrefs");
        EXPECT_EQ (prefs.getPrefsScale(), expected) << stored;
    }

    // "knobRotation" is the main window's business; at construction only "rotary" counts.
    writeFile ("<Vortane-Preferences knobRotation=\"0\"/>");
    VortaneAudioProcessor p;
    EXPECT_TRUE (p.rotaryKnobs);
    EXPECT_FALSE (p.getPrefsBool ("knobRotation", true));

    // A folder in the file's place is no document either.
    TearDown();
    prefsPath().createDirectory();
    prefsPath().getChildFile ("user.txt").replaceWithText ("mine");
    Prefs inFolder;
    EXPECT_EQ (inFolder.loads, 0);
    inFolder.writePrefsAttribute ("scale", 75);
    EXPECT_TRUE (prefsPath().isDirectory());
}
