#include "ui/toolkit/BgImage.h"

BgImage::BgImage (const juce::Image& imageToShow) : image (imageToShow)
{
    setPaintingIsUnclipped (true);
    setBufferedToImage (true);
    setInterceptsMouseClicks (false, false);
    setOpaque (false);
    toBack();
}

BgImage::~BgImage() = default;

void BgImage::paint (juce::Graphics& g)
{
    if (image.isNull())
        return;

    g.drawImageTransformed (image, juce::AffineTransform::scale (scale), false);
}
