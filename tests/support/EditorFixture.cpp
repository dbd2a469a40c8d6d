#include "support/EditorFixture.h"

#include <atomic>
#include <memory>

namespace PrefsOnDisk
{
    juce::File file()
    {
        return juce::File::getSpecialLocation (juce::File::userApplicationDataDirectory)
                   .getChildFile ("Quillmere/Vortane/Vortane-Preferences.prf");
    }

    void write (std::initializer_list<std::pair<const char*, const char*>> attributes)
    {
        juce::XmlElement prefs ("Vortane-Preferences");
        for (const auto& [name, value] : attributes)
            prefs.setAttribute (name, value);

        file().getParentDirectory().createDirectory();
        prefs.writeTo (file());
    }

    void remove()
    {
        file().deleteFile();
    }

    std::unique_ptr<juce::XmlElement> read()
    {
        return file().existsAsFile() ? juce::parseXML (file()) : nullptr;
    }
}

bool pumpPosted()
{
    auto handled = std::make_shared<std::atomic<bool>> (false);
    juce::MessageManager::callAsync ([handled] { *handled = true; });
    return pumpUntil ([handled] { return handled->load(); });
}

bool writeTestPng (const juce::Image& image, const juce::String& fileName)
{
    const juce::File folder (VORTANE_TEST_OUTPUT_DIR);
    folder.createDirectory();
    const auto file = folder.getChildFile (fileName);
    file.deleteFile();

    juce::FileOutputStream out (file);
    return out.openedOk() && juce::PNGImageFormat().writeImageToStream (image, out);
}
