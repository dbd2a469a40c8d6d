#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** The product's embedded pictures, logos and icons. */
namespace VortaneResources
{
    /** The control panel's background, 1406 × 638, opaque; drawn at half size. */
    juce::Image getControlPanelPicture();
    /** The settings screen's background, 1406 × 638, with transparency. */
    juce::Image getSettingsScreenPicture();

    /** The maker logo's outline (framework path data) and its raw block. */
    juce::Path getMakerLogoOutline();
    const void* getMakerLogoData() noexcept;
    size_t getMakerLogoSize() noexcept;

    /** The product logo, an SVG document of 221 × 55.9 units. */
    std::unique_ptr<juce::XmlElement> parseProductLogo();
    std::unique_ptr<juce::Drawable> createProductLogo();

    /** The drive-mode button's icon: a flame for hot, a snowflake for cold. */
    juce::Path getDriveModeIcon (bool hot);
    const void* getDriveModeIconData (bool hot) noexcept;
    size_t getDriveModeIconSize (bool hot) noexcept;
}
