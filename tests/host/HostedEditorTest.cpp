#include "BuiltPlugin.h"

#include <gtest/gtest.h>

namespace
{
    struct EditorCase { BuiltPlugin::Format format; const char* storedScale; int width, height; };

    void PrintTo (const EditorCase& c, std::ostream* os)
    {
        *os << BuiltPlugin::nameOf (c.format) << " at " << (c.storedScale != nullptr ? c.storedScale : "default");
    }

    juce::File preferencesFile()
    {
        return juce::File::getSpecialLocation (juce::File::userApplicationDataDirectory)
                   .getChildFile ("Quillmere/Vortane/Vortane-Preferences.prf");
    }

    /** Opening a plug-in's window needs a display (CTest runs every case on a private
        one); run by hand without one, these cases are skipped. */
    class HostedEditorTest : public ::testing::TestWithParam<EditorCase>
    {
    protected:
        static void SetUpTestSuite()    { BuiltPlugin::setUp(); }
        static void TearDownTestSuite() { BuiltPlugin::tearDown(); }

        void SetUp() override
        {
            if (juce::SystemStats::getEnvironmentVariable ("DISPLAY", {}).isEmpty())
                GTEST_SKIP() << "no display";
        }

        void TearDown() override { preferencesFile().deleteFile(); }
    };
}

TEST_P (HostedEditorTest, theHostedPluginOpensItsWindowAtTheStoredScale)
{
    const auto c = GetParam();
    preferencesFile().deleteFile();
    if (c.storedScale != nullptr)
    {
        juce::XmlElement prefs ("Vortane-Preferences");
        prefs.setAttribute ("scale", c.storedScale);
        preferencesFile().getParentDirectory().createDirectory();
        ASSERT_TRUE (prefs.writeTo (preferencesFile()));
    }

    juce::String error;
    auto plugin = BuiltPlugin::load (c.format, 48000.0, 512, error);
    ASSERT_NE (plugin, nullptr) << error;
    ASSERT_TRUE (plugin->hasEditor());

    std::unique_ptr<juce::AudioProcessorEditor> editor (plugin->createEditorIfNeeded());
    ASSERT_NE (editor, nullptr);
    EXPECT_EQ (editor->getWidth(), c.width);
    EXPECT_EQ (editor->getHeight(), c.height);

    editor.reset();
    plugin.reset();
}

INSTANTIATE_TEST_SUITE_P (Formats, HostedEditorTest, ::testing::Values (
    EditorCase { BuiltPlugin::Format::vst3, nullptr, 703, 319 },
    EditorCase { BuiltPlugin::Format::vst3, "200", 1406, 638 },
    EditorCase { BuiltPlugin::Format::lv2, nullptr, 703, 319 },
    EditorCase { BuiltPlugin::Format::lv2, "50", 351, 159 }));
