#include "editor/VortaneResources.h"
#include "VortaneBinaryData.h"

namespace VortaneResources
{
    namespace
    {
        juce::Path loadPath (const void* data, size_t size)
        {
            juce::Path path;
            path.loadPathFromData (data, size);
            return path;
        }
    }

    juce::Image getControlPanelPicture()
    {
        return juce::ImageCache::getFromMemory (VortaneBinaryData::controlPanel_png,
                                                VortaneBinaryData::controlPanel_pngSize);
    }

    juce::Image getSettingsScreenPicture()
    {
        return juce::ImageCache::getFromMemory (VortaneBinaryData::settingsScreen_png,
                                                VortaneBinaryData::settingsScreen_pngSize);
    }

    const void* getMakerLogoData() noexcept { return VortaneBinaryData::makerLogo_path; }
    size_t getMakerLogoSize() noexcept { return (size_t) VortaneBinaryData::makerLogo_pathSize; }

    juce::Path getMakerLogoOutline()
    {
        return loadPath (getMakerLogoData(), getMakerLogoSize());
    }

    std::unique_ptr<juce::XmlElement> parseProductLogo()
    {
        return juce::parseXML (juce::String::fromUTF8 (VortaneBinaryData::productLogo_svg,
                                                       VortaneBinaryData::productLogo_svgSize));
    }

    std::unique_ptr<juce::Drawable> createProductLogo()
    {
        if (auto svg = parseProductLogo())
            return juce::Drawable::createFromSVG (*svg);

        return {};
    }

    const void* getDriveModeIconData (bool hot) noexcept
    {
        return hot ? VortaneBinaryData::driveHot_path : VortaneBinaryData::driveCold_path;
    }

    size_t getDriveModeIconSize (bool hot) noexcept
    {
        return (size_t) (hot ? VortaneBinaryData::driveHot_pathSize : VortaneBinaryData::driveCold_pathSize);
    }

    juce::Path getDriveModeIcon (bool hot)
    {
        return loadPath (getDriveModeIconData (hot), getDriveModeIconSize (hot));
    }
}
