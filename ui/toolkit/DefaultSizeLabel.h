#pragma once

#include "ui/toolkit/BasicLabel.h"

/** The editor's caption: centred, in the look-and-feel's standard font height,
    optionally in a fixed colour. Takes no mouse clicks. */
class DefaultSizeLabel : public BasicLabel
{
public:
    explicit DefaultSizeLabel (const juce::String& text);
    ~DefaultSizeLabel() override;

    /** Draws in this colour from now on, whatever the colour table holds. */
    void setFixedColour (juce::Colour colour);
    bool usesFixedColour() const noexcept { return useFixedColour; }
    juce::Colour getFixedColour() const noexcept { return juce::Colour (fixedColour); }

    void paint (juce::Graphics& g) override;
    void resized() override;

private:
    juce::uint32 fixedColour = 0;
    bool useFixedColour = false;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (DefaultSizeLabel)
};
