#include "editor/VortaneResources.h"
#include "VortaneBinaryData.h"

#include <gtest/gtest.h>

namespace
{
    struct PngCase
    {
        const char* name;
        const char* data;
        int size;
        int colourType;   // 2: RGB, 6: RGBA
    };

    class PictureTest : public ::testing::TestWithParam<PngCase> {};

    uint32_t be32 (const char* p)
    {
        const auto* b = reinterpret_cast<const uint8_t*> (p);
        return ((uint32_t) b[0] << 24) | ((uint32_t) b[1] << 16) | ((uint32_t) b[2] << 8) | b[3];
    }

    juce::File outputFolder()
    {
        const juce::File folder (VORTANE_TEST_OUTPUT_DIR);
        folder.createDirectory();
        return folder;
    }

    /** The colours that cover at least a few pixels of an image. */
    std::map<juce::uint32, int> colourCounts (const juce::Image& image)
    {
        std::map<juce::uint32, int> counts;
        for (int y = 0; y < image.getHeight(); ++y)
            for (int x = 0; x < image.getWidth(); ++x)
                if (const auto c = image.getPixelAt (x, y); c.getAlpha() == 255)
                    ++counts[c.getARGB()];
        return counts;
    }
}

TEST_P (PictureTest, isAPngOf1406By638WithEightBitsPerChannel)
{
    const auto c = GetParam();
    ASSERT_GT (c.size, 33);
    EXPECT_EQ (std::memcmp (c.data, "\x89PNG\r\n\x1a\n", 8), 0);
    EXPECT_EQ (std::memcmp (c.data + 12, "IHDR", 4), 0);
    EXPECT_EQ (be32 (c.data + 16), 1406u);
    EXPECT_EQ (be32 (c.data + 20), 638u);
    EXPECT_EQ (c.data[24], 8);
    EXPECT_EQ (c.data[25], c.colourType);
}

INSTANTIATE_TEST_SUITE_P (Pictures, PictureTest, ::testing::Values (
    PngCase { "control panel", VortaneBinaryData::controlPanel_png, VortaneBinaryData::controlPanel_pngSize, 2 },
    PngCase { "settings screen", VortaneBinaryData::settingsScreen_png, VortaneBinaryData::settingsScreen_pngSize, 6 }));

TEST (VortanePictures, controlPanelIsOpaqueAndSettingsScreenLetsThePanelShowThrough)
{
    const auto panel = VortaneResources::getControlPanelPicture();
    const auto settings = VortaneResources::getSettingsScreenPicture();

    ASSERT_TRUE (panel.isValid());
    ASSERT_TRUE (settings.isValid());
    EXPECT_FALSE (panel.hasAlphaChannel());
    EXPECT_TRUE (settings.hasAlphaChannel());
    EXPECT_EQ (settings.getBounds(), panel.getBounds());

    const auto centre = settings.getPixelAt (703, 319);
    EXPECT_GT (centre.getAlpha(), 0);
    EXPECT_LT (centre.getAlpha(), 255);
}

TEST (VortanePictures, areDecodedOnceAndShared)
{
    const auto a = VortaneResources::getControlPanelPicture();
    const auto b = VortaneResources::getControlPanelPicture();
    EXPECT_EQ (a.getPixelData(), b.getPixelData());
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

    // Drawn, both colours show up in solid areas.
    const auto drawable = VortaneResources::createProductLogo();
    ASSERT_NE (drawable, nullptr);
    juce::Image image (juce::Image::ARGB, 884, 224, true);
    {
        juce::Graphics g (image);
        drawable->drawWithin (g, image.getBounds().toFloat(), juce::RectanglePlacement::centred, 1.0f);
    }

    const auto file = outputFolder().getChildFile ("product-logo.png");
    file.deleteFile();
    juce::FileOutputStream out (file);
    juce::PNGImageFormat().writeImageToStream (image, out);

    const auto counts = colourCounts (image);
    EXPECT_GT (counts.count (0xFFCBCBCB) ? counts.at (0xFFCBCBCB) : 0, 1000);
    EXPECT_GT (counts.count (0xFFADFF7D) ? counts.at (0xFFADFF7D) : 0, 200);
}

TEST (VortaneLogos, makerLogoIsAWideOutlineFilledNonZero)
{
    const auto* data = static_cast<const char*> (VortaneResources::getMakerLogoData());
    const auto size = VortaneResources::getMakerLogoSize();
    EXPECT_EQ (data[0], 'n');
    EXPECT_EQ (data[size - 1], 'e');

    const auto logo = VortaneResources::getMakerLogoOutline();
    const auto bounds = logo.getBounds();
    EXPECT_TRUE (logo.isUsingNonZeroWinding());
    // The title button fits it into 92 × 9 points.
    EXPECT_GT (bounds.getWidth() / bounds.getHeight(), 5.0f);
}

TEST (VortaneIcons, driveModeIconsLoadAsTwoDifferentShapes)
{
    const auto hot = VortaneResources::getDriveModeIcon (true);
    const auto cold = VortaneResources::getDriveModeIcon (false);

    for (const auto* icon : { &hot, &cold })
    {
        EXPECT_FALSE (icon->isEmpty());
        EXPECT_GT (icon->getBounds().getWidth(), 0.0f);
        EXPECT_GT (icon->getBounds().getHeight(), 0.0f);
    }

    EXPECT_NE (VortaneResources::getDriveModeIconSize (true), VortaneResources::getDriveModeIconSize (false));
    EXPECT_EQ (static_cast<const char*> (VortaneResources::getDriveModeIconData (true))[0], 'n');
    EXPECT_EQ (static_cast<const char*> (VortaneResources::getDriveModeIconData (false))[0], 'n');
}
