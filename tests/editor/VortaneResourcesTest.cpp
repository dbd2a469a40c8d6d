#include "editor/VortaneResources.h"
#include "support/ImageChecks.h"
#include "VortaneBinaryData.h"

#include <cstring>

// The pictures are checked as the window shows them, in the background's tests.
TEST (VortaneLogos, theProductLogoDrawsInItsTwoColoursAndTheMakersLogoIsAWideOutline)
{
    const auto drawable = VortaneResources::createProductLogo();
    ASSERT_NE (drawable, nullptr);
    const auto image = ImageChecks::draw (884, 224, [&] (juce::Graphics& g) {
        drawable->drawWithin (g, { 0.0f, 0.0f, 884.0f, 224.0f }, juce::RectanglePlacement::centred, 1.0f); });

    for (auto [argb, solidPixels] : { std::pair { 0xFFCBCBCBu, 1000 }, { 0xFFADFF7Du, 200 } })
        EXPECT_GT (ImageChecks::count (image, [argb = argb] (juce::Colour c) { return c.getARGB() == argb; }), solidPixels);

    // The maker's logo fits a 92 × 9 title.
    const auto logo = VortaneResources::getMakerLogoOutline().getBounds();
    EXPECT_GT (logo.getWidth() / logo.getHeight(), 5.0f);
}

namespace
{
    uint32_t be32 (const char* p)
    {
        const auto* b = reinterpret_cast<const uint8_t*> (p);
        return ((uint32_t) b[0] << 24) | ((uint32_t) b[1] << 16) | ((uint32_t) b[2] << 8) | b[3];
    }
}

TEST (VortanePictures, areEightBitPngsOf1406By638TheControlPanelOpaqueTheSettingsScreenSeeThrough)
{
    struct PngCase { const char* data; int size; int colourType; };   // 2: RGB, 6: RGBA

    for (auto c : { PngCase { VortaneBinaryData::controlPanel_png, VortaneBinaryData::controlPanel_pngSize, 2 },
                    PngCase { VortaneBinaryData::settingsScreen_png, VortaneBinaryData::settingsScreen_pngSize, 6 } })
    {
        ASSERT_GT (c.size, 33);
        EXPECT_EQ (std::memcmp (c.data, "\x89PNG\r\n\x1a\n", 8), 0);
        EXPECT_EQ (std::memcmp (c.data + 12, "IHDR", 4), 0);
        EXPECT_EQ (be32 (c.data + 16), 1406u);
        EXPECT_EQ (be32 (c.data + 20), 638u);
        EXPECT_EQ (c.data[24], 8);
        EXPECT_EQ (c.data[25], c.colourType);
    }

    const auto panel = VortaneResources::getControlPanelPicture();
    const auto settings = VortaneResources::getSettingsScreenPicture();
    ASSERT_TRUE (panel.isValid() && settings.isValid());
    EXPECT_FALSE (panel.hasAlphaChannel());
    EXPECT_TRUE (settings.hasAlphaChannel());
    EXPECT_EQ (settings.getBounds(), panel.getBounds());

    const auto centre = settings.getPixelAt (703, 319);
    EXPECT_GT (centre.getAlpha(), 0);
    EXPECT_LT (centre.getAlpha(), 255);

    // Decoded once and shared.
    EXPECT_EQ (VortaneResources::getControlPanelPicture().getPixelData(), panel.getPixelData());
}

TEST (VortaneLogos, productLogoIsA221By55Point9DocumentInItsTwoColours)
{
    const auto svg = VortaneResources::parseProductLogo();
    ASSERT_NE (svg, nullptr);
    EXPECT_EQ (svg->getStringAttribute ("viewBox"), "0 0 221 55.9");

    juce::StringArray fills;
    for (auto* path : svg->getChildWithTagNameIterator ("path"))
        fills.add (path->getStringAttribute ("fill").toUpperCase());
    EXPECT_EQ (fills, juce::StringArray ({ "#CBCBCB", "#ADFF7D" }));
}

TEST (VortaneLogos, makerLogoAndDriveModeIconsAreOutlinesFilledNonZero)
{
    const auto* data = static_cast<const char*> (VortaneResources::getMakerLogoData());
    const auto size = VortaneResources::getMakerLogoSize();
    EXPECT_EQ (data[0], 'n');
    EXPECT_EQ (data[size - 1], 'e');
    EXPECT_TRUE (VortaneResources::getMakerLogoOutline().isUsingNonZeroWinding());

    for (bool hot : { true, false })
    {
        const auto icon = VortaneResources::getDriveModeIcon (hot);
        EXPECT_GT (icon.getBounds().getWidth(), 0.0f);
        EXPECT_GT (icon.getBounds().getHeight(), 0.0f);
        EXPECT_EQ (static_cast<const char*> (VortaneResources::getDriveModeIconData (hot))[0], 'n');
    }
    EXPECT_NE (VortaneResources::getDriveModeIconSize (true), VortaneResources::getDriveModeIconSize (false));
}
