#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** A translucent rounded rectangle placed behind a pop-up, a few points off, as
    its drop shadow. Takes no mouse clicks. */
class ShadowEffect : public juce::Component
{
public:
    ShadowEffect (float opacity, float cornerRadius, int offsetX, int offsetY);
    ~ShadowEffect() override;

    /** Covers the target's bounds (as its parent sees them) moved by the offset. */
    void placeBehind (const juce::Component& target);

    /** Black at this alpha: the opacity in 0..255. */
    juce::uint8 getAlpha() const noexcept;
    const juce::Path& getShadowPath() const noexcept { return shadowPath; }
    juce::Point<int> getOffset() const noexcept { return { offsetX, offsetY }; }

    void paint (juce::Graphics& g) override;
    void resized() override;

private:
    float opacity;
    float cornerRadius;
    int offsetX, offsetY;
    juce::Rectangle<float> shadowRect;
    juce::Path shadowPath;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (ShadowEffect)
};
