#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

/** Paints a panel's background picture. Pictures are made at twice the interface's
    base size and drawn at half size; the component takes no clicks and stays
    behind its siblings. */
class BgImage : public juce::Component
{
public:
    explicit BgImage (const juce::Image& image);
    ~BgImage() override;

    void paint (juce::Graphics& g) override;

    const juce::Image& getImage() const noexcept { return image; }
    float getScale() const noexcept { return scale; }

private:
    juce::Image image;
    const float scale = 0.5f;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (BgImage)
};
