#pragma once

#include <juce_audio_processors/juce_audio_processors.h>

#include <memory>

/** The built plug-in binaries, loaded through the framework's own hosting as a
    host would load them. The LV2 bundle is installed into ~/.lv2 (the test's
    temporary HOME) first, because the framework's LV2 host searches only there
    and in the system folders. */
class BuiltPlugin
{
public:
    enum class Format { vst3, lv2 };

    /** Installs the bundles and creates the format manager; call once, before loading. */
    static void setUp();
    /** Releases the formats; every loaded instance must be gone by then. */
    static void tearDown();

    static juce::String nameOf (Format);

    /** The description the format gives of the built binary (empty when not found). */
    static juce::PluginDescription describe (Format);

    /** A new instance, or null with the reason in error. */
    static std::unique_ptr<juce::AudioPluginInstance> load (Format, double sampleRate, int blockSize,
                                                            juce::String& error);

private:
    static std::unique_ptr<juce::AudioPluginFormatManager> formats;
};
