#include "BuiltPlugin.h"

std::unique_ptr<juce::AudioPluginFormatManager> BuiltPlugin::formats;

void BuiltPlugin::setUp()
{
    // The framework's LV2 host reads ~/.lv2 when its format is created.
    const juce::File built (VORTANE_LV2_BUNDLE);
    const auto installed = juce::File::getSpecialLocation (juce::File::userHomeDirectory)
                               .getChildFile (".lv2")
                               .getChildFile (built.getFileName());
    installed.deleteRecursively();
    installed.createDirectory();
    built.copyDirectoryTo (installed);

    formats = std::make_unique<juce::AudioPluginFormatManager>();
    formats->addFormat (new juce::VST3PluginFormat());
    formats->addFormat (new juce::LV2PluginFormat());
}

void BuiltPlugin::tearDown()
{
    formats.reset();
}

juce::String BuiltPlugin::nameOf (Format format)
{
    return format == Format::vst3 ? "VST3" : "LV2";
}

juce::PluginDescription BuiltPlugin::describe (Format format)
{
    const auto identifier = format == Format::vst3 ? juce::String (VORTANE_VST3_BUNDLE)
                                                   : juce::String (VORTANE_LV2_URI);

    for (int i = 0; i < formats->getNumFormats(); ++i)
    {
        auto* candidate = formats->getFormat (i);
        if (candidate->getName() != nameOf (format))
            continue;

        juce::OwnedArray<juce::PluginDescription> found;
        candidate->findAllTypesForFile (found, identifier);

        if (found.size() == 1)
            return *found.getFirst();
    }

    return {};
}

std::unique_ptr<juce::AudioPluginInstance> BuiltPlugin::load (Format format, double sampleRate, int blockSize,
                                                              juce::String& error)
{
    const auto description = describe (format);
    if (description.fileOrIdentifier.isEmpty())
    {
        error = nameOf (format) + " plug-in not found";
        return nullptr;
    }

    return formats->createPluginInstance (description, sampleRate, blockSize, error);
}
