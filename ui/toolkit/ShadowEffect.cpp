#include "ui/toolkit/ShadowEffect.h"

ShadowEffect::ShadowEffect (float opacityToUse, float radius, int dx, int dy)
    : opacity (opacityToUse), cornerRadius (radius), offsetX (dx), offsetY (dy)
{
    setInterceptsMouseClicks (false, false);
}

ShadowEffect::~ShadowEffect() = default;

void ShadowEffect::placeBehind (const juce::Component& target)
{
    setBounds (target.getBoundsInParent().translated (offsetX, offsetY));
}

juce::uint8 ShadowEffect::getAlpha() const noexcept
{
    if (opacity <= 0.0f) return 0;
    if (opacity >= 1.0f) return 255;
    return (juce::uint8) juce::roundToInt (opacity * 255.0f);
}

void ShadowEffect::resized()
{
    shadowRect = { 0.75f, 0.75f,
                   juce::jmax ((float) getWidth() - 1.5f, 0.0f),
                   juce::jmax ((float) getHeight() - 1.5f, 0.0f) };
    shadowPath.clear();
    shadowPath.addRoundedRectangle (shadowRect, cornerRadius);
}

void ShadowEffect::paint (juce::Graphics& g)
{
    g.setColour (juce::Colours::black.withAlpha (getAlpha()));

    if (! g.isClipEmpty() && ! shadowPath.isEmpty())
        g.fillPath (shadowPath);
}
