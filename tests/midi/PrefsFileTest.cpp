#include "midi/PrefsFile.h"
#include "core/VortaneAudioProcessor.h"

#include <gtest/gtest.h>

namespace
{
    struct Prefs : PrefsFile
    {
        Prefs() : PrefsFile ("Vortane") { loadPrefs(); }
        void prefsLoaded (juce::XmlElement* prefs) override { ++loads; loadedTag = prefs->getTagName(); }
        int loads = 0;
        juce::String loadedTag;
    };

    juce::File prefsFolder()
    {
        return juce::File::getSpecialLocation (juce::File::userApplicationDataDirectory).getChildFile ("Quillmere/Vortane");
    }

    juce::File prefsPath() { return prefsFolder().getChildFile ("Vortane-Preferences.prf"); }

    struct PrefsFileTest : ::testing::Test
    {
        PrefsFileTest()
        {
            // HOME is a temporary folder for the whole test run.
            EXPECT_TRUE (juce::File::getSpecialLocation (juce::File::userHomeDirectory).getFullPathName().startsWith ("/tmp/"));
            prefsFolder().deleteRecursively();
        }

        ~PrefsFileTest() override { prefsFolder().deleteRecursively(); }

        static void writeFile (const std::string& bytes)
        {
            prefsFolder().createDirectory();
            prefsPath().replaceWithData (bytes.data(), bytes.size());
        }
    };
}

TEST_F (PrefsFileTest, firstStartCreatesAnEmptyFileAndKeepsTheDefaults)
{
    VortaneAudioProcessor p;

    EXPECT_TRUE (prefsPath().existsAsFile());
    EXPECT_EQ (prefsPath().getSize(), 0);
    EXPECT_TRUE (p.rotaryKnobs);
    EXPECT_EQ (p.getPrefsScale(), 100);
    EXPECT_EQ (p.getPrefsElement().getTagName(), "Vortane-Preferences");
}

TEST_F (PrefsFileTest, aWriteProducesTheDocumentWithDeclarationAndCrLfLines)
{
    Prefs prefs;
    prefs.writePrefsAttribute ("scale", 150);

    EXPECT_EQ (prefsPath().loadFileAsString(),
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n\r\n<Vortane-Preferences scale=\"150\"/>\r\n");
    EXPECT_EQ (prefs.getPrefsScale(), 150);
}

TEST_F (PrefsFileTest, theProcessorTakesRotaryFromTheDocument)
{
    writeFile ("<Vortane-Preferences rotary=\"0\" knobRotation=\"1\"/>");
    {
        VortaneAudioProcessor p;
        EXPECT_FALSE (p.rotaryKnobs);
    }

    // "knobRotation" is the main window's business; at construction only "rotary" counts.
    writeFile ("<Vortane-Preferences knobRotation=\"0\"/>");
    VortaneAudioProcessor p;
    EXPECT_TRUE (p.rotaryKnobs);
    EXPECT_FALSE (p.getPrefsBool ("knobRotation", true));
}

TEST_F (PrefsFileTest, scaleIsReadClampedToFiftyToTwoHundred)
{
    const std::pair<const char*, int> cases[] = { { "150", 150 }, { "75", 75 }, { "30", 50 }, { "250", 200 }, { "-7", 50 },
        { "99999999999999", 200 }, { "abc", 50 }, { "", 50 }, { "1e3", 50 }, { " 120px", 120 } };

    for (auto [stored, expected] : cases)
    {
        writeFile (std::string ("<Vortane-Preferences scale=\"") + stored + "\"/>");
        Prefs prefs;
        EXPECT_EQ (prefs.loads, 1);
        EXPECT_EQ (prefs.getPrefsScale(), expected) << stored;
    }
}

TEST_F (PrefsFileTest, instancesChangeOnlyTheirOwnAttribute)
{
    writeFile ("<MyOwnPrefs scale=\"100\" knobRotation=\"1\" extra=\"kept\"/>");
    Prefs first, second;
    EXPECT_EQ (first.loadedTag, "MyOwnPrefs");

    first.writePrefsAttribute ("scale", 75);
    second.writePrefsAttribute ("knobRotation", 0);

    const auto written = juce::parseXML (prefsPath());
    ASSERT_NE (written, nullptr);
    EXPECT_EQ (written->getTagName(), "MyOwnPrefs");
    EXPECT_EQ (written->getIntAttribute ("scale"), 75);
    EXPECT_EQ (written->getIntAttribute ("knobRotation"), 0);
    EXPECT_EQ (written->getStringAttribute ("extra"), "kept");

    // Each instance reads its own copy in memory.
    EXPECT_EQ (second.getPrefsScale(), 100);
}

TEST_F (PrefsFileTest, unreadableFilesLeaveTheDefaultsAndAreReplacedOnWrite)
{
    const std::string files[] = { "", "scale=150", "<Vortane-Preferences scale=\"\xff\"/>",       // empty, not XML, not UTF-8
        "<!DOCTYPE a [<!ENTITY e SYSTEM \"/etc/passwd\">]><a s=\"&e;\"/>",
        [] { std::string s; for (int i = 0; i < 100000; ++i) s += "<a>"; return s; }(),
        "<Vortane-Preferences scale=\"150\" pad=\"" + std::string (100000, 'x') + "\"/>" };

    for (const auto& bytes : files)
    {
        SCOPED_TRACE (bytes.substr (0, 40));
        writeFile (bytes);
        Prefs prefs;
        EXPECT_EQ (prefs.loads, 0);
        EXPECT_EQ (prefs.getPrefsScale(), 100);

        prefs.writePrefsAttribute ("scale", 200);
        const auto written = juce::parseXML (prefsPath());
        ASSERT_NE (written, nullptr);
        EXPECT_EQ (written->getIntAttribute ("scale"), 200);
    }
}

TEST_F (PrefsFileTest, aFolderInPlaceOfTheFileIsLeftAlone)
{
    const auto inside = prefsPath().getChildFile ("user.txt");
    prefsPath().createDirectory();
    inside.replaceWithText ("mine");

    Prefs prefs;
    prefs.writePrefsAttribute ("scale", 75);

    EXPECT_TRUE (prefsPath().isDirectory());
    EXPECT_EQ (inside.loadFileAsString(), "mine");
    EXPECT_EQ (prefs.loads, 0);
    EXPECT_EQ (prefs.getPrefsScale(), 75);
}
