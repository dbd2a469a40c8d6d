#include "editor/VortaneResources.h"
#include "support/ImageChecks.h"

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
